#include "demonstration_controller.h"

#include "indication_switch.h"
#include "link_controller.h"
#include "link_view.h"
#include "readings_source.h"

#include <QTimer>

DemonstrationController::DemonstrationController(QTimer &timer, LinkController &link,
                                                 LinkView &view, IndicationSwitch &indication,
                                                 ReadingsSource &source,
                                                 Demonstration::Random random, QObject *parent)
    : QObject(parent), timer_(timer), link_(link), view_(view), indication_(indication),
      source_(source), demonstration_(std::move(random)) {
    timer_.setInterval(Demonstration::IntervalMs);
    connect(&timer_, &QTimer::timeout, this, &DemonstrationController::TimerDemoTimer);
}

bool DemonstrationController::isRunning() const {
    return timer_.isActive();
}

void DemonstrationController::toggle() {
    indication_.resume();
    view_.setSearchProgress(0);
    view_.setSearchProgressVisible(false);
    view_.setIndicationToggleEnabled(true);
    if (enableViewRefresh)
        enableViewRefresh();

    const Demonstration::Switch change = Demonstration::toggle(isRunning());
    if (change.stopLink) {
        link_.stop();
        // No analyser settings menu stays on screen once nothing is polled.
        view_.showSettingsMenu(0);
    }
    if (change.start)
        timer_.start();
    else
        timer_.stop();
    if (change.portStatus)
        view_.setPortStatus(*change.portStatus);
    source_.demonstrationSwitched(change.start, change.linkStatus);
}

void DemonstrationController::stopForConnection() {
    timer_.stop();
    source_.demonstrationInterrupted();
}

void DemonstrationController::TimerDemoTimer() {
    // The demonstration's values are what it shows live, even after a lost link.
    source_.demonstrationSample(demonstration_.nextSample());
}
