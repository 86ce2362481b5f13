#pragma once

#include "memory.h"

#include <QDateTime>
#include <QString>

#include <optional>

// The analyser's calendar clock. It keeps its time as BCD bytes in the main space
// (seconds, minutes, hours, day of week, day, month, year in century; the century as
// a plain number) and a control byte:
//   0x40 written to control: the clock holds, so the bytes can be written one by one;
//   0xC0 written to control: the clock takes the written bytes and runs on from them.
// Time is counted on a monotonic millisecond scale given by the caller, so a
// suspended or busy process never loses seconds and tests can drive it.
class BcdClock {
public:
    // The clock's figures as the analyser holds them, not checked to make a date.
    struct Figures {
        int year, month, day, hour, minute, second;
    };

    BcdClock(MemorySpace &memory, const Layout &layout);

    // "YYYY-MM-DD HH:MM:SS" with each figure in its field's range (year 0..9999, month
    // 1..12, day 1..31, hours 0..23, minutes and seconds 0..59), whether or not the day
    // exists in that month: 2024-11-31 is taken.
    static std::optional<Figures> parseFigures(const QString &text);
    static QString figuresText(const Figures &figures);

    // Stops the clock at these figures, stored as they are even when they make no date, as
    // a clock that lost its battery may show: it stands until it is set or written.
    void standAt(const Figures &figures);
    const std::optional<Figures> &standing() const { return standing_; }

    // Sets the running clock (the date-time has no time zone: it is what the analyser shows).
    void set(const QDateTime &dateTime, qint64 nowMs);
    QDateTime now(qint64 nowMs) const;
    bool held() const { return held_; }

    // Brings the clock bytes up to date; nothing changes while the clock is held.
    void refresh(qint64 nowMs);
    // A byte the program wrote to the control address.
    void control(uint8_t value, qint64 nowMs);

    static uint8_t toBcd(int value) { return uint8_t((value / 10) * 16 + value % 10); }
    static int fromBcd(uint8_t value) { return (value >> 4) * 10 + (value & 0x0F); }

private:
    void store(const QDateTime &dateTime);
    QDateTime fromBytes() const;

    MemorySpace &memory_;
    Layout layout_;
    QDateTime base_; // clock reading at baseMs_, kept in UTC so no daylight saving applies
    qint64 baseMs_ = 0;
    bool held_ = false;
    std::optional<Figures> standing_;
};
