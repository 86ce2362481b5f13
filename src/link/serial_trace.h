#pragma once

#include "clock.h"

#include <QFile>

// The serial trace for a fault report (velantar --trace FILE): every block of bytes written
// to or read from the analyser's port, one line each, with the time:
//   2026-12-09T14:03:07.125 > 99 33 00 CC
//   2026-12-09T14:03:07.131 < 99 33 10 27
// ">" is sent, "<" received, bytes in hexadecimal. A line costs one system call and no
// wait (measured in bench/bench_serial_trace), so the poll cycle keeps its pace.
// The program has one trace at most; the serial port writes to the one made current.
class SerialTrace {
public:
    enum class Direction { Sent, Received };

    SerialTrace(const QString &path, const Clock &clock);
    ~SerialTrace();
    SerialTrace(const SerialTrace &) = delete;
    SerialTrace &operator=(const SerialTrace &) = delete;

    // False (with the reason in errorString) when the file cannot be created.
    bool open();
    QString errorString() const { return file_.errorString(); }

    void record(Direction direction, const quint8 *bytes, int count);
    static QByteArray line(const QDateTime &time, Direction direction, const quint8 *bytes,
                           int count);

    // The trace the serial port writes to; none unless one was made current.
    static SerialTrace *current();
    void makeCurrent();

private:
    QFile file_;
    const Clock &clock_;
};
