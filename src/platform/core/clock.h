#pragma once

#include <QDateTime>

// "Now" as the program sees it: the computer's clock in the program, a fixed or stepped
// time in tests.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

class SystemClock : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};
