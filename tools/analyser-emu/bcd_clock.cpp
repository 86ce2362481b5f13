#include "bcd_clock.h"

#include <QRegularExpression>
#include <QTimeZone>

BcdClock::BcdClock(MemorySpace &memory, const Layout &layout) : memory_(memory), layout_(layout) {}

std::optional<BcdClock::Figures> BcdClock::parseFigures(const QString &text) {
    static const QRegularExpression form(
        QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2}) (\\d{2}):(\\d{2}):(\\d{2})$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const auto field = [&match](int i) { return match.captured(i).toInt(); };
    const Figures figures{field(1), field(2), field(3), field(4), field(5), field(6)};
    const bool inRange = figures.month >= 1 && figures.month <= 12 && figures.day >= 1 &&
                         figures.day <= 31 && figures.hour <= 23 && figures.minute <= 59 &&
                         figures.second <= 59;
    return inRange ? std::optional(figures) : std::nullopt;
}

QString BcdClock::figuresText(const Figures &f) {
    return QStringLiteral("%1-%2-%3 %4:%5:%6")
        .arg(f.year, 4, 10, QChar('0'))
        .arg(f.month, 2, 10, QChar('0'))
        .arg(f.day, 2, 10, QChar('0'))
        .arg(f.hour, 2, 10, QChar('0'))
        .arg(f.minute, 2, 10, QChar('0'))
        .arg(f.second, 2, 10, QChar('0'));
}

void BcdClock::standAt(const Figures &f) {
    standing_ = f;
    held_ = false;
    memory_.setByte(layout_.clockSeconds, toBcd(f.second));
    memory_.setByte(layout_.clockMinutes, toBcd(f.minute));
    memory_.setByte(layout_.clockHours, toBcd(f.hour));
    memory_.setByte(layout_.clockDay, toBcd(f.day));
    memory_.setByte(layout_.clockMonth, toBcd(f.month));
    memory_.setByte(layout_.clockYear, toBcd(f.year % 100));
    memory_.setByte(layout_.clockCentury, uint8_t(f.year / 100));
}

void BcdClock::set(const QDateTime &dateTime, qint64 nowMs) {
    standing_.reset();
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
    if (!held_ && !standing_)
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
