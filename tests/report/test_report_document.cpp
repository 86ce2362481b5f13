#include "report_file.h"
#include "report_print_layout.h"
#include "report_text.h"
#include "test_files.h"
#include "test_report.h"
#include "text_file_1251.h"

#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(TestReport)
Q_DECLARE_METATYPE(VehicleData)
Q_DECLARE_METATYPE(AnalyserKind)
Q_DECLARE_METATYPE(ReadingSample)
Q_DECLARE_METATYPE(CalibrationGasKit)

namespace {

QString sp(int n) {
    return QString(n, u' ');
}

const QString Date = QStringLiteral("03.03.2026");
const QString Time = QStringLiteral("10:15:30");
const QString Station = QStringLiteral("ООО Станция");
const QString Signature = sp(39) + QStringLiteral("Подпись:");

TestReport withReferences() {
    TestReport report;
    report.FillReferences(CalibrationGasKit::defaults());
    return report;
}

TestReport recorded(std::initializer_list<std::pair<int, ReadingSample>> records) {
    TestReport report = withReferences();
    for (const auto &[slot, sample] : records)
        report.RecordMeasurement(slot, sample);
    return report;
}

VehicleData vehicle(const QString &number, const QString &label, const QString &detail) {
    return {Station, number, detail, label};
}

// clang-format off
QStringList reportHead(const QString &numberLine, const QString &detailLine) {
    return {"", "", Station, "", "", numberLine, "", detailLine, "", "",
            "     Дата:   " + Date, "     Время:  " + Time, "", "",
            "                Результаты анализа выхлопных газов.",
            "                ___________________________________", "",
            "           Параметр" + sp(8) + " Nмин." + sp(8) + " Nпов.", ""};
}

QStringList protocolHead(const QString &typeLine) {
    return {"", "", Station, "", "", typeLine, "", "     Зав.№ прибора:    12345", "", "",
            "     Дата:   " + Date, "     Время:  " + Time, "", "",
            "                           Результаты анализа.",
            "             _______________________________________________", "",
            "        Параметр" + sp(8) + " ПГС 1" + sp(8) + " ПГС 2" + sp(8) + " ПГС 3", ""};
}

QStringList extendedHead(const QString &typeLine) {
    return {"", "", Station, "", typeLine, "     Зав.№ прибора:    12345",
            "     Дата: " + Date + "     Время: " + Time, "",
            "                           Результаты анализа.",
            "         ____________________________________________________",
            "         Параметр       Показания        ПГС        Отклон.%", ""};
}
// clang-format on

// Four empty lines and the signature end the vehicle report and the protocol.
const QStringList Tail = {"", "", "", "", Signature};

} // namespace

class TestReportDocument : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void documents_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<AnalyserKind>("analyser");
        QTest::addColumn<VehicleData>("vehicle");
        QTest::addColumn<TestReport>("report");
        QTest::addColumn<QStringList>("lines");
        const auto four = AnalyserKind::FourComponent;

        // clang-format off
        QTest::newRow("report, four-component, nothing recorded")
            << 0 << four << vehicle("A123BC", "Владелец:", "Петров") << withReferences()
            << reportHead("     № автомобиля:  A123BC", "     Владелец:      Петров") + QStringList{
                   "           CO,   %  " + sp(28), "           CH, ppm  " + sp(28),
                   "           CO2,  %  " + sp(28), "           O2,   %  " + sp(28),
                   "           Lambda   " + sp(28), "           N,об/мин " + sp(28)}
                   + Tail;

        QTest::newRow("report, two-component, long number cut")
            << 0 << AnalyserKind::TwoComponent << vehicle("A123BC777RUS12345XYZ", "VIN:", "XTA210990")
            << recorded({{0, {123, 456, 1400, 50, 1000, 800}}, {1, {45, 120, 0, 0, 0, 2500}}})
            << reportHead("     № автомобиля:  A123BC777RUS123", "     VIN:      XTA210990") + QStringList{
                   "           CO,   %  " + sp(8) + "1,23  " + sp(8) + "0,45  ",
                   "           CH, ppm  " + sp(8) + "456   " + sp(8) + "120   ",
                   "           N,об/мин " + sp(8) + "800   " + sp(8) + "2500  "}
                   + Tail;

        QTest::newRow("protocol, four-component, three gases")
            << 1 << four << vehicle("КТС7", "", "12345")
            << recorded({{0, {90, 300, 500, 1, 2500, 0}}, {1, {398, 1800, 1000, 20, 999, 750}},
                         {2, {700, 2999, 1510, 2095, 1000, 0}}})
            << protocolHead("     Тип прибора:      ВЕЛАНТАР КТС7") + QStringList{
                   "        CO,   %  " + sp(8) + "0,90  " + sp(8) + "3,98  " + sp(8) + "7,00  ",
                   "        CH, ppm  " + sp(8) + "300   " + sp(8) + "1800  " + sp(8) + "2999  ",
                   "        CO2,  %  " + sp(8) + "5,00  " + sp(8) + "10,00 " + sp(8) + "15,10 ",
                   "        O2,   %  " + sp(8) + "0,01  " + sp(8) + "0,20  " + sp(8) + "20,95 ",
                   "        Lambda   " + sp(8) + "----  " + sp(8) + "0,999 " + sp(8) + "1,000 ",
                   "        N,об/мин " + sp(8) + "0     " + sp(8) + "750   " + sp(8) + "0     "}
                   + Tail;

        QTest::newRow("extended, two-component, КТС7 under its own name")
            << 2 << AnalyserKind::TwoComponent << vehicle("КТС7", "", "12345")
            << recorded({{0, {123, 299, 499, 0, 0, 0}}})
            << extendedHead("     Тип прибора:      КТС7") + QStringList{
                   "   П     CO,   %  " + sp(8) + "1,23  " + sp(8) + "0,89  " + sp(8) + "38,20 ",
                   "   Г     CH, ppm  " + sp(8) + "299   " + sp(8) + "299   " + sp(8) + "0,00  ",
                   "   С", "   1", "",
                   "   П     CO,   %  " + sp(22) + "3,98  " + sp(14),
                   "   Г     CH, ppm  " + sp(22) + "1802  " + sp(14),
                   "   С", "   2", "",
                   "   П     CO,   %  " + sp(22) + "6,95  " + sp(14),
                   "   Г     CH, ppm  " + sp(22) + "3000  " + sp(14),
                   "   С", "   3", Signature};

        QTest::newRow("extended, four-component")
            << 2 << four << vehicle("К-100", "", "12345") << recorded({{2, {0, 3000, 1507, 10, 0, 900}}})
            << extendedHead("     Тип прибора:      ВЕЛАНТАР К-100") + QStringList{
                   "   П     CO,   %  " + sp(22) + "0,89  " + sp(14),
                   "   Г     CH, ppm  " + sp(22) + "299   " + sp(14),
                   "   С     CO2,  %  " + sp(22) + "4,99  " + sp(14),
                   "   1     O2,   %  " + sp(14),
                   "         Lambda   " + sp(14), "",
                   "   П     CO,   %  " + sp(22) + "3,98  " + sp(14),
                   "   Г     CH, ppm  " + sp(22) + "1802  " + sp(14),
                   "   С     CO2,  %  " + sp(22) + "10,01 " + sp(14),
                   "   2     O2,   %  " + sp(14),
                   "         Lambda   " + sp(14), "",
                   "   П     CO,   %  " + sp(8) + "0,00  " + sp(8) + "6,95  " + sp(8) + "-100,0",
                   "   Г     CH, ppm  " + sp(8) + "3000  " + sp(8) + "3000  " + sp(8) + "0,00  ",
                   "   С     CO2,  %  " + sp(8) + "15,07 " + sp(8) + "15,07 " + sp(8) + "0,00  ",
                   "   3     O2,   %  " + sp(8) + "0,10  ",
                   "         Lambda   " + sp(8) + "----  ", Signature};

        QTest::newRow("unknown kind") << 3 << four << vehicle("A", "B", "C") << withReferences() << QStringList{"", ""};
        // clang-format on
    }
    void documents() {
        QFETCH(int, kind);
        QFETCH(AnalyserKind, analyser);
        QFETCH(VehicleData, vehicle);
        QFETCH(TestReport, report);
        QFETCH(QStringList, lines);
        const QStringList built = BuildReportText(kind, report, vehicle, analyser, Date, Time);
        for (int i = 0; i < qMin(built.size(), lines.size()); ++i)
            QCOMPARE(built[i], lines[i]);
        QCOMPARE(built.size(), lines.size());
    }

    void lineBounds() {
        const QString long20 = QStringLiteral("ABCDEFGHIJKLMNOPQRST");
        const VehicleData v{Station, long20, long20, long20};
        const TestReport r;
        const auto line = [&](int kind, int index) {
            return BuildReportText(kind, r, v, AnalyserKind::FourComponent, Date, Time)[index];
        };
        QCOMPARE(line(0, 5).size(), 35);
        QCOMPARE(line(0, 7), QStringLiteral("     ABCDEFGHIJKLMNO      ABCDEFGHIJKLMNO"));
        QCOMPARE(line(1, 5).size(), 47);
        QCOMPARE(line(1, 7).size(), 38);
        QCOMPARE(line(2, 4).size(), 47);
        QCOMPARE(line(2, 5).size(), 38);
        QCOMPARE(ReportDateTimeTexts(QDateTime(QDate(2026, 3, 3), QTime(9, 5, 7))).time,
                 QStringLiteral("09:05:07"));
        QCOMPARE(ReportDateTimeTexts(QDateTime(QDate(2026, 3, 3), QTime(9, 5, 7))).date, Date);
    }

    // Deviation of a recorded CO against the reference of gas 1.
    void deviations_data() {
        QTest::addColumn<int>("measured");
        QTest::addColumn<int>("reference");
        QTest::addColumn<QString>("cell");
        QTest::newRow("38,20") << 123 << 89 << "38,20 ";
        QTest::newRow("-100 cut to six") << 0 << 89 << "-100,0";
        QTest::newRow("no reference") << 123 << 0 << "ERROR ";
        QTest::newRow("whole part of six fits") << 2000 << 1 << "199900";
        QTest::newRow("whole part cut after the point") << 1000 << 1 << "99900,";
        QTest::newRow("10080,95 rounds to six digits before the cut") << 2138 << 21 << "10081,";
        QTest::newRow("3 276 600 % overflows") << 32767 << 1 << "ERROR ";
        QTest::newRow("negative overflow") << -32768 << 32767 << "-200,0";
        QTest::newRow("negative seven digits") << -20000 << 1 << "ERROR ";
    }
    void deviations() {
        QFETCH(int, measured);
        QFETCH(int, reference);
        CalibrationGasKit kit = CalibrationGasKit::defaults();
        kit.cylinders[0].gas[0] = qint16(reference);
        TestReport report;
        report.FillReferences(kit);
        report.RecordMeasurement(0, {qint16(measured), 0, 0, 0, 0, 0});
        QTEST(report.CellText(0, 0, DeviationColumn), "cell");
    }

    void recordingAndClearing() {
        TestReport report = withReferences();
        QVERIFY(!report.RecordMeasurement(3, {1, 1, 1, 1, 1, 1}));
        QVERIFY(report.RecordMeasurement(0, {123, 0, 0, 0, 2000, 0}));
        QCOMPARE(report.RecordedReadings(), (ReadingSample{123, 0, 0, 0, 0, 0}));
        QCOMPARE(report.CellText(4, 0, ReadingColumn), QStringLiteral("----  "));
        QVERIFY(report.RecordMeasurement(1, {500, 1802, 1001, 0, 1, 0}));
        QCOMPARE(report.Cells()[4][1][ReadingColumn], QStringLiteral("0,001"));

        // New references: each slot's deviations come from its own recording.
        CalibrationGasKit kit = CalibrationGasKit::defaults();
        kit.cylinders[0].gas[0] = 100;
        report.FillReferences(kit);
        for (int slot = 0; slot < 3; ++slot)
            report.ComputeDeviations(slot);
        QCOMPARE(report.CellText(0, 0, DeviationColumn), QStringLiteral("23,00 "));
        QCOMPARE(report.CellText(0, 1, DeviationColumn), QStringLiteral("25,63 "));
        QCOMPARE(report.CellText(0, 2, DeviationColumn), sp(6));

        report.ClearReport();
        report.ComputeDeviations(0);
        for (int p = 0; p < 6; ++p)
            for (int s = 0; s < 3; ++s) {
                QCOMPARE(report.CellText(p, s, ReadingColumn), sp(6));
                QCOMPARE(report.CellText(p, s, DeviationColumn), sp(6));
            }
        QCOMPARE(report.CellText(0, 0, ReferenceColumn), QStringLiteral("1,00  "));
        QCOMPARE(report.CellText(1, 2, ReferenceColumn), QStringLiteral("3000  "));
        QCOMPARE(report.CellText(3, 0, ReferenceColumn), sp(6));
        QCOMPARE(report.RecordedReadings(), (ReadingSample{500, 1802, 1001, 0, 1, 0}));
        QCOMPARE(report.CellText(9, 0, ReadingColumn), sp(6));
    }

    void suggestedNames_data() {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("name");
        QTest::newRow("number only") << "A123BC"
                                     << "" << QDate(2026, 3, 3) << "A123BC_03-03.txt";
        QTest::newRow("both empty") << ""
                                    << "" << QDate(2026, 5, 14) << "05-14.txt";
        QTest::newRow("fifteen blanks")
            << sp(15) << "Иванов" << QDate(2026, 12, 1) << "Иванов_12-01.txt";
        QTest::newRow("unsafe characters")
            << "A/1:2\\3"
            << "x*y?\"<>|\t\x7f" << QDate(2026, 5, 14) << "A_1_2_3_x_y________05-14.txt";
    }
    void suggestedNames() {
        QFETCH(QString, number);
        QFETCH(QString, detail);
        QFETCH(QDate, today);
        QTEST(ReportFile::SuggestedReportFileName({Station, number, detail, ""}, today), "name");
    }

    void files() {
        QTemporaryDir folder;
        const QString path = folder.filePath("A123BC_03-03.txt");
        const QStringList lines = {"", "     Дата:   03.03.2026", "Подпись:"};
        QVERIFY(ReportFile::saveReport(path, lines).ok);
        QCOMPARE(TestFiles::fileBytes(path),
                 TextFile1251::encode(u"\r\n     Дата:   03.03.2026\r\nПодпись:\r\n"));
        const ReportFile::ReportOpenResult opened = ReportFile::openReport(path);
        QVERIFY(opened.ok);
        QCOMPARE(opened.lines, lines);

        const ReportFile::ReportSaveResult failed =
            ReportFile::saveReport(folder.filePath("missing/x.txt"), lines);
        QVERIFY(!failed.ok);
        QVERIFY(!failed.reason.isEmpty());
        QVERIFY(!ReportFile::openReport(folder.filePath("missing.txt")).ok);
        const QString huge = folder.filePath("huge.txt");
        QVERIFY(TestFiles::putBytes(huge, QByteArray(ReportFile::kMaxFileBytes + 1, 'a')));
        QVERIFY(!ReportFile::openReport(huge).ok);
    }

    void printLayout_data() {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("pageHeight");
        QTest::addColumn<int>("fontHeight");
        QTest::addColumn<QList<int>>("pages");
        QTest::addColumn<QList<int>>("tops");
        QTest::newRow("fits one page")
            << 3 << 1000 << -20 << QList<int>{0, 0, 0} << QList<int>{20, 50, 80};
        QTest::newRow("continues on the next page")
            << 5 << 100 << 20 << QList<int>{0, 0, 1, 1, 2} << QList<int>{20, 50, 20, 50, 20};
        QTest::newRow("odd height rounds")
            << 2 << 1000 << 15 << QList<int>{0, 0} << QList<int>{20, 43};
        QTest::newRow("page smaller than a line")
            << 2 << 10 << 20 << QList<int>{0, 1} << QList<int>{20, 20};
    }
    void printLayout() {
        QFETCH(int, lines);
        QFETCH(int, pageHeight);
        QFETCH(int, fontHeight);
        QList<int> pages, tops;
        const int h = ReportPrintLayout::lineHeight(fontHeight);
        for (const ReportPrintLayout::PlacedLine &placed :
             ReportPrintLayout::place(lines, pageHeight, h)) {
            pages << placed.page;
            tops << placed.y;
        }
        QTEST(pages, "pages");
        QTEST(tops, "tops");
    }
};

QTEST_GUILESS_MAIN(TestReportDocument)
#include "test_report_document.moc"
