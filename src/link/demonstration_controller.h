#pragma once

#include "demonstration.h"

#include <QObject>

#include <functional>

class LinkController;
class LinkView;
class QTimer;

// Runs the demonstration: "Демонстрация" switches it on and off, and each tick of the
// demonstration timer (TimerDemo, 300 ms) puts a new random sample into the readings.
// Starting it stops the link's polling and search, so that only the demonstration changes
// the readings; stopping it does not resume polling ("Связь" does).
class DemonstrationController : public QObject {
    Q_OBJECT

public:
    // timer: TimerDemo, owned by the main window; its timeout runs TimerDemoTimer.
    DemonstrationController(QTimer &timer, LinkController &link, LinkView &view,
                            bool &indicationRunning, CurrentReadings &readings,
                            Demonstration::Random random = {}, QObject *parent = nullptr);

    // Enables the refresh timer of the current view.
    std::function<void()> enableViewRefresh;

    // "Демонстрация" (ToolButton5, menu item N44).
    void toggle();
    // One tick of TimerDemo.
    void TimerDemoTimer();

    bool isRunning() const;

private:
    QTimer &timer_;
    LinkController &link_;
    LinkView &view_;
    bool &indicationRunning_;
    CurrentReadings &readings_;
    Demonstration demonstration_;
};
