#include "serial_trace.h"

namespace {
SerialTrace *currentTrace = nullptr;
}

SerialTrace::SerialTrace(const QString &path, const Clock &clock) : file_(path), clock_(clock) {}

SerialTrace::~SerialTrace() {
    if (currentTrace == this)
        currentTrace = nullptr;
}

bool SerialTrace::open() {
    return file_.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered);
}

QByteArray SerialTrace::line(const QDateTime &time, Direction direction, const quint8 *bytes,
                             int count) {
    QByteArray text = time.toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss.zzz")).toLatin1();
    text += direction == Direction::Sent ? " >" : " <";
    text.reserve(text.size() + 3 * count + 1);
    for (int i = 0; i < count; ++i) {
        text += ' ';
        text += QByteArray::number(bytes[i], 16).rightJustified(2, '0').toUpper();
    }
    text += '\n';
    return text;
}

void SerialTrace::record(Direction direction, const quint8 *bytes, int count) {
    if (count > 0 && file_.isOpen())
        file_.write(line(clock_.now(), direction, bytes, count));
}

SerialTrace *SerialTrace::current() {
    return currentTrace;
}

void SerialTrace::makeCurrent() {
    currentTrace = this;
}
