// velantar-archive-seed FOLDER: writes a dozen sample tests with real vehicle reports into
// the archive of the working folder FOLDER (archive.sqlite, made when missing), saved over the
// last days before today, for the README's picture of the archive dialog (scripts/screenshots).
// Seeding the same folder again adds nothing.
#include "archive_sql.h"
#include "report_text.h"
#include "sqlite_archive_file.h"
#include "test_report.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QSqlDatabase>
#include <QUuid>

#include <cstdio>

namespace {

struct Sample {
    const char *number;
    const char *owner;
    int daysAgo;
    int minute; // of the day
    ReadingSample idle;
    ReadingSample raised;
};

// Passenger cars at idle and raised speed; CO over 0,50 % at idle fails.
const Sample Samples[] = {
    {"А123ВС77",
     "Петров И. И.",
     0,
     17 * 60 + 40,
     {31, 120, 1450, 40, 1002, 790},
     {18, 80, 1470, 30, 1001, 2600}},
    {"В456ОР99",
     "Иванова А. С.",
     0,
     16 * 60 + 5,
     {95, 410, 1310, 120, 1040, 820},
     {60, 260, 1350, 90, 1030, 2550}},
    {"Е001КХ50",
     "ООО Вектор",
     0,
     11 * 60 + 20,
     {12, 60, 1480, 20, 999, 760},
     {8, 40, 1490, 20, 998, 2700}},
    {"К321МН77",
     "Сидоров П. А.",
     1,
     15 * 60 + 45,
     {44, 150, 1440, 50, 1004, 800},
     {25, 90, 1460, 40, 1002, 2580}},
    {"М777ММ177",
     "Кузнецов Д. В.",
     1,
     10 * 60 + 10,
     {70, 300, 1380, 80, 1020, 780},
     {40, 180, 1400, 60, 1015, 2620}},
    {"Т909ТТ750",
     "Смирнова Е. Н.",
     2,
     14 * 60 + 30,
     {20, 90, 1470, 30, 1000, 770},
     {10, 50, 1480, 20, 999, 2650}},
    {"О555ОО77",
     "ИП Орлов",
     3,
     12 * 60 + 0,
     {130, 520, 1250, 150, 1060, 850},
     {90, 330, 1300, 110, 1045, 2500}},
    {"Н246УХ197",
     "Морозов С. К.",
     4,
     9 * 60 + 50,
     {26, 110, 1455, 35, 1001, 790},
     {15, 70, 1475, 25, 1000, 2610}},
    {"Р100РА77",
     "Волкова Т. И.",
     6,
     13 * 60 + 15,
     {38, 140, 1445, 45, 1003, 805},
     {22, 85, 1465, 35, 1001, 2590}},
    {"С808СС99",
     "Лебедев А. А.",
     8,
     16 * 60 + 40,
     {52, 200, 1420, 60, 1008, 795},
     {30, 120, 1440, 45, 1005, 2570}},
};

ArchiveRecord recordOf(const Sample &sample, const QDateTime &savedAt, int ordinal) {
    const VehicleData vehicle{QStringLiteral("ПТО N 1, г. Москва, ул. Моторная, 5"),
                              QString::fromUtf8(sample.number), QString::fromUtf8(sample.owner),
                              QStringLiteral("Владелец:")};
    TestReport report;
    report.RecordMeasurement(0, sample.idle);
    report.RecordMeasurement(1, sample.raised);
    ArchiveRecord record;
    // A fixed id per sample: seeding a folder again adds nothing.
    record.id = QUuid::createUuidV5(QUuid(), QStringLiteral("archive-seed/%1").arg(ordinal))
                    .toString(QUuid::WithoutBraces);
    record.savedAt = savedAt;
    record.stationLine = vehicle.StationName;
    record.vehicleNumber = vehicle.NumberText;
    record.detailLabel = vehicle.DetailLabel;
    record.detailText = vehicle.DetailText;
    record.category = QStringLiteral("M1,N1");
    const bool fail = sample.idle.co > 50 || sample.raised.co > 30;
    record.overall = fail ? ArchiveVerdict::Fail : ArchiveVerdict::Pass;
    const ReportDateTime when = ReportDateTimeTexts(savedAt);
    record.documentText =
        BuildReportText(0, report, vehicle, AnalyserKind::FourComponent, when.date, when.time)
            .join(QStringLiteral("\r\n"));
    record.fileName = QStringLiteral("Text/%1.txt").arg(vehicle.NumberText);
    return record;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication application(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    if (argc != 2) {
        std::fprintf(stderr, "usage: velantar-archive-seed FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QDateTime now = QDateTime::currentDateTime();
    SqliteArchiveFile file(QDir(folder).filePath(QString::fromUtf16(SqliteArchiveFile::FileName)));
    const SqliteArchiveFile::Opened opened = file.open(now);
    if (!opened.ok) {
        std::fprintf(stderr, "velantar-archive-seed: %s\n", qPrintable(opened.error));
        return 1;
    }
    QSqlDatabase db = file.database();
    int ordinal = 0;
    for (const Sample &sample : Samples) {
        const QDateTime savedAt(now.date().addDays(-sample.daysAgo),
                                QTime(0, 0).addSecs(sample.minute * 60));
        const ArchiveSql::Inserted inserted =
            ArchiveSql::insert(db, recordOf(sample, savedAt, ++ordinal));
        if (inserted.outcome == ArchiveSql::InsertOutcome::Failed) {
            std::fprintf(stderr, "velantar-archive-seed: %s\n", qPrintable(inserted.error));
            return 1;
        }
    }
    return 0;
}
