#include "close_controller.h"
#include "fixed_clock.h"
#include "run_state.h"
#include "scripted_prompts.h"
#include "services.h"
#include "settings_file.h"
#include "side_document.h"
#include "side_document_router.h"
#include "view_ids.h"
#include "working_folder.h"

#include <QDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A side panel document that records what is asked of it.
struct FakeDocument : SideDocument {
    bool isUnsaved = false;
    int saves = 0;
    QStringList recoveredInto;
    void save() override { ++saves; }
    void open() override {}
    void clear() override {}
    void print() override {}
    void configure() override {}
    bool unsaved() const override { return isUnsaved; }
    QString saveRecovered(const QString &folder, const QDateTime &) override {
        recoveredInto << folder;
        return {};
    }
};

// The closing of a window, with the steps it runs recorded in order.
struct Closing {
    QTemporaryDir dir;
    WorkingFolder folder{dir.path()};
    ScriptedPrompts prompts;
    FixedClock clock{QDateTime(QDate(2026, 5, 14), QTime(9, 0))};
    Services services;
    RunState state;
    QPushButton save, open, clear, print, configure;
    ViewPanels::SideButtons buttons{&save, &open, &clear, &print, &configure};
    SideDocumentRouter documents{state, buttons};
    FakeDocument graph, report;
    QStringList steps;
    CloseController closer{state, services};

    Closing() {
        folder.createSubfolders();
        services.prompts = &prompts;
        services.clock = &clock;
        services.folder = &folder;
        documents.setGraph(&graph);
        documents.setReport(&report);
        CloseController::Steps s;
        s.documents = &documents;
        s.saveButton = &save;
        s.showView = [this](int view) {
            steps << QStringLiteral("show %1").arg(view);
            state.Store.set(&AppSettings::CurrentView, view);
            state.ViewTimerMode = ViewTimerMode::of(view);
        };
        s.stopPolling = [this] { steps << "stop polling"; };
        s.saveNorms = [this] { steps << "norms"; };
        s.saveCalibrationGas = [this] { steps << "gas"; };
        s.closeGraphJournal = [this](bool keep) {
            steps << (keep ? QStringLiteral("journal, user asked") : QStringLiteral("journal"));
        };
        closer.setSteps(std::move(s));
        closer.startUpFinished();
    }
    QString settingsPath() const { return folder.filePath(DataFileNames::Settings); }
};

} // namespace

class TestCloseController : public QObject {
    Q_OBJECT

private slots:
    void questionsCanKeepTheWindowOpen() {
        Closing c;
        c.graph.isUnsaved = c.report.isUnsaved = true;
        c.prompts.answers = {UserPrompts::Answer::No, UserPrompts::Answer::Cancel};
        QVERIFY(!c.closer.closeRequested({}));
        QVERIFY(c.steps.isEmpty());
        QVERIFY(!QFile::exists(c.settingsPath()));

        // "Yes": the graph view is shown and its "Сохранить" pressed; the window stays.
        c.prompts.answers = {UserPrompts::Answer::Yes};
        QVERIFY(!c.closer.closeRequested({}));
        QCOMPARE(c.steps, QStringList{QStringLiteral("show %1").arg(ViewId::Graph)});
        QCOMPARE(c.graph.saves, 1);
        QCOMPARE(c.report.saves, 0);
        QVERIFY(!QFile::exists(c.settingsPath()));

        c.steps.clear();
        c.graph.isUnsaved = c.report.isUnsaved = false;
        QVERIFY(c.closer.closeRequested({}));
        QCOMPARE(c.steps, (QStringList{"stop polling", "journal, user asked"}));
        QCOMPARE(QFileInfo(c.settingsPath()).size(), 356);
        QCOMPARE(SettingsFile::read(c.settingsPath()).CurrentView, ViewId::Graph);
        // Once closing, a second request closes at once.
        QVERIFY(c.closer.closeRequested({}));
        QCOMPARE(c.steps.size(), 2);
    }

    void aReportToSaveFirstIsShownInItsView() {
        Closing c;
        c.report.isUnsaved = true;
        c.prompts.answers = {UserPrompts::Answer::Yes};
        QVERIFY(!c.closer.closeRequested({}));
        QCOMPARE(c.steps, QStringList{QStringLiteral("show %1").arg(ViewId::Report)});
        QCOMPARE(c.report.saves, 1);
    }

    void theExitSaveWritesTheFilesUnderTheirFlags() {
        Closing c;
        c.state.Flags.NormsModified = c.state.Flags.CalibrationGasChanged = true;
        QVERIFY(c.closer.closeRequested({}));
        QCOMPARE(c.steps, (QStringList{"stop polling", "norms", "gas", "journal, user asked"}));
    }

    // Ended from outside: nothing is asked, unsaved work goes into recovered files, and a
    // graph that could not be saved keeps its journal.
    void terminationAsksNothingAndRecoversTheWork() {
        Closing c;
        c.graph.isUnsaved = c.report.isUnsaved = true;
        QSignalSpy wanted(&c.closer, &CloseController::closeWanted);
        c.closer.terminate();
        QVERIFY(wanted.isEmpty()); // queued: after any dialog's own loop
        QTRY_COMPARE(wanted.size(), 1);
        QVERIFY(c.closer.closeRequested({}));
        QVERIFY(c.prompts.shown.isEmpty());
        QCOMPARE(c.graph.recoveredInto.size(), 1);
        QCOMPARE(c.report.recoveredInto.size(), 1);
        QCOMPARE(c.steps, (QStringList{"stop polling", "journal"}));
        QCOMPARE(QFileInfo(c.settingsPath()).size(), 356);
    }

    void terminationClosesAnOpenDialog() {
        Closing c;
        QSignalSpy wanted(&c.closer, &CloseController::closeWanted);
        QDialog dialog;
        QTimer::singleShot(0, &dialog, [&] { c.closer.terminate(); });
        QCOMPARE(dialog.exec(), int(QDialog::Rejected)); // returns once rejected
        QTRY_COMPARE(wanted.size(), 1);
    }

    // Ended from outside during start-up: the window closes once start-up has finished.
    void terminationDuringStartUpClosesAfterIt() {
        RunState state;
        Services services;
        CloseController closer(state, services);
        QSignalSpy wanted(&closer, &CloseController::closeWanted);
        closer.terminate();
        QCoreApplication::processEvents();
        QVERIFY(wanted.isEmpty());
        closer.startUpFinished();
        QTRY_COMPARE(wanted.size(), 1);
    }
};

QTEST_MAIN(TestCloseController)
#include "test_close_controller.moc"
