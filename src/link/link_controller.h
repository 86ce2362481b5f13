#pragma once

#include "current_readings.h"
#include "mode_indication.h"
#include "poll_cycle.h"

#include <QObject>
#include <QTimer>

#include <functional>

struct AppSettings;
class LinkView;
class SerialChannel;
class TVelantar;
class UserPrompts;

// Keeps the analyser connected and the current readings fresh. "Связь" resets the link
// and starts the detection timer, which tries one port a second until the analyser
// answers or the attempts run out; then the receive timer (every 10 ms) takes answers
// into the mirror and the readings, and the send timer (every 30 ms) issues the poll
// cycle. The three timer handlers are public so tests can drive them tick by tick.
class LinkController : public QObject {
    Q_OBJECT

public:
    static constexpr int DetectionIntervalMs = 1000;
    static constexpr int ReceiveIntervalMs = 10;
    static constexpr int IntervalAfterReset = 1000;

    LinkController(SerialChannel &serial, TVelantar &analyser, AppSettings &settings,
                   CurrentReadings &readings, LinkView &view, UserPrompts &prompts,
                   QObject *parent = nullptr);

    // "Связь": resets the link and starts searching.
    void startConnection();
    // Stops searching and polling (the demonstration takes over the readings).
    void stop();

    // Detection tick: one port per tick.
    void StartTimerTimer();
    // Receive tick: read, parse, copy the readings, show the modes.
    void Timer1Timer();
    // Send tick: one request of the poll cycle.
    void Timer2Timer();

    bool isSearching() const { return StartTimer.isActive(); }
    bool isPolling() const { return Timer1.isActive(); }
    int portCount() const;

    PollCycle &pollCycle() { return cycle_; }
    const ModeIndication &modeIndication() const { return indication_; }

    // Formats the analyser's clock for the table view (short date, time with seconds).
    std::function<QString(const QDate &)> formatDate;
    std::function<QString(const QTime &)> formatTime;

    QTimer StartTimer;
    QTimer Timer1;
    QTimer Timer2;

private:
    void giveUp();
    void found();
    // The port has gone while polling (an adapter pulled out): polling stops and the user
    // is told, so that "Связь" can find the analyser again.
    void portVanished();
    void showModes();

    SerialChannel &serial_;
    TVelantar &analyser_;
    AppSettings &settings_;
    CurrentReadings &readings_;
    LinkView &view_;
    UserPrompts &prompts_;
    PollCycle cycle_;
    ModeIndication indication_;
};
