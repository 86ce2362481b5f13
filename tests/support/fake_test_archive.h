#pragma once

#include "test_archive.h"

#include <QList>
#include <QStringList>

#include <algorithm>

// An archive in memory for the tests of what reads it: keeps every record added and finds
// them by simple rules of its own (any part of the number or the detail text, ignoring case;
// the date range; the verdict), newest first. Counts the searches, so a test can tell when
// the dialog asked.
class FakeTestArchive : public TestArchive {
public:
    QList<ArchiveRecord> records;
    int searches = 0;

    AddResult add(const ArchiveRecord &record) override {
        records << record;
        return {true, false, {}};
    }

    QList<ArchiveSummary> find(const ArchiveFilter &filter) override {
        ++searches;
        QList<ArchiveRecord> found;
        for (const ArchiveRecord &record : records)
            if (matches(record, filter))
                found << record;
        std::stable_sort(
            found.begin(), found.end(),
            [](const ArchiveRecord &a, const ArchiveRecord &b) { return a.savedAt > b.savedAt; });
        if (filter.limit > 0 && found.size() > filter.limit)
            found.resize(filter.limit);
        QList<ArchiveSummary> summaries;
        for (const ArchiveRecord &record : found)
            summaries << ArchiveSummary{
                record.id,         record.revisionOf, record.savedAt, record.vehicleNumber,
                record.detailText, record.category,   record.kind,    record.overall,
                record.fileName};
        return summaries;
    }

    std::optional<ArchiveRecord> record(const QString &id) override {
        for (const ArchiveRecord &record : records)
            if (record.id == id)
                return record;
        return std::nullopt;
    }

    QString statusText() const override { return {}; }

    // A record of the vehicle report with the given texts; `readings` go into slot 0 when
    // given.
    static ArchiveRecord sample(const QString &id, const QDateTime &savedAt, const QString &number,
                                const QString &detail, ArchiveVerdict overall,
                                const QStringList &readings = {}) {
        ArchiveRecord record;
        record.id = id;
        record.savedAt = savedAt;
        record.stationLine = QStringLiteral("ПТО N 1");
        record.vehicleNumber = number;
        record.detailLabel = QStringLiteral("Владелец:");
        record.detailText = detail;
        record.category = QStringLiteral("M1,N1");
        record.overall = overall;
        record.documentText = QStringLiteral("Протокол %1\r\nНомер: %2").arg(id, number);
        record.fileName = QStringLiteral("Text/%1.txt").arg(id);
        if (!readings.isEmpty()) {
            record.recordSlots[0].recorded = true;
            for (int i = 0; i < readings.size() && i < kChannelCount; ++i)
                record.recordSlots[0].readings[i] = readings[i];
        }
        return record;
    }

private:
    static bool matches(const ArchiveRecord &record, const ArchiveFilter &filter) {
        const QDate date = record.savedAt.date();
        return record.vehicleNumber.contains(filter.vehicleNumber, Qt::CaseInsensitive) &&
               record.detailText.contains(filter.detailText, Qt::CaseInsensitive) &&
               (!filter.from || date >= *filter.from) && (!filter.to || date <= *filter.to) &&
               (!filter.verdict || record.overall == *filter.verdict);
    }
};
