#include "graph_file.h"

#include "log_categories.h"
#include "regular_file.h"
#include "safe_file.h"
#include "text_file_1251.h"

#include <QBuffer>
#include <QFile>
#include <QSysInfo>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <type_traits>

namespace GraphFile {

namespace {

// Header fields.
constexpr int kCountOffset = 0;
constexpr int kYearOffset = 10;
constexpr int kMonthOffset = 12;
constexpr int kDayOffset = 13;
// Sample fields: six int16 channel values, then hour, minute, second.
constexpr int kHourOffset = 12;
constexpr int kMinuteOffset = 13;
constexpr int kSecondOffset = 14;

char *record(QByteArray &bytes, qsizetype index) {
    return bytes.data() + index * kRecordBytes;
}

void putInt16(char *at, qint32 value) {
    qToLittleEndian<qint16>(qint16(std::clamp<qint32>(value, -32768, 32767)), at);
}

qint16 int16At(const char *at) {
    return qFromLittleEndian<qint16>(at);
}

quint8 byteAt(const char *at) {
    return quint8(*at);
}

void putVehicleText(char *at, const QString &text) {
    const QByteArray encoded = TextFile1251::encode(text).left(kVehicleTextMaxLength);
    std::fill(at, at + kVehicleTextMaxLength, ' ');
    std::copy(encoded.begin(), encoded.end(), at);
}

QString vehicleText(const char *at) {
    QByteArrayView bytes(at, kVehicleTextMaxLength);
    // A text ends at its first zero byte: a file of another writer may fill with zeros.
    const qsizetype end = bytes.indexOf('\0');
    if (end >= 0)
        bytes = bytes.first(end);
    return TextFile1251::decode(bytes).trimmed();
}

// The record of a sample, all 16 bytes of it. The time of day is below 24 hours (the record
// keeps it so), so it is divided as an unsigned number, which is cheaper.
void putSample(char *at, const ReadingSample &values, qint32 msecsOfDay) {
    if constexpr (QSysInfo::ByteOrder == QSysInfo::LittleEndian) {
        std::memcpy(at, &values, sizeof values);
    } else {
        for (Channel channel : kAllChannels)
            qToLittleEndian<qint16>(values.value(channel), at + 2 * index(channel));
    }
    const quint32 seconds = quint32(msecsOfDay) / 1000;
    at[kHourOffset] = char(seconds / 3600);
    at[kMinuteOffset] = char(seconds / 60 % 60);
    at[kSecondOffset] = char(seconds % 60);
    at[kRecordBytes - 1] = 0;
}

// A sample record has the size of a TimedReading and its fields at the same places: the six
// values at 0..11, and where msecsOfDay lies, the hour, minute and second. So the records are
// read straight into the samples' storage and put right there.
static_assert(std::is_trivially_copyable_v<TimedReading> &&
              std::is_standard_layout_v<TimedReading>);
static_assert(sizeof(TimedReading) == kRecordBytes && sizeof(ReadingSample) == 2 * kChannelCount);
static_assert(offsetof(TimedReading, reading) == 0 &&
              offsetof(TimedReading, msecsOfDay) == kHourOffset);

// Milliseconds of an hour, minute or second byte of a sample's time; a byte over its limit gives
// kOverLimit, which leaves any sum of three entries at kOverLimit or more. A time of day is
// always below it.
constexpr quint32 kOverLimit = 0x40000000;
using TimeByteTable = std::array<quint32, 256>;
constexpr TimeByteTable timeByteTable(quint32 limit, quint32 msecsPerUnit) {
    TimeByteTable table{};
    for (quint32 value = 0; value < 256; ++value)
        table[value] = value <= limit ? value * msecsPerUnit : kOverLimit;
    return table;
}
constexpr TimeByteTable kHourMsecs = timeByteTable(23, 3600000);
constexpr TimeByteTable kMinuteMsecs = timeByteTable(59, 60000);
constexpr TimeByteTable kSecondMsecs = timeByteTable(59, 1000);

// Turns `count` records read into `samples` into readings and times of day, and gives how many
// of them come before the first record whose time is not a time of day. The records are taken
// a block at a time with no branch between them; only a block that holds a bad time is looked
// at again to find it.
int putRecordsInPlace(TimedReading *samples, int count) {
    constexpr int kBlock = 256;
    for (int start = 0; start < count; start += kBlock) {
        const int end = std::min(count, start + kBlock);
        quint32 anyOver = 0;
        for (int i = start; i < end; ++i) {
            const uchar *raw = reinterpret_cast<const uchar *>(samples + i);
            if constexpr (QSysInfo::ByteOrder != QSysInfo::LittleEndian) {
                const char *at = reinterpret_cast<const char *>(raw);
                for (Channel channel : kAllChannels)
                    samples[i].reading.setValue(channel, int16At(at + 2 * index(channel)));
            }
            // Hour, minute and second in the low three bytes, read as one word.
            const quint32 time = qFromLittleEndian<quint32>(raw + kHourOffset);
            const quint32 msecs = kHourMsecs[time & 0xff] + kMinuteMsecs[(time >> 8) & 0xff] +
                                  kSecondMsecs[(time >> 16) & 0xff];
            anyOver |= msecs;
            samples[i].msecsOfDay = qint32(msecs);
        }
        if (anyOver >= kOverLimit)
            for (int i = start; i < end; ++i)
                if (quint32(samples[i].msecsOfDay) >= kOverLimit)
                    return i;
    }
    return count;
}

// Reads up to `size` bytes; fewer only at the end of the device. -1 on a read error.
qint64 readFully(QIODevice &device, char *to, qint64 size) {
    qint64 got = 0;
    while (got < size) {
        const qint64 n = device.read(to + got, size - got);
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        got += n;
    }
    return got;
}

QDate headerDate(const char *at) {
    const int year = int16At(at + kYearOffset);
    if (year < 1)
        return {};
    return QDate(year, byteAt(at + kMonthOffset), byteAt(at + kDayOffset));
}

} // namespace

QByteArray encode(const GraphBuffer &buffer, const Header &header, bool *cut) {
    const int n = std::min(buffer.count(), kMaxSamples);
    const int first = buffer.count() - n;
    if (cut)
        *cut = first > 0;
    // Every byte is written below: the samples whole, the header and the texts after zeros.
    QByteArray bytes(qsizetype(kRecordBytes) * (n + 3), Qt::Uninitialized);
    char *head = record(bytes, 0);
    std::fill_n(head, kRecordBytes, '\0');
    std::fill_n(record(bytes, n + 1), 2 * kRecordBytes, '\0');
    putInt16(head + kCountOffset, n - 1);
    if (header.date.isValid() && header.date.year() > 0) {
        putInt16(head + kYearOffset, header.date.year());
        head[kMonthOffset] = char(header.date.month());
        head[kDayOffset] = char(header.date.day());
    }
    for (int i = 0; i < n; ++i)
        putSample(record(bytes, 1 + i), buffer.recorded(first + i), buffer.msecsOfDay(first + i));
    putVehicleText(record(bytes, n + 1), header.numberText);
    putVehicleText(record(bytes, n + 2), header.detailText);
    return bytes;
}

ReadResult decode(QByteArrayView bytes) {
    QByteArray data = QByteArray::fromRawData(bytes.data(), bytes.size());
    QBuffer device(&data);
    device.open(QIODevice::ReadOnly);
    return read(device);
}

WriteResult write(QIODevice &device, const GraphBuffer &buffer, const Header &header) {
    WriteResult result;
    const QByteArray bytes = encode(buffer, header, &result.cut);
    result.samplesWritten = int(bytes.size() / kRecordBytes) - 3;
    result.ok = device.write(bytes) == bytes.size();
    if (!result.ok)
        result.error = device.errorString();
    return result;
}

ReadResult read(QIODevice &device) {
    ReadResult result;
    const auto failed = [&device] {
        ReadResult unreadable;
        unreadable.error = device.errorString();
        return unreadable;
    };
    if (!device.isReadable())
        return failed();

    char head[kRecordBytes];
    const qint64 headBytes = readFully(device, head, kRecordBytes);
    if (headBytes < 0)
        return failed();
    result.status = ReadStatus::Damaged;
    if (headBytes < kRecordBytes)
        return result;
    const int countField = int16At(head + kCountOffset);
    result.date = headerDate(head);
    if (countField < -1)
        return result;

    // At most 32 768 samples (a 16-bit count), and never more than the device still holds.
    const int n = countField + 1;
    qint64 room = qint64(n) * kRecordBytes;
    if (!device.isSequential())
        room = std::clamp<qint64>(device.size() - device.pos(), 0, room);
    result.samples.resize(std::size_t(room / kRecordBytes));
    const qint64 sampleBytes = readFully(device, reinterpret_cast<char *>(result.samples.data()),
                                         qint64(result.samples.size()) * kRecordBytes);
    if (sampleBytes < 0)
        return failed();
    const int present = int(sampleBytes / kRecordBytes);

    char texts[2 * kRecordBytes];
    const qint64 textBytes = present == n ? readFully(device, texts, sizeof texts) : 0;
    if (textBytes < 0)
        return failed();

    // A header without a valid date ends the load before the samples, a sample whose time is
    // no time of day before itself: the records after the error are not taken, texts neither.
    const int available = result.date.isValid() ? present : 0;
    const int loaded = putRecordsInPlace(result.samples.data(), available);
    result.samples.resize(std::size_t(loaded));
    const bool samplesWhole = result.date.isValid() && loaded == n;
    if (samplesWhole && textBytes >= kRecordBytes)
        result.numberText = vehicleText(texts);
    if (samplesWhole && textBytes == 2 * kRecordBytes)
        result.detailText = vehicleText(texts + kRecordBytes);
    const bool whole = samplesWhole && textBytes == 2 * kRecordBytes;
    result.status = whole ? ReadStatus::Ok : ReadStatus::Damaged;
    return result;
}

WriteResult save(const QString &path, const GraphBuffer &buffer, const Header &header) {
    WriteResult result;
    const QByteArray bytes = encode(buffer, header, &result.cut);
    result.samplesWritten = int(bytes.size() / kRecordBytes) - 3;
    const SafeFile::WriteResult written = SafeFile::write(path, bytes);
    result.ok = written.ok;
    result.error = written.error;
    return result;
}

ReadResult open(const QString &path) {
    QFile file(path);
    // Unbuffered: the samples go from the file straight into their storage.
    ReadResult failed;
    if (!RegularFile::openForReading(file, &failed.error, QIODevice::Unbuffered)) {
        qCWarning(lcGraph).noquote() << "cannot open" << path << ":" << failed.error;
        return failed;
    }
    return read(file);
}

} // namespace GraphFile
