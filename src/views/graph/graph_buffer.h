#pragma once

#include "channel_scale.h"
#include "current_readings.h"

#include <QString>
#include <QTime>

#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

// A reading with the time of day it was taken, as a graph file carries it.
struct TimedReading {
    ReadingSample reading;
    qint32 msecsOfDay = 0; // milliseconds since midnight
};

// An allocator that leaves new samples as they are: a reader sizes the samples and reads a
// file's records straight over them, so clearing them first would only be a second pass over
// the memory. (A TimedReading is an aggregate with a trivial destructor: its storage holds one
// as soon as it is allocated.)
template <typename T> struct FilledByReaderAllocator : std::allocator<T> {
    template <typename U> struct rebind { using other = FilledByReaderAllocator<U>; };
    FilledByReaderAllocator() = default;
    template <typename U> FilledByReaderAllocator(const FilledByReaderAllocator<U> &) {}
    template <typename U, typename... Args> void construct(U *at, Args &&...args) {
        if constexpr (sizeof...(Args) > 0)
            ::new (static_cast<void *>(at)) U(std::forward<Args>(args)...);
    }
};
using TimedReadings = std::vector<TimedReading, FilledByReaderAllocator<TimedReading>>;

// The recorded graph: samples at positions 0..count-1, oldest first.
//
// Each sample keeps its readings in their own units, its time of day, and which full scales
// were in force when it was taken. So the chart can draw every sample against the full scales
// in force now, while the read-out, the graph file and the text export give the values the
// sample was recorded with (per mille of its own full scale, converted back), which a later
// change of the full scales leaves alone.
//
// The samples sit in a ring with an offset: dropping the oldest samples and appending a new
// one take constant time however long the record is. One sample takes 32 bytes: the recorded
// values are worked out once, when it is taken, so saving and exporting only copy them.
//
// A record loaded from a graph file keeps the file's samples as they were read (16 bytes a
// sample, the reading being the recorded value): opening a file does not copy the record
// once more. Samples appended afterwards go into the ring after them, and dropping the oldest
// takes the loaded ones first.
class GraphBuffer {
public:
    explicit GraphBuffer(const FullScales &fullScales = ChannelScale::defaultFullScales());

    int count() const { return loadedCount() + ringCount_; }
    bool isEmpty() const { return count() == 0; }

    // Empties the record; the full scales in force stay.
    void clear();

    // The full scales for samples appended from now on and for drawing (guarded: a full scale
    // of 0 or below becomes the channel's default).
    void setFullScales(const FullScales &fullScales);
    const FullScales &fullScales() const { return scaleSets_[currentScales_]; }

    // Makes room for n samples in all, so appending up to n does not move the record.
    void reserve(int n);
    // Appends a sample at position count(). A time outside one day is taken as midnight.
    void append(const ReadingSample &reading, qint32 msecsOfDay);
    // Empties the record and fills it with samples whose values were recorded before (a
    // graph file's), against the full scales in force: the values are kept as they are, so
    // saving the record again gives the values it was loaded with. The samples are taken
    // over as they are; their times lie within one day (the graph file's reader gives no
    // other).
    void loadRecorded(TimedReadings samples);
    // The samples stopped coming for a while (the readings were not current): the next one
    // appended follows a gap, and the lines break between it and the one before.
    void markGap() { gapPending_ = !isEmpty(); }
    // Whether a gap lies between the sample at `position` and the one before it. The loaded
    // samples have none among them.
    bool followsGap(int position) const {
        return position >= loadedCount() && position > 0 && slot(position).followsGap;
    }
    // Removes the n oldest samples (all of them when n >= count); later samples move n down.
    void dropOldest(int n);

    // Positions run from 0 to count() - 1.
    const ReadingSample &reading(int position) const {
        return position < loadedCount() ? loadedAt(position).reading : slot(position).reading;
    }
    const FullScales &recordedScales(int position) const;
    // Per mille of the full scale in force now: what the chart draws.
    qint32 chartValue(int position, int channel) const;
    ChannelValues chartValues(int position) const;
    // Per mille of the full scale in force when the sample was taken.
    qint32 recordedPerMille(int position, int channel) const;
    // The recorded values back in the readings' units: read-out, graph file and export.
    const ReadingSample &recorded(int position) const {
        return position < loadedCount() ? loadedAt(position).reading : slot(position).recorded;
    }
    ChannelValues values(int position) const;
    qint32 msecsOfDay(int position) const {
        return position < loadedCount() ? loadedAt(position).msecsOfDay : slot(position).msecsOfDay;
    }
    QTime time(int position) const { return QTime::fromMSecsSinceStartOfDay(msecsOfDay(position)); }
    // "HH:mm:ss" and one space, e.g. "14:05:09 ".
    QString timeLabel(int position) const;

    // Bytes held for the samples (the ring grows by doubling).
    std::size_t storageBytes() const {
        return slots_.capacity() * sizeof(Slot) + loaded_.capacity() * sizeof(TimedReading);
    }

    static QString timeLabelText(qint32 msecsOfDay);

private:
    struct Slot {
        ReadingSample reading;
        ReadingSample recorded; // never further from zero than reading, so it fits
        qint32 msecsOfDay;
        quint32 scales : 31; // index into scaleSets_
        quint32 followsGap : 1;
    };
    static_assert(sizeof(Slot) <= 32);

    int loadedCount() const { return int(loaded_.size()) - loadedHead_; }
    // Inline: the chart, the file writer and the export call them for every sample they take.
    const TimedReading &loadedAt(int position) const {
        Q_ASSERT(position >= 0 && position < loadedCount());
        return loaded_[std::size_t(loadedHead_ + position)];
    }
    // The ring's slot of a position at or after the loaded samples.
    const Slot &slot(int position) const {
        const int inRing = position - loadedCount();
        Q_ASSERT(inRing >= 0 && inRing < ringCount_);
        return slots_[ringIndex(inRing)];
    }
    // The slot of a place in the ring: head_ and inRing are both below the ring's size, so one
    // subtraction replaces a division.
    std::size_t ringIndex(int inRing) const {
        const std::size_t index = std::size_t(head_) + std::size_t(inRing);
        return index < slots_.size() ? index : index - slots_.size();
    }
    void resizeRing(std::size_t ringSize);
    void appendSlot(const ReadingSample &reading, const ReadingSample &recorded, qint32 msecsOfDay);

    // The samples loaded from a file, from loaded_[loadedHead_] on: positions 0 to
    // loadedCount() - 1, recorded against scaleSets_[loadedScales_].
    TimedReadings loaded_;
    int loadedHead_ = 0;
    quint32 loadedScales_ = 0;
    // The samples taken since: the ring, from its slot head_ on.
    std::vector<Slot> slots_;
    int head_ = 0;
    int ringCount_ = 0;
    // Every set of full scales in force since the record was last cleared.
    std::vector<FullScales> scaleSets_;
    quint32 currentScales_ = 0;
    bool gapPending_ = false; // the next sample appended follows a gap
};
