#include "indication_switch.h"

#include "readings_source.h"
#include "status_texts.h"

#include <QTimer>

IndicationSwitch::IndicationSwitch(const ReadingsSource &source, Timers timers)
    : source_(source), timers_(timers) {}

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
        if (setLinkStatus)
            setLinkStatus(LinkStatus::IndicationStopped.toString());
        return;
    }
    state_.running = true;
    if (enableViewRefresh)
        enableViewRefresh();
    if (setLinkStatus)
        setLinkStatus(source_.runningLinkStatus());
}
