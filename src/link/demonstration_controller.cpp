#include "demonstration_controller.h"

#include "link_controller.h"
#include "link_view.h"

#include <QTimer>

DemonstrationController::DemonstrationController(QTimer &timer, LinkController &link,
                                                 LinkView &view, bool &indicationRunning,
                                                 CurrentReadings &readings,
                                                 Demonstration::Random random, QObject *parent)
    : QObject(parent), timer_(timer), link_(link), view_(view),
      indicationRunning_(indicationRunning), readings_(readings),
      demonstration_(std::move(random)) {
    timer_.setInterval(Demonstration::IntervalMs);
    connect(&timer_, &QTimer::timeout, this, &DemonstrationController::TimerDemoTimer);
}

bool DemonstrationController::isRunning() const {
    return timer_.isActive();
}

void DemonstrationController::toggle() {
    indicationRunning_ = true;
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
    view_.setLinkStatus(change.linkStatus);
}

void DemonstrationController::TimerDemoTimer() {
    demonstration_.tick(readings_);
    // The demonstration's values are what it shows live, even after a lost link.
    readings_.ReadingsCurrent = true;
}
