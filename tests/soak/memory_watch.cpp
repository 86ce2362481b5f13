#include "memory_watch.h"

#include <QFile>

namespace {

// A "Name:   1234 kB" line of /proc/self/status, in kB; 0 when missing.
qint64 statusKb(const QByteArray &status, const QByteArray &name) {
    for (const QByteArray &line : status.split('\n'))
        if (line.startsWith(name + ':'))
            return line.mid(name.size() + 1).trimmed().split(' ').value(0).toLongLong();
    return 0;
}

} // namespace

MemoryWatch::MemoryWatch() {
    clock_.start();
    timer_.setInterval(1000);
    connect(&timer_, &QTimer::timeout, this, &MemoryWatch::sampleNow);
    timer_.start();
}

MemoryWatch::Figures MemoryWatch::sampleNow() {
    QFile file("/proc/self/status");
    if (!file.open(QIODevice::ReadOnly))
        return figures_;
    const QByteArray status = file.readAll();
    figures_.rssKb = statusKb(status, "VmRSS");
    figures_.peakKb = statusKb(status, "VmHWM");
    if (!figures_.baselineTaken && clock_.elapsed() >= kBaselineAtMs) {
        figures_.rssAtBaselineKb = figures_.rssKb;
        figures_.peakAtBaselineKb = figures_.peakKb;
        figures_.baselineTaken = true;
    }
    return figures_;
}
