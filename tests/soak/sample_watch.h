#pragma once

#include <QObject>

class TForm1;

// Watches the graph recording from the sampling timer TimerGRP. Its slot is connected after
// the recording's own, so on each tick it sees what the tick did: a sample taken (the record's
// count or newest time changed) while the program's readings were not current is a fault.
class SampleWatch : public QObject {
    Q_OBJECT

public:
    explicit SampleWatch(TForm1 &window);

    // The record was changed by something other than a tick (a graph opened).
    void resync();

    int samples() const { return samples_; }
    // Runs of ticks while the readings were not current: the record's gaps.
    int gaps() const { return gaps_; }
    int notCurrentSamples() const { return notCurrentSamples_; }
    // Samples taken while neither the link polled nor the demonstration ran (the readings
    // then come from no source).
    int sourcelessSamples() const { return sourcelessSamples_; }

private:
    void afterTick();

    TForm1 &window_;
    int count_ = 0;
    qint32 newestMs_ = -1;
    bool inGap_ = false;
    int samples_ = 0;
    int gaps_ = 0;
    int notCurrentSamples_ = 0;
    int sourcelessSamples_ = 0;
};
