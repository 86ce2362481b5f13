#pragma once

#include <QtGlobal>

#include <optional>

// How soon a chart that was asked to draw may draw: never sooner than a least gap after its
// last drawing, so that a fast sampling interval, or several changes in one tick, cost one
// drawing at most per gap. Times are milliseconds of any clock that only counts on; a clock
// that went back (the computer's time was set) counts as the gap having passed.
class RedrawPace {
public:
    explicit RedrawPace(qint64 leastGapMs) : leastGapMs_(leastGapMs) {}

    // The milliseconds to wait, from nowMs, before the next drawing: 0 when it may draw now.
    // `gapMs` (at least the least gap) is the gap this drawing keeps.
    qint64 waitFrom(qint64 nowMs) const { return waitFrom(nowMs, leastGapMs_); }
    qint64 waitFrom(qint64 nowMs, qint64 gapMs) const;
    // The chart drew at nowMs.
    void drew(qint64 nowMs) { lastDrawnMs_ = nowMs; }

    qint64 leastGapMs() const { return leastGapMs_; }

    // The gap for a drawing of new samples: the time the chart takes to scroll by one pixel
    // (`positions` positions shown across `pixels`, one sample every `samplingMs`), and never
    // less than the least gap. Where a position is narrower than a pixel, a drawing for each
    // sample would move nothing by a whole pixel.
    qint64 scrollGapMs(int samplingMs, int positions, int pixels) const;

private:
    qint64 leastGapMs_;
    std::optional<qint64> lastDrawnMs_;
};
