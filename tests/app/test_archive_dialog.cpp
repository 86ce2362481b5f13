#include "archive_dialog.h"
#include "archive_list_model.h"
#include "fake_test_archive.h"
#include "fixed_clock.h"
#include "run_state.h"
#include "scripted_file_dialogs.h"
#include "scripted_print_service.h"
#include "scripted_prompts.h"
#include "services.h"
#include "tform1.h"
#include "working_folder.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

// The archive dialog on the offscreen platform over an archive in memory, with scripted
// dialogs, printer and clock.
class TestArchiveDialog : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    FakeTestArchive archive_;
    ScriptedPrompts prompts_;
    FixedClock clock_{QDateTime(QDate(2026, 12, 9), QTime(12, 0))};
    ScriptedFileDialogs dialogs_;
    std::unique_ptr<ScriptedPrintService> printer_;
    std::unique_ptr<WorkingFolder> folder_;
    Services services_;

    static QDateTime at(int day) { return QDateTime(QDate(2026, 12, day), QTime(10, 30)); }

    std::unique_ptr<ArchiveDialog> makeDialog() {
        return std::make_unique<ArchiveDialog>(archive_, services_, QStringLiteral("ПТО N 1"));
    }
    static QStringList listedIds(const ArchiveDialog &dialog) {
        QStringList ids;
        for (const ArchiveSummary &summary : dialog.model().rows())
            ids << summary.id;
        return ids;
    }
    template <typename T> static T *control(const QWidget &dialog, const char *name) {
        T *found = dialog.findChild<T *>(name);
        Q_ASSERT(found);
        return found;
    }

private Q_SLOTS:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        qputenv("VELANTAR_PORTS", "");
    }
    void init() {
        archive_.records = {
            FakeTestArchive::sample("a", at(1), "А123ВС77", "Петров", ArchiveVerdict::Pass,
                                    {"0.25"}),
            FakeTestArchive::sample("b", at(4), "В456ОР99", "Иванов", ArchiveVerdict::Fail,
                                    {"3.10"}),
            FakeTestArchive::sample("c", at(7), "А777АА123", "Петрова", ArchiveVerdict::Fail),
            FakeTestArchive::sample("d", at(8), "Е001КХ50", "Сидоров", ArchiveVerdict::NotJudged),
        };
        archive_.searches = 0;
        prompts_ = ScriptedPrompts();
        dialogs_ = ScriptedFileDialogs();
        printer_ = std::make_unique<ScriptedPrintService>(dir_.filePath("printed.pdf"));
        QFile::remove(dir_.filePath("printed.pdf"));
        folder_ = std::make_unique<WorkingFolder>(dir_.path());
        services_ = {&prompts_, &clock_, &dialogs_, printer_.get(), folder_.get()};
    }

    // Every change of a field waits for the pause in typing (or Enter); then the list holds the
    // matches, newest first.
    void searchFollowsTheFieldsAfterThePause_data() {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<int>("verdict");
        QTest::addColumn<int>("fromDay"); // 0: the range is off
        QTest::addColumn<QStringList>("ids");
        QTest::newRow("part of the number") << "123"
                                            << "" << 0 << 0 << QStringList{"c", "a"};
        QTest::newRow("detail, any case") << ""
                                          << "петров" << 0 << 0 << QStringList{"c", "a"};
        QTest::newRow("failed") << ""
                                << "" << 2 << 0 << QStringList{"c", "b"};
        QTest::newRow("passed") << ""
                                << "" << 1 << 0 << QStringList{"a"};
        QTest::newRow("date range") << ""
                                    << "" << 0 << 4 << QStringList{"d", "c", "b"};
        QTest::newRow("all together") << "А"
                                      << "" << 2 << 4 << QStringList{"c"};
    }
    void searchFollowsTheFieldsAfterThePause() {
        QFETCH(QString, number);
        QFETCH(QString, detail);
        QFETCH(int, verdict);
        QFETCH(int, fromDay);
        QFETCH(QStringList, ids);
        auto dialog = makeDialog();
        QCOMPARE(listedIds(*dialog), (QStringList{"d", "c", "b", "a"}));
        const int searched = archive_.searches;
        control<QLineEdit>(*dialog, "ArchiveNumberEdit")->setText(number);
        control<QLineEdit>(*dialog, "ArchiveDetailEdit")->setText(detail);
        control<QComboBox>(*dialog, "ArchiveVerdictCombo")->setCurrentIndex(verdict);
        if (fromDay) {
            control<QCheckBox>(*dialog, "ArchiveRangeCheck")->setChecked(true);
            control<QDateEdit>(*dialog, "ArchiveFromDate")->setDate(QDate(2026, 12, fromDay));
        }
        QVERIFY(dialog->searchTimer().isActive());
        QCOMPARE(archive_.searches, searched);
        // Enter does not wait for the pause.
        QTest::keyClick(control<QLineEdit>(*dialog, "ArchiveDetailEdit"), Qt::Key_Return);
        QVERIFY(!dialog->searchTimer().isActive());
        QCOMPARE(listedIds(*dialog), ids);
        QCOMPARE(control<QLabel>(*dialog, "ArchiveListNote")->text(),
                 QStringLiteral("Найдено испытаний: %1").arg(ids.size()));
    }

    void longListIsCutAndSaysSo() {
        for (int i = 0; i < ArchiveListModel::kShownLimit; ++i)
            archive_.add(
                FakeTestArchive::sample(QString::number(i), at(2), "Х", "", ArchiveVerdict::Pass));
        auto dialog = makeDialog();
        QCOMPARE(dialog->model().rowCount(), ArchiveListModel::kShownLimit);
        QCOMPARE(control<QLabel>(*dialog, "ArchiveListNote")->text(),
                 QStringLiteral("Показаны первые 500 испытаний"));
        const QModelIndex newest = dialog->model().index(0, ArchiveListModel::DateTime);
        QCOMPARE(newest.data().toString(), QStringLiteral("08.12.2026 10:30:00"));
        QCOMPARE(dialog->model().index(1, ArchiveListModel::Verdict).data().toString(),
                 QStringLiteral("не соответствует"));
    }

    void selectedDocumentIsShownAndPrinted() {
        auto dialog = makeDialog();
        auto *list = control<QTableView>(*dialog, "ArchiveList");
        list->selectRow(2);
        auto *document = control<QPlainTextEdit>(*dialog, "ArchiveDocument");
        QVERIFY(document->isReadOnly());
        QCOMPARE(document->toPlainText(), QStringLiteral("Протокол b\nНомер: В456ОР99"));
        control<QPushButton>(*dialog, "ArchivePrintButton")->click();
        QCOMPARE(printer_->shown, 1);
        QFile printed(dir_.filePath("printed.pdf"));
        QVERIFY(printed.open(QIODevice::ReadOnly));
        QVERIFY(printed.read(4) == "%PDF");
    }

    // The selection is exported; with nothing selected, every match of the search.
    void csvHoldsTheSelectionOrEveryMatch_data() {
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<QStringList>("numbers");
        QTest::newRow("two selected") << QList<int>{3, 1} << QStringList{"А777АА123", "А123ВС77"};
        QTest::newRow("none selected")
            << QList<int>{} << QStringList{"Е001КХ50", "А777АА123", "В456ОР99", "А123ВС77"};
    }
    void csvHoldsTheSelectionOrEveryMatch() {
        QFETCH(QList<int>, selected);
        QFETCH(QStringList, numbers);
        auto dialog = makeDialog();
        auto *list = control<QTableView>(*dialog, "ArchiveList");
        list->clearSelection();
        for (int row : selected)
            list->selectionModel()->select(dialog->model().index(row, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
        dialogs_.answers << dir_.filePath("export");
        control<QPushButton>(*dialog, "ArchiveCsvButton")->click();
        QCOMPARE(dialogs_.proposedNames, QStringList{"Архив_09-12-2026.csv"});
        QFile file(dir_.filePath("export.csv"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QStringList rows =
            QString::fromUtf8(file.readAll().mid(3)).split("\r\n", Qt::SkipEmptyParts);
        rows.removeFirst();
        QStringList exported;
        for (const QString &row : rows)
            exported << row.section(';', 2, 2);
        QCOMPARE(exported, numbers);
    }

    // The register covers the range of the fields while it is on, else every test; the other
    // fields do not narrow it.
    void registerCoversTheDateRange_data() {
        QTest::addColumn<int>("fromDay"); // 0: the range is off
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("numbers");
        QTest::newRow("range") << 4 << "Реестр испытаний с 04.12.2026 по 09.12.2026"
                               << QStringList{"В456ОР99", "А777АА123", "Е001КХ50"};
        QTest::newRow("every test") << 0 << "Реестр испытаний с 01.12.2026 по 08.12.2026"
                                    << QStringList{"А123ВС77", "В456ОР99", "А777АА123", "Е001КХ50"};
    }
    void registerCoversTheDateRange() {
        QFETCH(int, fromDay);
        QFETCH(QString, title);
        QFETCH(QStringList, numbers);
        auto dialog = makeDialog();
        control<QComboBox>(*dialog, "ArchiveVerdictCombo")->setCurrentIndex(1);
        if (fromDay) {
            control<QCheckBox>(*dialog, "ArchiveRangeCheck")->setChecked(true);
            control<QDateEdit>(*dialog, "ArchiveFromDate")->setDate(QDate(2026, 12, fromDay));
        }
        const QStringList lines = dialog->registerLines();
        QCOMPARE(lines.value(0), title);
        QStringList listed;
        for (const QString &line : lines.filter(QRegularExpression("^\\s*\\d+ ")))
            listed << line.section(' ', 3, 3, QString::SectionSkipEmpty);
        QCOMPARE(listed, numbers);
        control<QPushButton>(*dialog, "ArchiveRegisterPrintButton")->click();
        QCOMPARE(printer_->shown, 1);
        QVERIFY(QFileInfo(dir_.filePath("printed.pdf")).size() > 0);
    }

    void registerIsSavedAsPdf() {
        auto dialog = makeDialog();
        dialogs_.answers << dir_.filePath("register");
        control<QPushButton>(*dialog, "ArchiveRegisterPdfButton")->click();
        QFile file(dir_.filePath("register.pdf"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(4) == "%PDF");
        QVERIFY(prompts_.shown.isEmpty());
    }

    // "Открыть копию" from the menu's dialog: an unsaved report is asked about first.
    void copyReplacesTheReportOnlyAfterTheQuestion_data() {
        QTest::addColumn<bool>("unsaved");
        QTest::addColumn<QList<UserPrompts::Answer>>("answers");
        QTest::addColumn<bool>("copied");
        QTest::newRow("saved report") << false << QList<UserPrompts::Answer>{} << true;
        QTest::newRow("unsaved, not to be saved") << true << QList{UserPrompts::Answer::No} << true;
        QTest::newRow("unsaved, cancelled") << true << QList{UserPrompts::Answer::Cancel} << false;
        // The save dialog is cancelled: the report stays unsaved, so it stays shown.
        QTest::newRow("unsaved, save cancelled")
            << true << QList{UserPrompts::Answer::Yes} << false;
    }
    void copyReplacesTheReportOnlyAfterTheQuestion() {
        QFETCH(bool, unsaved);
        QFETCH(QList<UserPrompts::Answer>, answers);
        QFETCH(bool, copied);
        TForm1 window(
            {dir_.path(), &prompts_, &clock_, &dialogs_, printer_.get(), nullptr, &archive_});
        window.state().Flags.ReportUnsaved = unsaved;
        auto *memo = window.findChild<QPlainTextEdit *>("Memo10");
        const QString report = memo->toPlainText();
        prompts_.answers = answers;
        window.findChild<QAction *>("ArchiveM")->trigger();
        QPointer<ArchiveDialog> dialog = window.findChild<ArchiveDialog *>();
        QVERIFY(dialog && dialog->isVisible());
        control<QTableView>(*dialog, "ArchiveList")->selectRow(0);
        control<QPushButton>(*dialog, "ArchiveCopyButton")->click();
        QCOMPARE(prompts_.shown.size(), unsaved ? 1 : 0);
        QCOMPARE(memo->toPlainText() != report, copied);
        if (copied)
            QCOMPARE(memo->toPlainText().section('\n', 0, 1),
                     QStringLiteral("КОПИЯ из архива испытаний, документ сохранен 08.12.2026 в "
                                    "10:30:00\nПротокол d"));
        QCOMPARE(dialog->isVisible(), !copied);
        QCOMPARE(window.state().Flags.ReportUnsaved, unsaved);
    }

    // A window given no archive opens the post's own, in the working folder.
    void menuItemWithoutAGivenArchiveOpensThePostsOwn() {
        TForm1 window({dir_.path(), &prompts_, &clock_, &dialogs_, printer_.get()});
        window.findChild<QAction *>("ArchiveM")->trigger();
        QPointer<ArchiveDialog> dialog = window.findChild<ArchiveDialog *>();
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(control<QTableView>(*dialog, "ArchiveList")->model()->rowCount(), 0);
        QVERIFY(prompts_.shown.isEmpty());
        dialog->close();
    }
};

QTEST_MAIN(TestArchiveDialog)
#include "test_archive_dialog.moc"
