#pragma once

#include "current_readings.h"

#include <QString>

#include <functional>

class QTimer;

// "Пуск/стоп": stops the screen following the analyser, keeping a frozen copy of the
// readings, or lets it follow again. The analyser itself is not told anything.
class IndicationSwitch {
public:
    struct Timers {
        QTimer &tab;  // refresh of the text views
        QTimer &dia;  // refresh of the diagrams
        QTimer &poll; // the link's receive timer: polling is on while it runs
        QTimer &demo; // the demonstration's timer
    };

    IndicationSwitch(bool &indicationRunning, ReadingSample &frozen,
                     const CurrentReadings &readings, Timers timers);

    // Enables the refresh timer of the current view (text views or the diagram).
    std::function<void()> enableViewRefresh;
    // The link status field.
    std::function<void(const QString &)> setLinkStatus;
    // Where stopping the indication records whether the frozen copy was current
    // (RunState::FrozenReadingsCurrent); none: not recorded.
    bool *frozenReadingsCurrent = nullptr;

    void toggle();

private:
    bool &running_;
    ReadingSample &frozen_;
    const CurrentReadings &readings_;
    Timers timers_;
};
