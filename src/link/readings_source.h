#pragma once

#include "current_readings.h"

#include <QObject>
#include <QString>

class TVelantar;

// The one owner of the readings and of whether they are current, of which feed delivers
// them (the analyser link polling, or the demonstration) and of the link status text.
// LinkController and DemonstrationController feed it through the operations below and are
// the only writers; everybody else reads `readings()` and follows the signals.
//
// Each operation is one event of a feed, so a rule about currency is changed here and
// nowhere else. The readings are current only while a feed delivers them: from the first
// whole poll cycle with answers of a found analyser, or from the demonstration's first tick,
// until the link is lost or stopped, a search starts, or the demonstration stops. At
// start-up they are not current.
class ReadingsSource : public QObject {
    Q_OBJECT
    // Whole-window tests put the readings a case needs in place (tests/support).
    friend struct ReadingsSourceProbe;

public:
    explicit ReadingsSource(QObject *parent = nullptr);

    const CurrentReadings &readings() const { return readings_; }
    bool isCurrent() const { return readings_.ReadingsCurrent; }
    // The link is polling a found analyser (its receive timer runs).
    bool isPolling() const { return polling_; }
    bool isDemonstrating() const { return demonstrating_; }
    // The text the source last gave the link status field.
    const QString &linkStatus() const { return linkStatus_; }
    // The text "Пуск/стоп" puts back in the link status field when the indication runs
    // again: the analyser's kind while polling (a kind that is not two-component reads as
    // four-component), the demonstration, or not connected.
    QString runningLinkStatus() const;

    // ---- The analyser link ----
    // "Связь" or an automatic search resets the link: polling stops, and the readings left
    // behind (by polling or the demonstration) follow nothing while the search runs.
    void searchStarted();
    // The analyser answered its type request and polling starts; nothing has been read from
    // it yet, so its readings are not current until a whole cycle with answers.
    void analyserFound(AnalyserKind kind);
    // The receive tick's copy of the decoded values (see copyDecodedReadings).
    void takeDecoded(const TVelantar &analyser, bool modeIndication);
    // The analyser's clock as the table view shows it.
    void takeDeviceClock(const QString &dateText, const QString &timeText);
    // A whole poll cycle with answers among it has ended: the readings follow the analyser.
    void cycleAnswered();
    // Polling has lost the analyser (no answer, port closed).
    void linkLost();
    // Polling stops without a loss: the link is stopped, or the analyser stopped answering
    // its type request and the program closes. The values stay, no longer current.
    void pollingStopped();

    // ---- The demonstration ----
    // "Демонстрация" switched it on or off; `linkStatus` is its text for the status field.
    void demonstrationSwitched(bool running, const QString &linkStatus);
    // A connection starts while the demonstration runs: it ends, its values no longer
    // current; the link sets the status.
    void demonstrationInterrupted();
    // One tick of the demonstration: its values are what it shows live.
    void demonstrationSample(const ReadingSample &sample);

signals:
    // Any value of readings() changed (the sample, the analyser's fields, its kind).
    void readingsChanged();
    void currencyChanged(bool current);
    void linkStatusChanged(const QString &text);

private:
    void setCurrent(bool current);
    void setLinkStatus(const QString &text);

    CurrentReadings readings_;
    bool polling_ = false;
    bool demonstrating_ = false;
    QString linkStatus_;
};
