#include "view_switch.h"

namespace ViewSwitch {

int timerModeFor(int currentView) {
    switch (currentView) {
    case 4:
        return DiagramView;
    case 5:
        return GraphView;
    default:
        return TextViews;
    }
}

bool isKnownView(int currentView) {
    return currentView >= 0 && currentView <= 6 && currentView != 3;
}

TimerAction timerAction(int timerMode, bool indicationRunning) {
    // A stopped indication leaves the current view's timer to run its last refresh; the
    // switch then only stops the other view kind's timer.
    switch (timerMode) {
    case TextViews:
        return indicationRunning ? TimerAction{true, {}} : TimerAction{{}, false};
    case DiagramView:
        return indicationRunning ? TimerAction{{}, true} : TimerAction{false, {}};
    default:
        return {false, false};
    }
}

} // namespace ViewSwitch
