#include "graph_journal.h"

#include "regular_file.h"
#include "text_file_1251.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <map>

namespace GraphJournal {

namespace {

constexpr char kContextTag = 'C';
constexpr char kSampleTag = 'S';
constexpr char kDropTag = 'D';
constexpr qint32 kMsecsPerDay = 24 * 60 * 60 * 1000;

// Context payload offsets (after the tag byte).
constexpr int kYearAt = 1;
constexpr int kMonthAt = 3;
constexpr int kDayAt = 4;
constexpr int kScalesAt = 5;
constexpr int kNumberAt = kScalesAt + 4 * kChannelCount;
constexpr int kDetailAt = kNumberAt + kVehicleTextMaxLength;
static_assert(kDetailAt + kVehicleTextMaxLength + 2 == kContextRecordBytes);
// Sample payload offsets.
constexpr int kReadingsAt = 1;
constexpr int kTimeAt = kReadingsAt + 2 * kChannelCount;
static_assert(kTimeAt + 4 + 2 == kSampleRecordBytes);

int recordBytes(char tag) {
    switch (tag) {
    case kContextTag:
        return kContextRecordBytes;
    case kSampleTag:
        return kSampleRecordBytes;
    case kDropTag:
        return kDropRecordBytes;
    default:
        return 0;
    }
}

quint16 checksum(const char *record, int bytesBeforeChecksum) {
    return qChecksum(QByteArrayView(record, bytesBeforeChecksum), Qt::ChecksumIso3309);
}

// A record of the tag's length with the tag in place; the checksum is put by sealed().
QByteArray blankRecord(char tag) {
    QByteArray record(recordBytes(tag), '\0');
    record[0] = tag;
    return record;
}

QByteArray sealed(QByteArray record) {
    const int body = int(record.size()) - 2;
    qToLittleEndian<quint16>(checksum(record.constData(), body), record.data() + body);
    return record;
}

void putText(char *at, const QString &text) {
    const QByteArray encoded = TextFile1251::encode(text.trimmed()).left(kVehicleTextMaxLength);
    std::fill(at, at + kVehicleTextMaxLength, ' ');
    std::copy(encoded.begin(), encoded.end(), at);
}

QString textAt(const char *at) {
    QByteArrayView bytes(at, kVehicleTextMaxLength);
    const qsizetype end = bytes.indexOf('\0');
    if (end >= 0)
        bytes = bytes.first(end);
    return TextFile1251::decode(bytes).trimmed();
}

template <typename T> T valueAt(const char *at) {
    return qFromLittleEndian<T>(at);
}

// What decode() keeps while it reads.
class Reader {
public:
    explicit Reader(Contents &out) : out_(out) {}

    // False when the record's values cannot be taken: reading ends there.
    bool take(const char *record) {
        switch (record[0]) {
        case kContextTag:
            return takeContext(record);
        case kSampleTag:
            return takeSample(record);
        default:
            return takeDrop(record);
        }
    }

    // The samples the drops have let go of leave the list.
    void finish() {
        out_.samples.erase(out_.samples.begin(), out_.samples.begin() + std::ptrdiff_t(firstKept_));
    }

private:
    bool takeContext(const char *record) {
        RecordInfo info;
        const int year = valueAt<qint16>(record + kYearAt);
        if (year > 0)
            info.date = QDate(year, quint8(record[kMonthAt]), quint8(record[kDayAt]));
        FullScales scales{};
        for (int c = 0; c < kChannelCount; ++c)
            scales[c] = ChannelScale::guarded(c, valueAt<qint32>(record + kScalesAt + 4 * c));
        info.numberText = textAt(record + kNumberAt);
        info.detailText = textAt(record + kDetailAt);
        // Each distinct set once, found in logarithmic time however many contexts there are.
        const auto [found, added] = setIndex_.try_emplace(scales, int(out_.scaleSets.size()));
        if (added) {
            if (out_.scaleSets.size() >= std::size_t(kMaxScaleSets))
                return false;
            out_.scaleSets.push_back(scales);
        }
        currentSet_ = found->second;
        out_.info = info;
        return true;
    }

    bool takeSample(const char *record) {
        Sample sample;
        const char *at = record + kReadingsAt;
        for (Channel channel : kAllChannels)
            sample.reading.setValue(channel, valueAt<qint16>(at + 2 * index(channel)));
        sample.msecsOfDay = valueAt<qint32>(record + kTimeAt);
        if (sample.msecsOfDay < 0 || sample.msecsOfDay >= kMsecsPerDay)
            return false;
        sample.scaleSet = currentSet_;
        out_.samples.push_back(sample);
        return true;
    }

    bool takeDrop(const char *record) {
        const qint32 count = valueAt<qint32>(record + 1);
        if (count < 1)
            return false;
        const std::size_t held = out_.samples.size() - firstKept_;
        firstKept_ += std::min(std::size_t(count), held);
        return true;
    }

    Contents &out_;
    std::map<FullScales, int> setIndex_;
    int currentSet_ = 0;
    std::size_t firstKept_ = 0;
};

} // namespace

QByteArray contextRecord(const RecordInfo &info, const FullScales &fullScales) {
    QByteArray record = blankRecord(kContextTag);
    char *at = record.data();
    if (info.date.isValid() && info.date.year() > 0 && info.date.year() <= 32767) {
        qToLittleEndian<qint16>(qint16(info.date.year()), at + kYearAt);
        at[kMonthAt] = char(info.date.month());
        at[kDayAt] = char(info.date.day());
    }
    for (int c = 0; c < kChannelCount; ++c)
        qToLittleEndian<qint32>(fullScales[c], at + kScalesAt + 4 * c);
    putText(at + kNumberAt, info.numberText);
    putText(at + kDetailAt, info.detailText);
    return sealed(std::move(record));
}

QByteArray sampleRecord(const ReadingSample &reading, qint32 msecsOfDay) {
    QByteArray record = blankRecord(kSampleTag);
    char *at = record.data() + kReadingsAt;
    for (Channel channel : kAllChannels)
        qToLittleEndian<qint16>(reading.value(channel), at + 2 * index(channel));
    qToLittleEndian<qint32>(msecsOfDay, record.data() + kTimeAt);
    return sealed(std::move(record));
}

QByteArray dropRecord(int count) {
    QByteArray record = blankRecord(kDropTag);
    qToLittleEndian<qint32>(count, record.data() + 1);
    return sealed(std::move(record));
}

Snapshot snapshot(const GraphBuffer &buffer, const RecordInfo &info) {
    Snapshot out;
    const int n = buffer.count();
    out.bytes.reserve(kHeaderBytes + qsizetype(n) * kSampleRecordBytes);
    out.bytes.append(kMagic, kMagicBytes);
    const FullScales *scales = nullptr;
    for (int i = 0; i < n; ++i) {
        if (!scales || buffer.recordedScales(i) != *scales) {
            scales = &buffer.recordedScales(i);
            out.lastContext = contextRecord(info, *scales);
            out.bytes += out.lastContext;
            ++out.records;
        }
        out.bytes += sampleRecord(buffer.reading(i), buffer.msecsOfDay(i));
        ++out.records;
    }
    // An empty record still names its context; a record whose newest samples were taken with
    // other scales than those in force now ends with the scales of the samples to come.
    const QByteArray inForce = contextRecord(info, buffer.fullScales());
    if (inForce != out.lastContext) {
        out.lastContext = inForce;
        out.bytes += inForce;
        ++out.records;
    }
    return out;
}

Contents decode(QByteArrayView bytes) {
    Contents out;
    if (bytes.isEmpty()) {
        out.status = ReadStatus::Empty;
        return out;
    }
    out.status = ReadStatus::BadHeader;
    if (bytes.size() < kHeaderBytes || bytes.first(kMagicBytes) != QByteArrayView(kMagic) ||
        bytes[kMagicBytes] != kContextTag)
        return out;

    Reader reader(out);
    const char *const data = bytes.data();
    qsizetype at = kMagicBytes;
    int records = 0;
    out.status = ReadStatus::Ok;
    while (at < bytes.size()) {
        const int length = recordBytes(data[at]);
        const bool whole =
            length > 0 && length <= bytes.size() - at &&
            checksum(data + at, length - 2) == valueAt<quint16>(data + at + length - 2);
        if (records >= kMaxRecords || !whole || !reader.take(data + at)) {
            out.status = ReadStatus::Cut;
            break;
        }
        at += length;
        ++records;
    }
    if (records == 0)
        out.status = ReadStatus::BadHeader;
    reader.finish();
    return out;
}

Contents read(const QString &path) {
    QFile file(path);
    Contents failed;
    if (!RegularFile::openForReading(file, &failed.error))
        return failed;
    const QByteArray bytes = file.read(kMaxBytes);
    if (file.error() != QFileDevice::NoError) {
        failed.error = file.errorString();
        return failed;
    }
    return decode(bytes);
}

void appendTo(GraphBuffer &buffer, const Contents &contents) {
    const FullScales inForce = buffer.fullScales();
    buffer.reserve(buffer.count() + int(contents.samples.size()));
    int current = -1;
    for (const Sample &sample : contents.samples) {
        if (sample.scaleSet != current) {
            if (sample.scaleSet < 0 || std::size_t(sample.scaleSet) >= contents.scaleSets.size())
                continue;
            current = sample.scaleSet;
            buffer.setFullScales(contents.scaleSets[std::size_t(current)]);
        }
        buffer.append(sample.reading, sample.msecsOfDay);
    }
    buffer.setFullScales(inForce);
}

} // namespace GraphJournal
