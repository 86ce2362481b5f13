#pragma once

#include <QDateTime>

// "Now" as the program sees it: the computer's clock in the program, a fixed or stepped
// time in tests.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    // The same instant as milliseconds since 1970 UTC, for measuring spans: the computer's
    // clock gives it without working out the local time (which looks at the time zone file).
    virtual qint64 msecsSinceEpoch() const { return now().toMSecsSinceEpoch(); }
};

class SystemClock : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    qint64 msecsSinceEpoch() const override { return QDateTime::currentMSecsSinceEpoch(); }
};
