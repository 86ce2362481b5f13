#include "indication_switch.h"

#include "status_texts.h"

#include <QTimer>

IndicationSwitch::IndicationSwitch(bool &indicationRunning, ReadingSample &frozen,
                                   const CurrentReadings &readings, Timers timers)
    : running_(indicationRunning), frozen_(frozen), readings_(readings), timers_(timers) {}

void IndicationSwitch::toggle() {
    if (running_) {
        running_ = false;
        // Each refresh timer runs once more, at once, and then stays off.
        for (QTimer *timer : {&timers_.tab, &timers_.dia}) {
            timer->setInterval(1);
            timer->start();
        }
        frozen_ = readings_.sample;
        if (frozenReadingsCurrent)
            *frozenReadingsCurrent = readings_.ReadingsCurrent;
        if (setLinkStatus)
            setLinkStatus(LinkStatus::IndicationStopped.toString());
        return;
    }
    running_ = true;
    if (enableViewRefresh)
        enableViewRefresh();
    QString status = LinkStatus::NotConnected.toString();
    if (timers_.poll.isActive())
        status = readings_.analyserKind == AnalyserKind::TwoComponent
                     ? LinkStatus::TwoComponent.toString()
                     : LinkStatus::FourComponent.toString();
    else if (timers_.demo.isActive())
        status = LinkStatus::Demonstration.toString();
    if (setLinkStatus)
        setLinkStatus(status);
}
