#include "bcd_clock.h"

#include <QTimeZone>

BcdClock::BcdClock(MemorySpace &memory, const Layout &layout) : memory_(memory), layout_(layout) {}

void BcdClock::set(const QDateTime &dateTime, qint64 nowMs) {
    base_ = QDateTime(dateTime.date(), dateTime.time(), QTimeZone::utc());
    base_ = base_.addMSecs(-base_.time().msec());
    baseMs_ = nowMs;
    held_ = false;
    store(base_);
}

QDateTime BcdClock::now(qint64 nowMs) const {
    if (held_)
        return base_;
    return base_.addSecs((nowMs - baseMs_) / 1000);
}

void BcdClock::refresh(qint64 nowMs) {
    if (!held_)
        store(now(nowMs));
}

void BcdClock::control(uint8_t value, qint64 nowMs) {
    memory_.setByte(layout_.clockControl, value);
    if (value == 0x40 && !held_) {
        base_ = now(nowMs);
        held_ = true;
    } else if (value == 0xC0) {
        // Bytes that do not form a date keep the time the clock had when it stopped.
        const QDateTime written = fromBytes();
        set(written.isValid() ? written : base_, nowMs);
    }
}

void BcdClock::store(const QDateTime &dateTime) {
    const QDate d = dateTime.date();
    const QTime t = dateTime.time();
    memory_.setByte(layout_.clockSeconds, toBcd(t.second()));
    memory_.setByte(layout_.clockMinutes, toBcd(t.minute()));
    memory_.setByte(layout_.clockHours, toBcd(t.hour()));
    memory_.setByte(layout_.clockHours + 1, uint8_t(d.dayOfWeek())); // 1 Monday .. 7 Sunday
    memory_.setByte(layout_.clockDay, toBcd(d.day()));
    memory_.setByte(layout_.clockMonth, toBcd(d.month()));
    memory_.setByte(layout_.clockYear, toBcd(d.year() % 100));
    memory_.setByte(layout_.clockCentury, uint8_t(d.year() / 100));
}

QDateTime BcdClock::fromBytes() const {
    const int year =
        memory_.byte(layout_.clockCentury) * 100 + fromBcd(memory_.byte(layout_.clockYear));
    const QDate date(year, fromBcd(memory_.byte(layout_.clockMonth)),
                     fromBcd(memory_.byte(layout_.clockDay)));
    // The hours byte arrives with bit 6 set; only the low six bits carry the hour.
    const QTime time(fromBcd(memory_.byte(layout_.clockHours) & 0x3F),
                     fromBcd(memory_.byte(layout_.clockMinutes)),
                     fromBcd(memory_.byte(layout_.clockSeconds)));
    if (!date.isValid() || !time.isValid())
        return {};
    return QDateTime(date, time, QTimeZone::utc());
}
