#pragma once

#include "current_readings.h"
#include "run_state.h"

#include <QString>

#include <functional>

class QTimer;
class ReadingsSource;

// "Пуск/стоп": stops the screen following the analyser, keeping a frozen copy of the
// readings, or lets it follow again. The analyser itself is not told anything. It is the one
// owner of the indication state (IndicationState); the views and the report read it.
class IndicationSwitch {
public:
    struct Timers {
        QTimer &tab; // refresh of the text views
        QTimer &dia; // refresh of the diagrams
    };

    IndicationSwitch(const ReadingsSource &source, Timers timers);

    const IndicationState &state() const { return state_; }

    // Enables the refresh timer of the current view (text views or the diagram).
    std::function<void()> enableViewRefresh;
    // The link status field.
    std::function<void(const QString &)> setLinkStatus;

    void toggle();
    // The indication follows the readings again without a press (a connection starts, the
    // demonstration is switched, the program starts); the caller refreshes the views.
    void resume() { state_.running = true; }

private:
    const ReadingsSource &source_;
    Timers timers_;
    IndicationState state_;
};
