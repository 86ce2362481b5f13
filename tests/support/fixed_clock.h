#pragma once

#include "clock.h"

// A clock that shows the time the test sets.
class FixedClock : public Clock {
public:
    QDateTime time;
    explicit FixedClock(const QDateTime &at = {}) : time(at) {}
    QDateTime now() const override { return time; }
};
