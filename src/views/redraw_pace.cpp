#include "redraw_pace.h"

#include <algorithm>

qint64 RedrawPace::waitFrom(qint64 nowMs, qint64 gapMs) const {
    const qint64 gap = std::max(gapMs, leastGapMs_);
    if (!lastDrawnMs_ || nowMs < *lastDrawnMs_)
        return 0;
    const qint64 since = nowMs - *lastDrawnMs_;
    return since >= gap ? 0 : gap - since;
}

qint64 RedrawPace::scrollGapMs(int samplingMs, int positions, int pixels) const {
    if (samplingMs <= 0 || positions <= 0 || pixels <= 0)
        return leastGapMs_;
    return std::max(leastGapMs_, qint64(samplingMs) * positions / pixels);
}
