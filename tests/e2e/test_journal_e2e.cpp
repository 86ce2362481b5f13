#include "app_settings.h"
#include "emulator_process.h"
#include "fixed_clock.h"
#include "graph_file.h"
#include "graph_journal.h"
#include "graph_view.h"
#include "journal_recovery.h"
#include "safe_file.h"
#include "scripted_file_dialogs.h"
#include "scripted_prompts.h"
#include "settings_file.h"
#include "test_files.h"
#include "tform1.h"
#include "view_ids.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The real program records the emulator's readings and is killed (SIGKILL) in the middle of
// the recording; the next start in the same folder offers the record back, and "Сохранить"
// writes it to a graph file. The same with the journal cut a few bytes short, as a power cut
// in the middle of a write leaves it.
class TestJournalE2E : public QObject {
    Q_OBJECT

    static QString program() {
        const QString fromEnvironment = qEnvironmentVariable("VELANTAR_BIN");
        return fromEnvironment.isEmpty() ? QCoreApplication::applicationDirPath() + "/../velantar"
                                         : fromEnvironment;
    }

    static int journalSamples(const QString &path) {
        return int(GraphJournal::decode(TestFiles::fileBytes(path)).samples.size());
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void recordSurvivesAKill() {
        EmulatorProcess emulator;
        QVERIFY(emulator.start());
        for (const char *command : {"drift off", "set co 150", "set ch 123", "set co2 1452",
                                    "set o2 47", "set lambda 998", "set rpm 785"})
            emulator.command(command);
        QCOMPARE(emulator.query("ping"), QStringLiteral("pong"));

        QTemporaryDir folder;
        AppSettings settings;
        settings.GraphStartMode = 0; // recording starts when the analyser is found
        QVERIFY(
            SafeFile::write(folder.filePath("Tolmera10.dat"), SettingsFile::encode(settings)).ok);
        QProcess velantar;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("VELANTAR_PORTS", emulator.devicePath());
        velantar.setProcessEnvironment(environment);
        velantar.setWorkingDirectory(folder.path());
        velantar.start(program(), {});
        QVERIFY(velantar.waitForStarted());

        // Ten seconds of recording, one sample a second.
        const QString journal = folder.filePath("Graph/Журнал_записи.jrn");
        QVERIFY2(QTest::qWaitFor([&] { return journalSamples(journal) >= 10; }, 60000),
                 qPrintable(QString::number(journalSamples(journal))));
        velantar.kill();
        QVERIFY(velantar.waitForFinished(10000));
        const int recorded = journalSamples(journal);
        QVERIFY(recorded >= 10);

        // The same journal a few bytes short, in a folder of its own.
        QTemporaryDir cutFolder;
        QVERIFY(QDir(cutFolder.path()).mkpath("Graph"));
        QVERIFY(SafeFile::write(cutFolder.filePath("Graph/Журнал_записи.jrn"),
                                TestFiles::fileBytes(journal).chopped(5))
                    .ok);

        qputenv("VELANTAR_PORTS", ""); // no analyser at the second start
        const std::pair<QTemporaryDir *, int> cases[] = {{&folder, recorded},
                                                         {&cutFolder, recorded - 1}};
        for (const auto &[dir, expected] : cases) {
            ScriptedPrompts prompts;
            prompts.answers = {UserPrompts::Answer::Yes};
            ScriptedFileDialogs dialogs;
            FixedClock clock(QDateTime::currentDateTime());
            TForm1::Environment second;
            second.workingDirectory = dir->path();
            second.prompts = &prompts;
            second.fileDialogs = &dialogs;
            second.clock = &clock;
            TForm1 window(second);
            QVERIFY(prompts.shown.contains(JournalRecovery::kQuestion.toString()));
            QCOMPARE(window.state().Settings.CurrentView, int(ViewId::Graph));

            const GraphBuffer &record = window.graph().recorder().buffer();
            QCOMPARE(record.count(), expected);
            // Samples taken before the first readings came in hold zeros; all after them the
            // emulator's values.
            const ReadingSample emulated{150, 123, 1452, 47, 998, 785};
            int first = 0;
            while (first < record.count() && record.reading(first) == ReadingSample{})
                ++first;
            QVERIFY(record.count() - first >= 8);
            for (int i = first; i < record.count(); ++i)
                QCOMPARE(record.reading(i), emulated);

            const QString saved = dir->filePath("Graph/saved.dan");
            dialogs.answers = {saved};
            window.graph().save();
            const GraphFile::ReadResult file = GraphFile::open(saved);
            QCOMPARE(file.status, GraphFile::ReadStatus::Ok);
            QCOMPARE(int(file.samples.size()), expected);
            for (int i = 0; i < expected; ++i) {
                QCOMPARE(file.samples[std::size_t(i)].reading, record.recorded(i));
                QCOMPARE(file.samples[std::size_t(i)].msecsOfDay / 1000,
                         record.msecsOfDay(i) / 1000);
            }
            QVERIFY(!QFile::exists(dir->filePath("Graph/Журнал_записи.jrn")));
        }
    }
};

QTEST_MAIN(TestJournalE2E)
#include "test_journal_e2e.moc"
