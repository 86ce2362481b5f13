#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

// The driver's own memory (the program runs in it), from /proc/self/status once a second:
// the resident size (VmRSS) and its peak (VmHWM), with the figures at the first minute as
// the baseline.
class MemoryWatch : public QObject {
    Q_OBJECT

public:
    static constexpr qint64 kBaselineAtMs = 60000;

    MemoryWatch();

    struct Figures {
        qint64 rssAtBaselineKb = 0;
        qint64 peakAtBaselineKb = 0;
        qint64 peakKb = 0;
        qint64 rssKb = 0;
        bool baselineTaken = false;
    };
    // Reads the figures now and returns them.
    Figures sampleNow();

private:
    QElapsedTimer clock_;
    QTimer timer_;
    Figures figures_;
};
