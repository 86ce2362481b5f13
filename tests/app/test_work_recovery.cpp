#include "app_settings.h"
#include "fixed_clock.h"
#include "graph_file.h"
#include "graph_view.h"
#include "readings_source_probe.h"
#include "recovered_files.h"
#include "report_document.h"
#include "report_wiring.h"
#include "scripted_prompts.h"
#include "settings_file.h"
#include "side_document.h"
#include "termination_signals.h"
#include "test_files.h"
#include "text_file_1251.h"
#include "tform1.h"
#include "work_recovery.h"
#include "working_folder.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

namespace {

const QDateTime At(QDate(2026, 12, 8), QTime(14, 5, 40));

// A document whose recovered save writes its name into the file, or fails.
struct FakeDocument : SideDocument {
    bool isUnsaved = false;
    bool writable = true;
    QString extension;
    void save() override {}
    void open() override {}
    void clear() override {}
    void print() override {}
    void configure() override {}
    bool unsaved() const override { return isUnsaved; }
    QString saveRecovered(const QString &folder, const QDateTime &now) override {
        const QString path = RecoveredFiles::pathFor(folder, now, extension);
        return writable && TestFiles::putBytes(path, extension.toLatin1()) ? path : QString();
    }
};

} // namespace

// Unsaved work when the program is ended from outside: saved under recovered names, listed
// in a note, told at the next start.
class TestWorkRecovery : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        qputenv("VELANTAR_PORTS", "");
    }

    void recoveredNames_data() {
        QTest::addColumn<QStringList>("taken");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QString>("name");
        QTest::newRow("free") << QStringList() << ".txt"
                              << "Восстановлен_2026-12-08_14-05.txt";
        QTest::newRow("graph") << QStringList() << ".dan"
                               << "Восстановлен_2026-12-08_14-05.dan";
        QTest::newRow("taken in the same minute")
            << QStringList{"Восстановлен_2026-12-08_14-05.txt"} << ".txt"
            << "Восстановлен_2026-12-08_14-05_2.txt";
        QTest::newRow("taken twice") << QStringList{"Восстановлен_2026-12-08_14-05.dan",
                                                    "Восстановлен_2026-12-08_14-05_2.dan"}
                                     << ".dan"
                                     << "Восстановлен_2026-12-08_14-05_3.dan";
    }
    void recoveredNames() {
        QFETCH(QStringList, taken);
        QFETCH(QString, extension);
        QTemporaryDir dir;
        for (const QString &name : taken)
            QVERIFY(TestFiles::putBytes(dir.filePath(name), "earlier"));
        QTEST(QFileInfo(RecoveredFiles::pathFor(dir.path(), At, extension)).fileName(), "name");
        for (const QString &name : taken)
            QCOMPARE(TestFiles::fileBytes(dir.filePath(name)), QByteArray("earlier"));
    }

    // What is saved, what the note then lists (a note left by an earlier run keeps its
    // lines), and that the next start tells it once.
    void unsavedWorkIsSavedThenTold_data() {
        QTest::addColumn<bool>("graphUnsaved");
        QTest::addColumn<bool>("reportUnsaved");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<QStringList>("earlierNote");
        QTest::addColumn<QStringList>("saved"); // relative to the working folder
        const QString graph = "Graph/Восстановлен_2026-12-08_14-05.dan";
        const QString report = "Text/Восстановлен_2026-12-08_14-05.txt";
        QTest::newRow("both") << true << true << true << QStringList()
                              << QStringList{graph, report};
        QTest::newRow("only the report")
            << false << true << true << QStringList() << QStringList{report};
        QTest::newRow("nothing unsaved")
            << false << false << true << QStringList() << QStringList();
        QTest::newRow("writes fail") << true << true << false << QStringList() << QStringList();
        QTest::newRow("a note not yet told")
            << false << true << true << QStringList{"/earlier/Восстановлен.txt"}
            << QStringList{report};
    }
    void unsavedWorkIsSavedThenTold() {
        QFETCH(bool, graphUnsaved);
        QFETCH(bool, reportUnsaved);
        QFETCH(bool, writable);
        QFETCH(QStringList, earlierNote);
        QFETCH(QStringList, saved);
        QTemporaryDir dir;
        const WorkingFolder folder(dir.path());
        folder.createSubfolders();
        const QString note = folder.filePath(DataFileNames::RecoveryNote);
        if (!earlierNote.isEmpty())
            QVERIFY(TextFile1251::writeLines(note, earlierNote));
        FakeDocument graph, report;
        graph.isUnsaved = graphUnsaved;
        report.isUnsaved = reportUnsaved;
        graph.writable = report.writable = writable;
        graph.extension = ".dan";
        report.extension = ".txt";

        QStringList expected;
        for (const QString &name : saved)
            expected << dir.filePath(name);
        QCOMPARE(WorkRecovery::saveUnsavedWork(&graph, &report, folder, At), expected);
        for (const QString &path : expected)
            QVERIFY(QFileInfo(path).isFile());

        ScriptedPrompts prompts;
        WorkRecovery::tellAboutRecoveredWork(folder, prompts);
        const QStringList told = earlierNote + expected;
        if (told.isEmpty()) {
            QVERIFY(prompts.shown.isEmpty());
        } else {
            QCOMPARE(prompts.shown.size(), 1);
            for (const QString &path : told)
                QVERIFY(prompts.shown.first().contains(QDir::toNativeSeparators(path)));
        }
        QVERIFY(!QFile::exists(note));
        WorkRecovery::tellAboutRecoveredWork(folder, prompts); // told once only
        QCOMPARE(prompts.shown.size(), told.isEmpty() ? 0 : 1);
    }

    // SIGTERM with a graph and a report recorded and not saved: the window closes without a
    // question, the graph file holds every sample, the report is in a recovered file as the
    // memo showed it, and the next start says so.
    void terminationKeepsTheGraphAndTheReport() {
        QTemporaryDir dir;
        AppSettings settings;
        settings.ConnectAtStart = 0;
        ScriptedPrompts prompts;
        QVERIFY(SettingsFile::write(dir.filePath("Tolmera10.dat"), settings, prompts));
        FixedClock clock(At);
        TForm1::Environment environment;
        environment.workingDirectory = dir.path();
        environment.prompts = &prompts;
        environment.clock = &clock;

        QStringList memoLines;
        QList<ReadingSample> recorded;
        {
            TerminationSignals termination;
            environment.termination = &termination;
            TForm1 window(environment);
            window.show();
            window.graph().BitBtn7Click(); // "Запись"
            for (qint16 i = 0; i < 5; ++i) {
                ReadingsSourceProbe::setSample(window.readingsSource(),
                                               {qint16(150 + i), 123, 1452, 47, 998, 785});
                recorded << window.state().readings().sample;
                window.graph().recording().TimerGRPTimer();
            }
            window.findChild<QPushButton *>("BitBtn17")->click(); // "Nмин."
            QVERIFY(window.report().document().unsaved());
            memoLines = window.report().document().lines();

            QElapsedTimer clock;
            clock.start();
            std::raise(SIGTERM);
            QVERIFY(QTest::qWaitFor([&] { return !window.isVisible(); }, 20000));
            qInfo() << "closed" << clock.elapsed() << "ms after SIGTERM";
            QVERIFY(prompts.shown.isEmpty()); // no question was asked
            environment.termination = nullptr;
        }
        const QString graph = dir.filePath("Graph/Восстановлен_2026-12-08_14-05.dan");
        const GraphFile::ReadResult saved = GraphFile::open(graph);
        QCOMPARE(saved.status, GraphFile::ReadStatus::Ok);
        QCOMPARE(int(saved.samples.size()), recorded.size());
        for (int i = 0; i < recorded.size(); ++i)
            QCOMPARE(saved.samples[size_t(i)].reading.co, recorded[i].co);
        const QString report = dir.filePath("Text/Восстановлен_2026-12-08_14-05.txt");
        QCOMPARE(TextFile1251::readLines(report).lines, memoLines);
        QVERIFY(QFileInfo(dir.filePath("Tolmera10.dat")).isFile());

        TForm1 next(environment);
        QVERIFY(QTest::qWaitFor([&] { return !prompts.shown.isEmpty(); }, 20000));
        QCOMPARE(prompts.shown, QStringList{WorkRecovery::recoveredFilesMessage({graph, report})});
    }
};

QTEST_MAIN(TestWorkRecovery)
#include "test_work_recovery.moc"
