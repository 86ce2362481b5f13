#include "graph_buffer.h"

#include <QtGlobal>

#include <algorithm>
#include <climits>

namespace {
constexpr qint32 kMsecsPerDay = 24 * 60 * 60 * 1000;
constexpr std::size_t kFirstRingSize = 64;
} // namespace

GraphBuffer::GraphBuffer(const FullScales &fullScales)
    : scaleSets_{ChannelScale::guarded(fullScales)} {}

void GraphBuffer::clear() {
    slots_ = {};
    head_ = 0;
    count_ = 0;
    gapPending_ = false;
    const FullScales inForce = fullScales();
    scaleSets_ = {inForce};
    currentScales_ = 0;
}

void GraphBuffer::setFullScales(const FullScales &fullScales) {
    const FullScales wanted = ChannelScale::guarded(fullScales);
    // Changing back to a set used before reuses it, so flipping a setting back and forth does
    // not pile up sets.
    const auto found = std::find(scaleSets_.begin(), scaleSets_.end(), wanted);
    currentScales_ = quint32(found - scaleSets_.begin());
    if (found == scaleSets_.end())
        scaleSets_.push_back(wanted);
}

void GraphBuffer::append(const ReadingSample &reading, qint32 msecsOfDay) {
    appendSlot(reading, ChannelScale::recorded(reading, fullScales()), msecsOfDay);
}

void GraphBuffer::loadRecorded(std::span<const TimedReading> samples) {
    clear();
    const std::size_t n = std::min<std::size_t>(samples.size(), std::size_t(INT_MAX));
    std::vector<Slot> ring;
    // Reserved rather than sized: the slots are written once, not cleared first.
    ring.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        const TimedReading &s = samples[i];
        ring.push_back({s.reading, s.reading, withinDay(s.msecsOfDay), currentScales_, false});
    }
    slots_ = std::move(ring);
    count_ = int(n);
}

qint32 GraphBuffer::withinDay(qint32 msecsOfDay) {
    return msecsOfDay >= 0 && msecsOfDay < kMsecsPerDay ? msecsOfDay : 0;
}

void GraphBuffer::appendSlot(const ReadingSample &reading, const ReadingSample &recorded,
                             qint32 msecsOfDay) {
    if (std::size_t(count_) == slots_.size())
        resizeRing(std::max(kFirstRingSize, slots_.size() * 2));
    slots_[ringIndex(count_)] = {reading, recorded, withinDay(msecsOfDay), currentScales_,
                                 gapPending_};
    gapPending_ = false;
    ++count_;
}

void GraphBuffer::dropOldest(int n) {
    if (n <= 0)
        return;
    if (n >= count_) {
        head_ = 0;
        count_ = 0;
        gapPending_ = false;
        return;
    }
    head_ = int(ringIndex(n));
    count_ -= n;
}

const FullScales &GraphBuffer::recordedScales(int position) const {
    return scaleSets_[slot(position).scales];
}

qint32 GraphBuffer::chartValue(int position, int channel) const {
    return ChannelScale::perMille(channel, ChannelScale::reading(reading(position), channel),
                                  fullScales()[channel]);
}

qint32 GraphBuffer::recordedPerMille(int position, int channel) const {
    const Slot &s = slot(position);
    return ChannelScale::perMille(channel, ChannelScale::reading(s.reading, channel),
                                  scaleSets_[s.scales][channel]);
}

ChannelValues GraphBuffer::values(int position) const {
    const ReadingSample &r = recorded(position);
    ChannelValues values;
    for (Channel channel : kAllChannels)
        values[index(channel)] = r.value(channel);
    return values;
}

QString GraphBuffer::timeLabel(int position) const {
    return timeLabelText(msecsOfDay(position));
}

QString GraphBuffer::timeLabelText(qint32 msecsOfDay) {
    return QTime::fromMSecsSinceStartOfDay(msecsOfDay).toString(QStringLiteral("HH:mm:ss")) + u' ';
}

void GraphBuffer::reserve(int n) {
    if (n > 0 && std::size_t(n) > slots_.size())
        resizeRing(std::size_t(n));
}

// Moves the record into a ring of the given size, position 0 first.
void GraphBuffer::resizeRing(std::size_t ringSize) {
    std::vector<Slot> resized(ringSize);
    const std::size_t head = std::size_t(head_);
    const std::size_t count = std::size_t(count_);
    const std::size_t firstPart = std::min(count, slots_.size() - head);
    std::copy_n(slots_.begin() + std::ptrdiff_t(head), firstPart, resized.begin());
    std::copy_n(slots_.begin(), count - firstPart, resized.begin() + std::ptrdiff_t(firstPart));
    slots_ = std::move(resized);
    head_ = 0;
}
