#include "view_switch.h"

#include "view_ids.h"

namespace ViewSwitch {

int timerModeFor(int currentView) {
    return ViewTimerMode::of(currentView);
}

bool isKnownView(int currentView) {
    return ViewId::isKnown(currentView);
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
