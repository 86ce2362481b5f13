#pragma once

#include "channel.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

#include <array>
#include <optional>

// One test as the archive keeps it: what the saved document said, with the readings, the
// limits and the verdicts it was saved with. A record is never changed once stored; saving the
// same document again stores a new record whose revisionOf names the first one.

// How a reading or a whole vehicle report was judged against the norms in force.
enum class ArchiveVerdict : int { NotJudged = 0, Pass = 1, Fail = 2 };

// The kind of the saved document, as the ReportKind setting numbers it.
enum class ArchiveDocumentKind : int { VehicleReport = 0, Protocol = 1, ExtendedProtocol = 2 };

// The limits in force for one slot when it was recorded (0 where the norms set none).
struct ArchiveLimits {
    qint32 coLimit = 0;   // 0.01 %
    qint32 chLimit = 0;   // ppm
    qint32 lambdaMin = 0; // 0.001
    qint32 lambdaMax = 0; // 0.001
    friend bool operator==(const ArchiveLimits &, const ArchiveLimits &) = default;
};

// One record slot of the document: "Nмин"/"Nпов" in the vehicle report, the calibration gases
// 1..3 in the protocols. Cell texts exactly as the document printed them (trimmed).
struct ArchiveSlot {
    bool recorded = false;
    std::array<QString, kChannelCount> readings;
    std::array<QString, kChannelCount> references; // protocols: CO, CH, CO2 only
    std::array<QString, kChannelCount> deviations; // protocols: CO, CH, CO2 only
    std::array<ArchiveVerdict, kChannelCount> verdicts{};
    ArchiveLimits limits;
    friend bool operator==(const ArchiveSlot &, const ArchiveSlot &) = default;
};

struct ArchiveRecord {
    QString id;         // a UUID made by the post that saved the document; unique across posts
    QString revisionOf; // the id of the first record of this document; empty for a first save
    QDateTime savedAt;  // local time of the save
    QString stationLine;
    QString vehicleNumber;
    QString detailLabel; // "Владелец:", "Марка:", "VIN:" or empty
    QString detailText;
    QString category; // the vehicle category's name as the norms table shows it
    bool catalyst = false;
    ArchiveDocumentKind kind = ArchiveDocumentKind::VehicleReport;
    std::array<ArchiveSlot, 3> recordSlots;
    ArchiveVerdict overall = ArchiveVerdict::NotJudged; // the vehicle report only
    QString documentText;  // the document exactly as saved, lines joined with "\r\n"
    QString fileName;      // the saved document's path
    QString graphFileName; // the graph file saved for the same vehicle in the same test, or empty
    friend bool operator==(const ArchiveRecord &, const ArchiveRecord &) = default;
};

// One line of the archive's list.
struct ArchiveSummary {
    QString id;
    QString revisionOf;
    QDateTime savedAt;
    QString vehicleNumber;
    QString detailText;
    QString category;
    ArchiveDocumentKind kind = ArchiveDocumentKind::VehicleReport;
    ArchiveVerdict overall = ArchiveVerdict::NotJudged;
    QString fileName;
    friend bool operator==(const ArchiveSummary &, const ArchiveSummary &) = default;
};

// What the operator searches for; an empty field does not filter. Number and detail match any
// part, case-insensitively, with Cyrillic and Latin look-alike letters treated alike.
struct ArchiveFilter {
    QString vehicleNumber;
    QString detailText;
    std::optional<QDate> from; // inclusive, local date of the save
    std::optional<QDate> to;   // inclusive
    std::optional<ArchiveVerdict> verdict;
    int limit = 0; // 0: every match
};
