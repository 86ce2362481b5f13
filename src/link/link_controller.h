#pragma once

#include "link_loss_policy.h"
#include "mode_indication.h"
#include "poll_cycle.h"
#include "port_names.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>

class SettingsStore;
struct AppSettings;
class LinkView;
class ReadingsSource;
class SerialChannel;
class TVelantar;
class UserPrompts;

// Keeps the analyser connected and the current readings fresh. "Связь" resets the link
// and starts the detection timer, which tries one port a second until the analyser
// answers or the attempts run out; then the receive timer (every 10 ms) takes answers
// into the mirror and the readings, and the send timer (every 30 ms) issues the poll
// cycle. The timers are its own; their handlers are public so tests can drive them tick by
// tick. It feeds the readings source (ReadingsSource), which owns the readings, whether
// they are current, the polling state and the link status text.
//
// A lost link is never shown as a live one: when the port closes under the link or the
// analyser leaves a poll cycle unanswered for about two seconds (LinkLossPolicy), polling
// stops, the readings are marked not current, the user gets one notice, and the link looks
// for the analyser by itself, running a search every few seconds (ReconnectTimer) without
// the "not found" box, until the analyser answers and polling resumes. That search tries
// only the device the analyser was on (its path, or a USB adapter's serial number), never
// whatever other device now has its port number, and a reconnect resumes what ran before
// the loss and nothing else (no automatic graph start, no info page, the indication as it
// was).
class LinkController : public QObject {
    Q_OBJECT

public:
    static constexpr int DetectionIntervalMs = 1000;
    static constexpr int ReceiveIntervalMs = 10;
    static constexpr int IntervalAfterReset = 1000;

    LinkController(SerialChannel &serial, TVelantar &analyser, SettingsStore &settings,
                   ReadingsSource &source, LinkView &view, UserPrompts &prompts,
                   QObject *parent = nullptr);

    // "Связь": resets the link and starts searching.
    void startConnection();
    // Stops searching, polling and looking for a lost analyser (the demonstration takes
    // over the readings, or the program closes).
    void stop();

    // Detection tick: one port per tick.
    void StartTimerTimer();
    // Receive tick: read, parse, copy the readings, show the modes.
    void Timer1Timer();
    // Send tick: one request of the poll cycle.
    void Timer2Timer();
    // After a loss: another search, as "Связь" runs it, but quiet when it finds nothing.
    void ReconnectTimerTimer();

    bool isSearching() const { return StartTimer.isActive(); }
    bool isPolling() const { return Timer1.isActive(); }
    // The link was lost while polling and the analyser has not been found again since.
    bool isLost() const { return lost_; }
    int portCount() const;

    PollCycle &pollCycle() { return cycle_; }
    const ModeIndication &modeIndication() const { return indication_; }

    // Formats the analyser's clock for the table view (short date, time with seconds).
    std::function<QString(const QDate &)> formatDate;
    std::function<QString(const QTime &)> formatTime;
    // Milliseconds on a clock that only moves forward, for the silence on the line; tests
    // set their own.
    std::function<qint64()> elapsedMs;
    // Which device is behind a port number, and under which number a device is now; tests
    // set their own.
    std::function<PortNames::PortIdentity(int)> identifyPort;
    std::function<int(const PortNames::PortIdentity &)> findPort;

    // The timers, read-only: tests check their state and intervals.
    const QTimer &detectionTimer() const { return StartTimer; }
    const QTimer &receiveTimer() const { return Timer1; }
    const QTimer &sendTimer() const { return Timer2; }
    const QTimer &reconnectTimer() const { return ReconnectTimer; }

private:
    // Resets the link and starts the detection timer; an automatic search shows no
    // "not found" box and leaves the indication and "Пуск/стоп" as they are.
    void startSearch(bool automatic);
    void giveUp();
    void found();
    // Polling has lost the analyser: stops, marks the readings, tells the user once and
    // looks for the analyser again later.
    void linkLost(LinkLossPolicy::Health why);
    void showModes();
    // Pump and fuel as not known: nothing is polled that would tell them.
    void showModesUnknown();
    void startPolling();
    void stopPolling();

    SerialChannel &serial_;
    TVelantar &analyser_;
    SettingsStore &store_;
    const AppSettings &settings_;
    ReadingsSource &source_;
    LinkView &view_;
    UserPrompts &prompts_;
    PollCycle cycle_;
    ModeIndication indication_;
    QElapsedTimer monotonic_;
    bool lost_ = false;
    bool automaticSearch_ = false;
    // The device the analyser was last found on.
    PortNames::PortIdentity analyserPort_;
    qint64 lastAnswerMs_ = 0;
    int requestsSinceAnswer_ = 0;
    // Answers since the last decode pass; the decode pass that follows one makes the
    // readings current again.
    bool answeredSinceDecode_ = false;
    quint32 decodePassesSeen_ = 0;

    QTimer StartTimer;
    QTimer Timer1;
    QTimer Timer2;
    QTimer ReconnectTimer;
};
