#pragma once

#include "demonstration.h"

#include <QObject>

#include <functional>

class IndicationSwitch;
class LinkController;
class LinkView;
class QTimer;
class ReadingsSource;

// Runs the demonstration: "Демонстрация" switches it on and off, and each tick of the
// demonstration timer (TimerDemo, 300 ms) gives the readings source a new random sample.
// Starting it stops the link's polling and search, so that only the demonstration changes
// the readings; stopping it does not resume polling ("Связь" does).
class DemonstrationController : public QObject {
    Q_OBJECT

public:
    // timer: TimerDemo, owned by the main window; its timeout runs TimerDemoTimer.
    DemonstrationController(QTimer &timer, LinkController &link, LinkView &view,
                            IndicationSwitch &indication, ReadingsSource &source,
                            Demonstration::Random random = {}, QObject *parent = nullptr);

    // Enables the refresh timer of the current view.
    std::function<void()> enableViewRefresh;

    // "Демонстрация" (ToolButton5, menu item N44).
    void toggle();
    // A connection starts: the demonstration stops; the link shows its own status.
    void stopForConnection();
    // One tick of TimerDemo.
    void TimerDemoTimer();

    bool isRunning() const;

private:
    QTimer &timer_;
    LinkController &link_;
    LinkView &view_;
    IndicationSwitch &indication_;
    ReadingsSource &source_;
    Demonstration demonstration_;
};
