#include "app_settings.h"
#include "scripted_prompts.h"
#include "settings_file.h"
#include "settings_store.h"
#include "shutdown.h"
#include "station_file.h"
#include "working_folder.h"

#include <QTemporaryDir>
#include <QtTest>

using Answer = UserPrompts::Answer;
using Shutdown::CloseOutcome;

class TestShutdown : public QObject {
    Q_OBJECT

private slots:
    void closeQuestions_data() {
        QTest::addColumn<bool>("graph");
        QTest::addColumn<bool>("report");
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<CloseOutcome>("outcome");
        QTest::addColumn<int>("questions");
        QTest::newRow("nothing unsaved")
            << false << false << QList<Answer>{} << CloseOutcome::Close << 0;
        QTest::newRow("graph: yes")
            << true << true << QList<Answer>{Answer::Yes} << CloseOutcome::SaveGraph << 1;
        QTest::newRow("graph: no, report: cancel")
            << true << true << QList<Answer>{Answer::No, Answer::Cancel} << CloseOutcome::Stay << 2;
        QTest::newRow("graph: no, report: yes")
            << true << true << QList<Answer>{Answer::No, Answer::Yes} << CloseOutcome::SaveReport
            << 2;
        QTest::newRow("report: no")
            << false << true << QList<Answer>{Answer::No} << CloseOutcome::Close << 1;
        QTest::newRow("graph: cancel")
            << true << false << QList<Answer>{Answer::Cancel} << CloseOutcome::Stay << 1;
    }
    void closeQuestions() {
        QFETCH(bool, graph);
        QFETCH(bool, report);
        QFETCH(QList<Answer>, answers);
        QFETCH(CloseOutcome, outcome);
        QFETCH(int, questions);
        ScriptedPrompts prompts;
        prompts.answers = answers;
        QCOMPARE(Shutdown::askToClose(graph, report, prompts), outcome);
        QCOMPARE(prompts.shown.size(), questions);
        if (graph)
            QCOMPARE(prompts.shown.first(),
                     QStringLiteral("Текущий график не сохранен.  Сохранить ?"));
        if (questions == 2)
            QCOMPARE(prompts.shown.last(),
                     QStringLiteral("Текущий отчет не сохранен.  Сохранить ?"));
    }

    void exitSaveRecordsTheSizeableWindowOnly() {
        QTemporaryDir dir;
        const WorkingFolder folder(dir.path());
        ScriptedPrompts prompts;
        const Shutdown::WindowState restored{false, QRect(10, 20, 700, 500)};

        SettingsStore settings;
        Shutdown::exitSave(settings, {}, restored, folder, {}, {}, prompts);
        AppSettings read = SettingsFile::read(folder.filePath(DataFileNames::Settings));
        QCOMPARE(read.WindowRestored, 1);
        QCOMPARE(read.WindowWidth, 700);
        QCOMPARE(read.WindowHeight, 500);
        QCOMPARE(read.WindowTop, 20);
        QCOMPARE(read.WindowLeft, 10);

        Shutdown::exitSave(settings, {}, {true, QRect()}, folder, {}, {}, prompts);
        QCOMPARE(SettingsFile::read(folder.filePath(DataFileNames::Settings)).WindowRestored, 0);

        for (int mode : {0, 2}) {
            SettingsStore fixed;
            fixed.set(&AppSettings::WindowMode, mode);
            Shutdown::exitSave(fixed, {}, restored, folder, {}, {}, prompts);
            read = SettingsFile::read(folder.filePath(DataFileNames::Settings));
            QCOMPARE(read.WindowWidth, AppSettings().WindowWidth);
            QCOMPARE(read.WindowRestored, 0);
        }
        QVERIFY(prompts.shown.isEmpty());
    }

    void resetFlagWritesTheDefaults() {
        QTemporaryDir dir;
        const WorkingFolder folder(dir.path());
        ScriptedPrompts prompts;
        SettingsStore settings;
        settings.set(&AppSettings::CurrentView, 4);
        settings.set(&AppSettings::FixedPort, 7);
        ChangeFlags flags;
        flags.ResetSettings = true;
        Shutdown::exitSave(settings, flags, {false, QRect(1, 2, 800, 600)}, folder, {}, {},
                           prompts);
        QCOMPARE(SettingsFile::read(folder.filePath(DataFileNames::Settings)), AppSettings());
    }

    void otherFilesFollowTheirFlags() {
        QTemporaryDir dir;
        const WorkingFolder folder(dir.path());
        ScriptedPrompts prompts;
        SettingsStore settings;
        QStringList written;
        Shutdown::OtherFiles other{[&] { written << "norms"; }, [&] { written << "gas"; },
                                   [&] { written << "journal"; }};

        Shutdown::exitSave(settings, {}, {}, folder, QStringLiteral("Станция"), other, prompts);
        QCOMPARE(written, QStringList{"journal"}); // the graph's journal goes whatever the flags
        written.clear();
        QVERIFY(!QFile::exists(folder.filePath(DataFileNames::Station)));

        ChangeFlags flags;
        flags.NormsModified = flags.StationChanged = flags.CalibrationGasChanged = true;
        Shutdown::exitSave(settings, flags, {}, folder, QStringLiteral("Станция"), other, prompts);
        QCOMPARE(written, (QStringList{"norms", "gas", "journal"}));
        QString station;
        QVERIFY(StationFile::read(folder.filePath(DataFileNames::Station), station));
        QCOMPARE(station, QStringLiteral("Станция"));
    }
};

QTEST_GUILESS_MAIN(TestShutdown)
#include "test_shutdown.moc"
