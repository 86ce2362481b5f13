#pragma once

#include "graph_buffer.h"
#include "vehicle_data.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QIODevice>
#include <QString>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

// The graph file (*.dan): 16-byte little-endian records. Record 0 is the header (number of
// samples minus one at offset 0, year at 10, month at 12, day at 13), then one record per
// sample, oldest first (CO, CH, CO2, O2, lambda, engine speed as int16 in their units at 0..11,
// hour, minute, second at 12..14), then the vehicle number and the detail text, 15
// Windows-1251 bytes each padded with spaces. Unused bytes are written as zeros.
namespace GraphFile {

inline constexpr int kRecordBytes = 16;
inline constexpr int kMaxSamples = 32768; // the header's 16-bit count field
inline constexpr qsizetype kMaxFileBytes = qsizetype(kRecordBytes) * (kMaxSamples + 3);

// What a file carries besides the samples.
struct Header {
    QDate date;         // GraphDate
    QString numberText; // NumberText, kept as it is: the padding lives only in the file
    QString detailText; // DetailText
};

struct WriteResult {
    bool ok = false;
    QString error;          // the system's reason when ok is false
    int samplesWritten = 0; // at most kMaxSamples: the newest ones
    bool cut = false;       // the record held more than kMaxSamples; the oldest were left out
};

enum class ReadStatus {
    Ok,
    Damaged,    // short or invalid; what was read before the damage is kept
    Unreadable, // could not be opened or read at all
};

// Read straight over by the reader (see FilledByReaderAllocator).
using Samples = TimedReadings;

struct ReadResult {
    ReadStatus status = ReadStatus::Unreadable;
    QString error; // the system's reason for an unreadable file
    QDate date;    // invalid when the header holds no valid date
    // Trimmed; none when the load ended before the record (a short file, a header without
    // a valid date, a sample whose time is no time of day): the texts in force stay then.
    std::optional<QString> numberText;
    std::optional<QString> detailText;
    Samples samples; // in the units of the file
};

// The file's bytes for the record: its newest kMaxSamples samples at most, with the values as
// recorded (GraphBuffer::values) and the time without milliseconds.
QByteArray encode(const GraphBuffer &buffer, const Header &header, bool *cut = nullptr);

// Reads the records from the bytes, never past the count the header gives and never past
// the bytes there are; extra bytes after the last record are ignored.
ReadResult decode(QByteArrayView bytes);

WriteResult write(QIODevice &device, const GraphBuffer &buffer, const Header &header);
ReadResult read(QIODevice &device); // reads at most kMaxFileBytes

// Replaces the file through SafeFile, so a failed write leaves the old file whole.
WriteResult save(const QString &path, const GraphBuffer &buffer, const Header &header);
ReadResult open(const QString &path);

} // namespace GraphFile
