#include "redraw_pace.h"

qint64 RedrawPace::waitFrom(qint64 nowMs) const {
    if (!lastDrawnMs_ || nowMs < *lastDrawnMs_)
        return 0;
    const qint64 since = nowMs - *lastDrawnMs_;
    return since >= leastGapMs_ ? 0 : leastGapMs_ - since;
}
