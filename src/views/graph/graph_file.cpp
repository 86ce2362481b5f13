#include "graph_file.h"

#include "safe_file.h"
#include "text_file_1251.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <array>

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
    const QByteArray encoded = TextFile1251::encode(text).left(kVehicleTextLength);
    std::fill(at, at + kVehicleTextLength, ' ');
    std::copy(encoded.begin(), encoded.end(), at);
}

QString vehicleText(const char *at) {
    QByteArrayView bytes(at, kVehicleTextLength);
    // A text ends at its first zero byte: a file of another writer may fill with zeros.
    const qsizetype end = bytes.indexOf('\0');
    if (end >= 0)
        bytes = bytes.first(end);
    return TextFile1251::decode(bytes).trimmed();
}

void putSample(char *at, const ReadingSample &values, qint32 msecsOfDay) {
    const std::array<qint16, kGraphChannels> fields = {values.co, values.ch,     values.co2,
                                                       values.o2, values.lambda, values.rpm};
    for (int c = 0; c < kGraphChannels; ++c)
        qToLittleEndian<qint16>(fields[c], at + 2 * c);
    const qint32 seconds = msecsOfDay / 1000;
    at[kHourOffset] = char(seconds / 3600);
    at[kMinuteOffset] = char(seconds / 60 % 60);
    at[kSecondOffset] = char(seconds % 60);
}

// Reads the sample of a record into `out`; false when its time is not a time of day. The
// fields go straight into their place: a record built aside and then copied stalls each copy
// on the stores just before it.
bool readSample(const char *at, TimedReading &out) {
    const quint32 time = qFromLittleEndian<quint32>(at + kHourOffset); // hour, minute, second
    const quint32 hour = time & 0xff;
    const quint32 minute = (time >> 8) & 0xff;
    const quint32 second = (time >> 16) & 0xff;
    if ((hour > 23) | (minute > 59) | (second > 59))
        return false;
    out.reading.co = int16At(at);
    out.reading.ch = int16At(at + 2);
    out.reading.co2 = int16At(at + 4);
    out.reading.o2 = int16At(at + 6);
    out.reading.lambda = int16At(at + 8);
    out.reading.rpm = int16At(at + 10);
    out.msecsOfDay = qint32(hour * 3600000 + minute * 60000 + second * 1000);
    return true;
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
    QByteArray bytes(qsizetype(kRecordBytes) * (n + 3), '\0');

    char *head = record(bytes, 0);
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
    ReadResult result;
    result.status = ReadStatus::Damaged;
    const qsizetype records = bytes.size() / kRecordBytes;
    if (records < 1)
        return result;
    const char *head = bytes.data();
    const int countField = int16At(head + kCountOffset);
    result.date = headerDate(head);
    if (countField < -1)
        return result;

    const int n = countField + 1;
    bool damaged = !result.date.isValid() || records < qsizetype(n) + 3;
    // A header without a valid date ends the load before the samples.
    const int available = result.date.isValid() ? int(std::min<qsizetype>(n, records - 1)) : 0;
    result.samples.resize(std::size_t(available));
    TimedReading *const out = result.samples.data();
    const char *const first = head + kRecordBytes;
    int loaded = 0;
    while (loaded < available && readSample(first + qsizetype(loaded) * kRecordBytes, out[loaded]))
        ++loaded;
    damaged = damaged || loaded < available;
    result.samples.resize(std::size_t(loaded));
    if (records >= qsizetype(n) + 2)
        result.numberText = vehicleText(head + qsizetype(n + 1) * kRecordBytes);
    if (records >= qsizetype(n) + 3)
        result.detailText = vehicleText(head + qsizetype(n + 2) * kRecordBytes);
    result.status = damaged ? ReadStatus::Damaged : ReadStatus::Ok;
    return result;
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
    ReadResult failed;
    if (!device.isReadable()) {
        failed.error = device.errorString();
        return failed;
    }
    qsizetype limit = kMaxFileBytes;
    if (!device.isSequential())
        limit = qsizetype(std::clamp<qint64>(device.size() - device.pos(), 0, kMaxFileBytes));
    QByteArray bytes(limit, Qt::Uninitialized);
    qsizetype got = 0;
    while (got < limit) {
        const qint64 n = device.read(bytes.data() + got, limit - got);
        if (n < 0) {
            failed.error = device.errorString();
            return failed;
        }
        if (n == 0)
            break;
        got += qsizetype(n);
    }
    bytes.truncate(got);
    return decode(bytes);
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
    if (!file.open(QIODevice::ReadOnly)) {
        ReadResult result;
        result.error = file.errorString();
        return result;
    }
    return read(file);
}

} // namespace GraphFile
