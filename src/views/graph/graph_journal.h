#pragma once

#include "channel_scale.h"
#include "graph_buffer.h"
#include "vehicle_data.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QString>

#include <vector>

// The graph journal: while recording, every sample also goes to a file in the folder Graph,
// so that a crash or a power cut loses no more than the last few seconds of a test. The
// layout is described in docs/JOURNAL.md: eight bytes "VLTJRNL" and the version 1, then
// records of three kinds, each a tag byte, a fixed payload and a CRC-16 of both:
//
//   'C' context (61 bytes): GraphDate, the six full scales the following samples were taken
//       with, the vehicle number and the detail text (15 Windows-1251 bytes each);
//   'S' sample (19 bytes): the six readings in their own units and the time of day in ms;
//   'D' drop (7 bytes): the full record let go of its n oldest samples.
//
// The first record is always a context record. Everything is little-endian.
namespace GraphJournal {

inline constexpr char kMagic[] = "VLTJRNL\x01"; // without its terminating zero
inline constexpr int kMagicBytes = 8;
inline constexpr int kContextRecordBytes = 61;
inline constexpr int kSampleRecordBytes = 19;
inline constexpr int kDropRecordBytes = 7;
inline constexpr int kHeaderBytes = kMagicBytes + kContextRecordBytes;
// A reader takes no more records than this, and no more distinct sets of full scales than
// kMaxScaleSets. The writer keeps a journal of the largest record (100 001 samples) below
// 160 000 records.
inline constexpr int kMaxRecords = 200000;
inline constexpr int kMaxScaleSets = 256;
inline constexpr qsizetype kMaxBytes = kMagicBytes + qsizetype(kMaxRecords) * kContextRecordBytes;

// What the record is about, besides its samples.
struct RecordInfo {
    QDate date;         // GraphDate
    QString numberText; // NumberText
    QString detailText; // DetailText
};

QByteArray contextRecord(const RecordInfo &info, const FullScales &fullScales);
QByteArray sampleRecord(const ReadingSample &reading, qint32 msecsOfDay);
QByteArray dropRecord(int count);

// The whole record as a fresh journal: the magic, a context record, then every sample, with a
// further context record wherever the full scales of the samples change.
struct Snapshot {
    QByteArray bytes;
    QByteArray lastContext; // the context record in force at the end
    int records = 0;        // records after the magic
};
Snapshot snapshot(const GraphBuffer &buffer, const RecordInfo &info);

enum class ReadStatus {
    Ok,         // every record whole
    Cut,        // ends in a cut-off or damaged record (or passes the limits above); every
                // whole record before it was read
    BadHeader,  // not a journal, or its first record is damaged: nothing in it is trusted
    Empty,      // a file without a byte
    Unreadable, // could not be opened or read
};

struct Sample {
    ReadingSample reading;
    qint32 msecsOfDay = 0;
    int scaleSet = 0; // index into Contents::scaleSets
};

struct Contents {
    ReadStatus status = ReadStatus::Unreadable;
    QString error;                     // the system's reason for an unreadable file
    RecordInfo info;                   // from the last context record (texts trimmed)
    std::vector<FullScales> scaleSets; // distinct, in the order first met
    std::vector<Sample> samples;       // the record as it stood, oldest first
};

// Reads the records in order, checking each one's tag, length, checksum and values; reading
// ends at the first one that fails. Linear in the bytes, never past kMaxRecords.
Contents decode(QByteArrayView bytes);
// Reads at most kMaxBytes of the file.
Contents read(const QString &path);

// Appends the journal's samples to the buffer, each recorded with the full scales it was
// taken with; the buffer's full scales in force stay as they were.
void appendTo(GraphBuffer &buffer, const Contents &contents);

} // namespace GraphJournal
