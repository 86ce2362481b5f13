#include "graph_buffer.h"

#include <QtGlobal>

#include <algorithm>
#include <climits>

namespace {
constexpr qint32 kMsecsPerDay = 24 * 60 * 60 * 1000;
constexpr std::size_t kFirstRingSize = 64;

// A time outside one day is taken as midnight. Branch-free, so a whole loaded file is checked
// in one vectorised pass.
constexpr qint32 withinDay(qint32 msecsOfDay) {
    return quint32(msecsOfDay) < quint32(kMsecsPerDay) ? msecsOfDay : 0;
}
} // namespace

GraphBuffer::GraphBuffer(const FullScales &fullScales)
    : scaleSets_{ChannelScale::guarded(fullScales)} {}

void GraphBuffer::clear() {
    loaded_ = {};
    loadedHead_ = 0;
    loadedScales_ = 0;
    slots_ = {};
    head_ = 0;
    ringCount_ = 0;
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

void GraphBuffer::loadRecorded(TimedReadings samples) {
    clear();
    if (samples.size() > std::size_t(INT_MAX))
        samples.resize(std::size_t(INT_MAX));
    // The graph file's reader ends a record at the first time that is no time of day, so the
    // samples are taken over without another pass over them.
    Q_ASSERT(std::all_of(samples.begin(), samples.end(), [](const TimedReading &sample) {
        return withinDay(sample.msecsOfDay) == sample.msecsOfDay;
    }));
    loaded_ = std::move(samples);
    loadedScales_ = currentScales_;
}

void GraphBuffer::appendSlot(const ReadingSample &reading, const ReadingSample &recorded,
                             qint32 msecsOfDay) {
    if (count() == INT_MAX)
        return;
    if (std::size_t(ringCount_) == slots_.size())
        resizeRing(std::max(kFirstRingSize, slots_.size() * 2));
    slots_[ringIndex(ringCount_)] = {reading, recorded, withinDay(msecsOfDay), currentScales_,
                                     gapPending_};
    gapPending_ = false;
    ++ringCount_;
}

void GraphBuffer::dropOldest(int n) {
    if (n <= 0)
        return;
    if (n >= count()) {
        loaded_ = {};
        loadedHead_ = 0;
        head_ = 0;
        ringCount_ = 0;
        gapPending_ = false;
        return;
    }
    const int fromLoaded = std::min(n, loadedCount());
    loadedHead_ += fromLoaded;
    if (loadedCount() == 0) {
        loaded_ = {};
        loadedHead_ = 0;
    }
    const int fromRing = n - fromLoaded;
    if (fromRing > 0) {
        head_ = int(ringIndex(fromRing));
        ringCount_ -= fromRing;
    }
}

const FullScales &GraphBuffer::recordedScales(int position) const {
    return scaleSets_[position < loadedCount() ? loadedScales_ : slot(position).scales];
}

qint32 GraphBuffer::chartValue(int position, int channel) const {
    return chartValues(position)[channel];
}

ChannelValues GraphBuffer::chartValues(int position) const {
    const ReadingSample &sample = reading(position);
    const FullScales &scales = fullScales();
    ChannelValues values;
    for (int channel = 0; channel < kChannelCount; ++channel)
        values[channel] = ChannelScale::perMille(channel, ChannelScale::reading(sample, channel),
                                                 scales[channel]);
    return values;
}

qint32 GraphBuffer::recordedPerMille(int position, int channel) const {
    return ChannelScale::perMille(channel, ChannelScale::reading(reading(position), channel),
                                  recordedScales(position)[channel]);
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
    const int inRing = n - loadedCount();
    if (inRing > 0 && std::size_t(inRing) > slots_.size())
        resizeRing(std::size_t(inRing));
}

// Moves the record into a ring of the given size, position 0 first.
void GraphBuffer::resizeRing(std::size_t ringSize) {
    std::vector<Slot> resized(ringSize);
    const std::size_t head = std::size_t(head_);
    const std::size_t count = std::size_t(ringCount_);
    const std::size_t firstPart = std::min(count, slots_.size() - head);
    std::copy_n(slots_.begin() + std::ptrdiff_t(head), firstPart, resized.begin());
    std::copy_n(slots_.begin(), count - firstPart, resized.begin() + std::ptrdiff_t(firstPart));
    slots_ = std::move(resized);
    head_ = 0;
}
