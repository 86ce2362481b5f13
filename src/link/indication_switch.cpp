#include "indication_switch.h"

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
        if (setLinkStatus)
            setLinkStatus(QStringLiteral(" СТОП ИНДИКАЦИИ"));
        return;
    }
    running_ = true;
    if (enableViewRefresh)
        enableViewRefresh();
    QString status = QStringLiteral(" Г/А НЕ ПОДКЛЮЧЕН");
    if (timers_.poll.isActive())
        status = readings_.analyserKind == AnalyserKind::TwoComponent
                     ? QStringLiteral(" Велантар 2х комп")
                     : QStringLiteral(" Велантар 4х комп");
    else if (timers_.demo.isActive())
        status = QStringLiteral(" ДЕМОНСТРАЦИЯ");
    if (setLinkStatus)
        setLinkStatus(status);
}
