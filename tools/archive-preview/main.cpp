// velantar-archive-preview: the archive dialog over an archive in memory of a dozen sample
// tests with real vehicle reports, for the README's picture (scripts/screenshots). The
// dialog is the program's own; only the store is a stand-in, so the picture needs no
// database. Closes on SIGTERM like the program.
#include "archive_dialog.h"
#include "fake_test_archive.h"
#include "file_dialogs.h"
#include "fixed_clock.h"
#include "message_box_prompts.h"
#include "print_service.h"
#include "report_text.h"
#include "services.h"
#include "working_folder.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QSocketNotifier>

#include <csignal>
#include <unistd.h>

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
    const bool fail = sample.idle.co > 50 || sample.raised.co > 30;
    ArchiveRecord record = FakeTestArchive::sample(
        QStringLiteral("preview-%1").arg(ordinal), savedAt, vehicle.NumberText, vehicle.DetailText,
        fail ? ArchiveVerdict::Fail : ArchiveVerdict::Pass);
    const ReportDateTime when = ReportDateTimeTexts(savedAt);
    record.documentText =
        BuildReportText(0, report, vehicle, AnalyserKind::FourComponent, when.date, when.time)
            .join(QStringLiteral("\r\n"));
    return record;
}

int termPipe[2];

void onTerm(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(termPipe[1], &byte, 1);
}

} // namespace

int main(int argc, char **argv) {
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    QApplication application(argc, argv);
    const QDateTime now(QDate(2026, 12, 9), QTime(18, 0));
    FakeTestArchive archive;
    int ordinal = 0;
    for (const Sample &sample : Samples)
        archive.add(recordOf(
            sample,
            QDateTime(now.date().addDays(-sample.daysAgo), QTime(0, 0).addSecs(sample.minute * 60)),
            ++ordinal));

    MessageBoxPrompts prompts;
    FixedClock clock(now);
    SystemFileDialogs fileDialogs;
    SystemPrintService printer;
    const WorkingFolder folder(QDir::currentPath());
    const Services services{&prompts, &clock, &fileDialogs, &printer, &folder};
    ArchiveDialog dialog(archive, services, QStringLiteral("ПТО N 1"));
    prompts.setParent(&dialog);

    if (::pipe(termPipe) == 0) {
        std::signal(SIGTERM, onTerm);
        auto *notifier = new QSocketNotifier(termPipe[0], QSocketNotifier::Read, &dialog);
        QObject::connect(notifier, &QSocketNotifier::activated, &application, &QApplication::quit);
    }
    dialog.show();
    return application.exec();
}
