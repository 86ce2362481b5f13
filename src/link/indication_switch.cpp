#include "indication_switch.h"

#include "readings_source.h"
#include "status_texts.h"

#include <QTimer>

IndicationSwitch::IndicationSwitch(const ReadingsSource &source, Timers timers, QObject *parent)
    : QObject(parent), source_(source), timers_(timers), linkStatus_(source.linkStatus()) {
    connect(&source, &ReadingsSource::linkStatusChanged, this, [this](const QString &text) {
        if (state_.running)
            showLinkStatus(text);
    });
}

void IndicationSwitch::toggle() {
    if (state_.running) {
        state_.running = false;
        // Each refresh timer runs once more, at once, and then stays off.
        for (QTimer *timer : {&timers_.tab, &timers_.dia}) {
            timer->setInterval(1);
            timer->start();
        }
        state_.frozen = source_.readings().sample;
        state_.frozenCurrent = source_.isCurrent();
        showLinkStatus(LinkStatus::IndicationStopped.toString());
        return;
    }
    state_.running = true;
    emit resumedByPress();
    showLinkStatus(source_.runningLinkStatus());
}

void IndicationSwitch::resume() {
    if (state_.running)
        return;
    state_.running = true;
    showLinkStatus(source_.linkStatus());
}

void IndicationSwitch::showLinkStatus(const QString &text) {
    linkStatus_ = text;
    emit linkStatusChanged(text);
}
