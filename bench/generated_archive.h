#pragma once

#include "test_archive.h"

#include <QHash>
#include <QList>
#include <QStringList>

// An archive of `count` generated tests held in memory, newest first, one every ten minutes
// back from 9 December 2026: vehicle numbers of the usual pattern, one test in three failed,
// a document of 40 lines each. It answers a search by walking the tests from the newest and
// stops at the filter's limit, as a store with an index on the moment of the save does, so
// what is measured over it is the dialog's own cost.
class GeneratedArchive : public TestArchive {
public:
    explicit GeneratedArchive(int count) {
        static const QString letters = QStringLiteral("АВЕКМНОРСТУХ");
        const QDateTime newest(QDate(2026, 12, 9), QTime(18, 0));
        tests_.reserve(count);
        for (int i = 0; i < count; ++i) {
            ArchiveSummary summary;
            summary.id = QStringLiteral("test-%1").arg(i);
            summary.savedAt = newest.addSecs(-600LL * i);
            summary.vehicleNumber = QStringLiteral("%1%2%3%4%5")
                                        .arg(letters[i % 12])
                                        .arg(i % 1000, 3, 10, QChar(u'0'))
                                        .arg(letters[(i / 12) % 12])
                                        .arg(letters[(i / 144) % 12])
                                        .arg(77 + i % 120);
            summary.detailText = QStringLiteral("Владелец %1").arg(i % 5000);
            summary.category = QStringLiteral("M1,N1");
            summary.overall = i % 3 == 0 ? ArchiveVerdict::Fail : ArchiveVerdict::Pass;
            summary.fileName = QStringLiteral("Text/%1.txt").arg(summary.vehicleNumber);
            index_.insert(summary.id, i);
            tests_ << summary;
        }
    }

    AddResult add(const ArchiveRecord &) override { return {false, false, {}}; }

    QList<ArchiveSummary> find(const ArchiveFilter &filter) override {
        QList<ArchiveSummary> found;
        for (const ArchiveSummary &summary : tests_) {
            if (filter.limit > 0 && found.size() >= filter.limit)
                break;
            const QDate date = summary.savedAt.date();
            if (summary.vehicleNumber.contains(filter.vehicleNumber, Qt::CaseInsensitive) &&
                summary.detailText.contains(filter.detailText, Qt::CaseInsensitive) &&
                (!filter.from || date >= *filter.from) && (!filter.to || date <= *filter.to) &&
                (!filter.verdict || summary.overall == *filter.verdict))
                found << summary;
        }
        return found;
    }

    std::optional<ArchiveRecord> record(const QString &id) override {
        const auto at = index_.constFind(id);
        if (at == index_.constEnd())
            return std::nullopt;
        const ArchiveSummary &summary = tests_[*at];
        ArchiveRecord record;
        record.id = summary.id;
        record.savedAt = summary.savedAt;
        record.vehicleNumber = summary.vehicleNumber;
        record.detailLabel = QStringLiteral("Владелец:");
        record.detailText = summary.detailText;
        record.category = summary.category;
        record.overall = summary.overall;
        record.fileName = summary.fileName;
        QStringList lines;
        for (int line = 0; line < 40; ++line)
            lines << QStringLiteral("  строка %1 документа %2: CO 0.25 %, CH 120 ppm")
                         .arg(line)
                         .arg(summary.vehicleNumber);
        record.documentText = lines.join(QStringLiteral("\r\n"));
        return record;
    }

    QString statusText() const override { return {}; }

private:
    QList<ArchiveSummary> tests_;
    QHash<QString, int> index_;
};
