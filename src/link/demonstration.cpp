#include "demonstration.h"

#include "channel_info.h"
#include "status_texts.h"

#include <QRandomGenerator>

// The system's generator is seeded once from the operating system's entropy. Seeding a
// generator from the clock before every tick, as a simple design would, adds nothing and
// repeats the same values whenever two ticks read the same clock value.
Demonstration::Demonstration(Random random) : random_(std::move(random)) {
    if (!random_)
        random_ = [](int bound) { return int(QRandomGenerator::global()->bounded(bound)); };
}

ReadingSample Demonstration::nextSample() {
    // Each channel's value is its lowest plus a draw from 0 to the width of its range - 1.
    ReadingSample sample;
    for (const ChannelInfo &channel : kChannelInfo) {
        const int spread = channel.demonstrationHigh - channel.demonstrationLow + 1;
        sample.setValue(channel.channel,
                        qint16(channel.demonstrationLow + qBound(0, random_(spread), spread - 1)));
    }
    return sample;
}

Demonstration::Switch Demonstration::toggle(bool demonstrationRunning) {
    if (demonstrationRunning)
        return {false, false, LinkStatus::NotConnected.toString(), std::nullopt};
    return {true, true, LinkStatus::Demonstration.toString(),
            LinkStatus::DemonstrationPortStatus.toString()};
}
