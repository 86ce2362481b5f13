#pragma once

#include "readings_source.h"

// Puts the readings a whole-window test needs in place, as if a feed had delivered them (so
// they are current), or marks them current or not; the signals fire as the feeds' would.
struct ReadingsSourceProbe {
    static void setSample(ReadingsSource &source, const ReadingSample &sample) {
        source.readings_.sample = sample;
        emit source.readingsChanged();
        source.setCurrent(true);
    }
    static void setCurrent(ReadingsSource &source, bool current) { source.setCurrent(current); }
};
