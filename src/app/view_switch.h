#pragma once

#include <optional>

// Which view refresh timer runs for a view: the text views (readings, information,
// table, report) refresh on TimerTab, the diagram on TimerDia, and the graph on neither
// (it samples on its own timer).
namespace ViewSwitch {

enum TimerMode { TextViews = 0, DiagramView = 1, GraphView = 2 };

int timerModeFor(int currentView);

// Whether a view number names one of the six views.
bool isKnownView(int currentView);

// What the switch does to the two refresh timers; no value leaves a timer as it is.
struct TimerAction {
    std::optional<bool> tabEnabled;
    std::optional<bool> diaEnabled;
};
TimerAction timerAction(int timerMode, bool indicationRunning);

} // namespace ViewSwitch
