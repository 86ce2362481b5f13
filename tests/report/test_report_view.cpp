#include "fixed_clock.h"
#include "report_document.h"
#include "report_print_layout.h"
#include "report_printer.h"
#include "run_state.h"
#include "scripted_file_dialogs.h"
#include "scripted_print_service.h"
#include "scripted_prompts.h"
#include "services.h"
#include "test_files.h"
#include "text_file_1251.h"
#include "working_folder.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(ReadingSample)

namespace {

QString sp(int n) {
    return QString(n, u' ');
}

const ReadingSample Idle{123, 456, 1350, 120, 1005, 820};
const ReadingSample Raised{45, 80, 1420, 50, 2500, 2600};
const ReadingSample Frozen{200, 300, 1000, 400, 990, 700};

// The report view's memo with its document over scripted services, in a fresh folder, on
// 3 March 2026 at 10:15:30.
struct Rig {
    QTemporaryDir dir;
    WorkingFolder folder{dir.path()};
    ScriptedPrompts prompts;
    FixedClock clock{QDateTime(QDate(2026, 3, 3), QTime(10, 15, 30))};
    ScriptedFileDialogs dialogs;
    ScriptedPrintService printer{dir.filePath("printed.pdf")};
    Services services;
    RunState state;
    // The readings and the indication state, owned here in place of the readings source and
    // the indication switch.
    CurrentReadings readings{.ReadingsCurrent = true}; // live, as a feed delivers them
    IndicationState indication;
    QPlainTextEdit memo;
    std::unique_ptr<ReportDocument> document;

    explicit Rig(int kind = 0) {
        services = {&prompts, &clock, &dialogs, &printer, &folder};
        state.bindReadings(readings);
        state.bindIndication(indication);
        folder.createSubfolders();
        state.Store.set(&AppSettings::ReportKind, kind);
        state.Vehicle = {
            QStringLiteral("ООО Станция"), QStringLiteral("А123ВС"), QStringLiteral("Иванов"), {}};
        document = std::make_unique<ReportDocument>(state, services, &memo);
        document->startUp(CalibrationGasKit::defaults());
    }
    QStringList lines() const { return memo.toPlainText().split(u'\n'); }
    QString textPath(const QString &name) const { return dir.filePath("Text/" + name); }
};

int pdfPageCount(const QByteArray &pdf) {
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
    return int(QString::fromLatin1(pdf).count(page));
}

} // namespace

class TestReportView : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void wholeDocumentAfterRecordings() {
        Rig rig;
        QVERIFY(rig.memo.isReadOnly());
        QVERIFY(rig.memo.font().bold());
        QVERIFY(QFontInfo(rig.memo.font()).fixedPitch());
        QCOMPARE(rig.memo.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(rig.memo.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

        rig.readings.sample = Idle;
        rig.document->record(0);
        rig.readings.sample = Raised;
        rig.document->record(1);
        const auto row = [](const QString &label, const QString &idle, const QString &raised) {
            return label + sp(8) + idle + sp(8) + raised;
        };
        // clang-format off
        const QStringList expected = {
            "", "", "ООО Станция", "", "",
            "     № автомобиля:  А123ВС", "",
            "     Владелец:      Иванов", "", "",
            "     Дата:   03.03.2026", "     Время:  10:15:30", "", "",
            "                Результаты анализа выхлопных газов.",
            "                ___________________________________", "",
            "           Параметр" + sp(8) + " Nмин." + sp(8) + " Nпов.", "",
            row("           CO,   %  ", "1,23  ", "0,45  "),
            row("           CH, ppm  ", "456   ", "80    "),
            row("           CO2,  %  ", "13,50 ", "14,20 "),
            row("           O2,   %  ", "1,20  ", "0,50  "),
            row("           Lambda   ", "1,005 ", "----  "),
            row("           N,об/мин ", "820   ", "2600  "),
            "", "", "", "",
            "                                       Подпись:"};
        // clang-format on
        QCOMPARE(rig.lines(), expected);
        QVERIFY(rig.document->unsaved());
    }

    void recordingTakesTheShownReadings_data() {
        QTest::addColumn<bool>("indicationRunning");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("coCell");
        QTest::addColumn<QString>("coDeviation");
        QTest::newRow("live, gas 1") << true << 0 << "1,23  "
                                     << "38,20 ";
        QTest::newRow("stopped: frozen, gas 2") << false << 1 << "2,00  "
                                                << "-49,75";
    }
    void recordingTakesTheShownReadings() {
        QFETCH(bool, indicationRunning);
        QFETCH(int, slot);
        Rig rig(2);
        rig.readings.sample = Idle;
        rig.indication.frozen = Frozen;
        rig.indication.running = indicationRunning;
        QVERIFY(!rig.document->unsaved());
        rig.document->record(slot);
        QTEST(rig.document->report().CellText(0, slot, ReadingColumn), "coCell");
        QTEST(rig.document->report().CellText(0, slot, DeviationColumn), "coDeviation");
        QVERIFY(rig.lines().join(u'\n').contains(
            rig.document->report().CellText(0, slot, DeviationColumn)));
        QVERIFY(rig.state.Flags.ReportUnsaved);
    }

    // Readings that follow nothing are not recorded, and the user is told so; a copy frozen
    // by "Пуск/стоп" while it was current is still recorded after the link is lost.
    void recordingNeedsCurrentReadings_data() {
        QTest::addColumn<bool>("indicationRunning");
        QTest::addColumn<bool>("current");
        QTest::addColumn<bool>("frozenCurrent");
        QTest::addColumn<bool>("recorded");
        QTest::newRow("live, link lost") << true << false << true << false;
        QTest::newRow("frozen before the loss") << false << false << true << true;
        QTest::newRow("frozen after the loss") << false << true << false << false;
    }
    void recordingNeedsCurrentReadings() {
        QFETCH(bool, indicationRunning);
        QFETCH(bool, recorded);
        Rig rig(2);
        rig.readings.sample = Idle;
        rig.indication.frozen = Frozen;
        rig.indication.running = indicationRunning;
        QFETCH(bool, current);
        rig.readings.ReadingsCurrent = current;
        QFETCH(bool, frozenCurrent);
        rig.indication.frozenCurrent = frozenCurrent;
        const QStringList before = rig.lines();
        rig.document->record(0);
        QCOMPARE(rig.document->report().CellText(0, 0, ReadingColumn) != sp(6), recorded);
        QCOMPARE(rig.state.Flags.ReportUnsaved, recorded);
        QCOMPARE(rig.prompts.shown,
                 recorded ? QStringList()
                          : QStringList{QString::fromUtf16(ReportDocument::NotCurrentMessage)});
        if (!recorded)
            QCOMPARE(rig.lines(), before);
    }

    void clearingKeepsReferencesAndTheUnsavedMark() {
        Rig rig(2);
        rig.readings.sample = Idle;
        rig.document->record(0);
        const QStringList recorded = rig.lines();
        rig.document->clear();
        const TestReport &report = rig.document->report();
        QCOMPARE(report.CellText(0, 0, ReadingColumn), sp(6));
        QCOMPARE(report.CellText(0, 0, DeviationColumn), sp(6));
        QCOMPARE(report.CellText(0, 0, ReferenceColumn), QStringLiteral("0,89  "));
        QCOMPARE(report.CellText(1, 2, ReferenceColumn), QStringLiteral("3000  "));
        QCOMPARE(rig.lines().size(), recorded.size());
        QVERIFY(rig.lines() != recorded);
        QVERIFY(rig.document->unsaved());
        QVERIFY(rig.prompts.shown.isEmpty()); // no question
    }

    void saving_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("diskFull");
        QTest::addColumn<QString>("written"); // empty: the save fails
        QTest::newRow("saved") << "A123.txt" << false << "A123.txt";
        QTest::newRow("name typed without extension") << "A123" << false << "A123.txt";
        QTest::newRow("folder that does not exist") << "missing/A123.txt" << false << "";
        QTest::newRow("disk full") << "A123.txt" << true << "";
    }
    void saving() {
        QFETCH(QString, answer);
        QFETCH(bool, diskFull);
        QFETCH(QString, written);
        Rig rig;
        rig.state.Vehicle.NumberText = QStringLiteral("A12/3");
        rig.state.Vehicle.DetailText.clear();
        rig.readings.sample = Idle;
        rig.document->record(0);
        rig.dialogs.answers = {rig.textPath(answer)};
        {
            std::unique_ptr<TestFiles::FileSizeLimit> limit;
            if (diskFull)
                limit = std::make_unique<TestFiles::FileSizeLimit>(16);
            rig.document->save();
        }
        QCOMPARE(rig.dialogs.shownFolders, QStringList{rig.dir.filePath("Text")});
        QCOMPARE(rig.dialogs.proposedNames, QStringList{"A12_3_03-03.txt"});
        QCOMPARE(rig.dialogs.overwriteQuestions, 1);
        if (written.isEmpty()) {
            QVERIFY(rig.document->unsaved());
            QCOMPARE(rig.prompts.shown.size(), 1);
            QVERIFY2(rig.prompts.shown[0].contains(QDir::toNativeSeparators(rig.textPath(answer))),
                     qPrintable(rig.prompts.shown[0]));
        } else {
            QVERIFY(!rig.document->unsaved());
            QVERIFY(rig.prompts.shown.isEmpty());
            const TextFile1251::ReadResult file = TextFile1251::readLines(rig.textPath(written));
            QVERIFY(file.ok);
            QCOMPARE(file.lines, rig.lines());
        }
    }

    void openingShowsTheFileUntilTheNextRebuild() {
        Rig rig;
        const QStringList built = rig.lines();
        const QString path = rig.textPath("old.txt");
        QVERIFY(TextFile1251::writeLines(path, {"Старый отчет", "строка 2"}));
        rig.dialogs.answers = {path, rig.textPath("absent.txt")};
        rig.document->open();
        QCOMPARE(rig.dialogs.shownFolders.value(0), rig.dir.filePath("Text"));
        QCOMPARE(rig.lines(), (QStringList{"Старый отчет", "строка 2"}));
        QVERIFY(!rig.document->unsaved());

        rig.document->open(); // an unreadable file: a message naming it, the memo kept
        QCOMPARE(rig.prompts.shown.size(), 1);
        QVERIFY(
            rig.prompts.shown[0].contains(QDir::toNativeSeparators(rig.textPath("absent.txt"))));
        QCOMPARE(rig.lines().first(), QStringLiteral("Старый отчет"));

        // Esc released in the memo rebuilds; its press alone does not.
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(&rig.memo, &press);
        QCOMPARE(rig.lines().first(), QStringLiteral("Старый отчет"));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(&rig.memo, &release);
        QCOMPARE(rig.lines(), built);
    }

    void longDocumentPrintsOnTwoPages() {
        Rig rig;
        QStringList document;
        for (int i = 1; i <= 60; ++i)
            document << QStringLiteral("Строка %1").arg(i, 2, 10, QChar(u'0'));
        const QString path = rig.textPath("long.txt");
        QVERIFY(TextFile1251::writeLines(path, document));
        rig.dialogs.answers = {path};
        rig.document->open();

        rig.printer.confirm = false; // a cancelled print dialog prints nothing
        rig.document->print();
        QVERIFY(!QFile::exists(rig.dir.filePath("printed.pdf")));
        rig.printer.confirm = true;
        rig.document->print();
        QCOMPARE(rig.printer.shown, 2);
        QVERIFY(rig.prompts.shown.isEmpty());

        const QString pdf = rig.dir.filePath("printed.pdf");
        QCOMPARE(pdfPageCount(TestFiles::fileBytes(pdf)), 2);
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QVERIFY2(pdftotext.waitForFinished(30000), "pdftotext (poppler-utils) is needed");
        const QStringList pages =
            QString::fromUtf8(pdftotext.readAllStandardOutput()).split(u'\f', Qt::SkipEmptyParts);
        QCOMPARE(pages.size(), 2);
        QStringList printed;
        for (const QString &page : pages) {
            const QStringList pageLines = page.split(u'\n', Qt::SkipEmptyParts);
            QVERIFY(!pageLines.isEmpty());
            printed << pageLines;
        }
        QCOMPARE(printed, document);
    }

    // The printed lines stand 1.5 x the font's own height apart: 18 points for the 12-point
    // printer font, at any printer resolution.
    void printedLinesStandEighteenPointsApart_data() {
        QTest::addColumn<int>("dotsPerInch");
        for (int dpi : {72, 300, 600, 1200})
            QTest::newRow(qPrintable(QStringLiteral("%1 dpi").arg(dpi))) << dpi;
    }
    void printedLinesStandEighteenPointsApart() {
        QFETCH(int, dotsPerInch);
        const int h = ReportPrintLayout::lineHeight(
            ReportPrinter::fontHeightPixels(ReportPrinter::printerFont(), dotsPerInch));
        QCOMPARE(h * 72.0 / dotsPerInch, 18.0);
    }

    void configureOpensTheEditorOfTheKind_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("gasEditors");
        QTest::addColumn<int>("graphOptions");
        QTest::newRow("report") << 0 << 0 << 1;
        QTest::newRow("protocol") << 1 << 0 << 1;
        QTest::newRow("extended protocol") << 2 << 1 << 0;
    }
    void configureOpensTheEditorOfTheKind() {
        QFETCH(int, kind);
        Rig rig(kind);
        int gasEditors = 0, graphOptions = 0;
        rig.document->editCalibrationGas = [&] { ++gasEditors; };
        rig.document->openGraphOptions = [&] { ++graphOptions; };
        rig.document->configure();
        QTEST(gasEditors, "gasEditors");
        QTEST(graphOptions, "graphOptions");
    }

    void newWorkingKitRecomputesTheDeviations() {
        Rig rig(2);
        rig.readings.sample = Idle;
        rig.document->record(0);
        CalibrationGasKit kit = CalibrationGasKit::defaults();
        kit.cylinders[0].gas = {100, 400, 1000};
        rig.document->applyWorkingKit(kit);
        const TestReport &report = rig.document->report();
        QCOMPARE(report.CellText(0, 0, ReferenceColumn), QStringLiteral("1,00  "));
        QCOMPARE(report.CellText(0, 0, DeviationColumn), QStringLiteral("23,00 "));
        QCOMPARE(report.CellText(1, 0, DeviationColumn), QStringLiteral("14,00 "));
    }

    void arrangeTrimsRunsTheDialogAndRebuilds() {
        Rig rig;
        rig.state.Vehicle.NumberText = QStringLiteral("  А1 ");
        QString seenByDialog;
        rig.document->editVehicleData = [&] {
            seenByDialog = rig.state.Vehicle.NumberText;
            rig.state.Vehicle.NumberText = QStringLiteral("В777");
        };
        rig.document->arrange();
        QCOMPARE(seenByDialog, QStringLiteral("А1"));
        QVERIFY(rig.lines().contains(QStringLiteral("     № автомобиля:  В777")));

        rig.document->allowHandEditing();
        QVERIFY(!rig.memo.isReadOnly());
    }
};

QTEST_MAIN(TestReportView)
#include "test_report_view.moc"
