#include "demonstration.h"

#include "status_texts.h"

#include <QRandomGenerator>

#include <array>

namespace {

// Each channel's value is its base plus a draw from 0 to Spread - 1.
constexpr int Spread = 50;

struct Channel {
    qint16 ReadingSample::*field;
    int base;
};

constexpr std::array<Channel, 6> Channels = {{
    {&ReadingSample::co, 320},
    {&ReadingSample::ch, 1000},
    {&ReadingSample::co2, 500},
    {&ReadingSample::o2, 1000},
    {&ReadingSample::lambda, 1000},
    {&ReadingSample::rpm, 800},
}};

} // namespace

// The system's generator is seeded once from the operating system's entropy. Seeding a
// generator from the clock before every tick, as a simple design would, adds nothing and
// repeats the same values whenever two ticks read the same clock value.
Demonstration::Demonstration(Random random) : random_(std::move(random)) {
    if (!random_)
        random_ = [](int bound) { return int(QRandomGenerator::global()->bounded(bound)); };
}

ReadingSample Demonstration::nextSample() {
    ReadingSample sample;
    for (const Channel &channel : Channels)
        sample.*channel.field = qint16(channel.base + qBound(0, random_(Spread), Spread - 1));
    return sample;
}

Demonstration::Switch Demonstration::toggle(bool demonstrationRunning) {
    if (demonstrationRunning)
        return {false, false, LinkStatus::NotConnected.toString(), std::nullopt};
    return {true, true, LinkStatus::Demonstration.toString(),
            LinkStatus::DemonstrationPortStatus.toString()};
}
