#include "app_settings.h"
#include "demonstration_controller.h"
#include "emulator_process.h"
#include "graph_recording.h"
#include "graph_view.h"
#include "link_controller.h"
#include "readings_source.h"
#include "report_document.h"
#include "report_wiring.h"
#include "safe_file.h"
#include "scripted_prompts.h"
#include "settings_file.h"
#include "tform1.h"
#include "view_ids.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <memory>

// The main window against the emulator behind the port COM1, a symbolic link to the
// emulator's pseudo-terminal. When the analyser goes (the emulator killed) or stops answering
// ("silent on"), the window shows the link as lost with one notice and no box, searches
// quietly, and takes the readings up again by itself when an analyser answers behind COM1.
class TestLinkLossE2E : public QObject {
    Q_OBJECT

    static QString text(const TForm1 &window, const char *name) {
        return window.findChild<QLineEdit *>(name)->text();
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void lostThenFoundAgain_data() {
        QTest::addColumn<bool>("killed");
        QTest::newRow("emulator killed, a new one started") << true;
        QTest::newRow("silent on, then off") << false;
    }
    void lostThenFoundAgain() {
        QFETCH(bool, killed);
        QTemporaryDir folder;
        const QString com1 = folder.filePath("COM1");
        auto emulator = std::make_unique<EmulatorProcess>();
        QVERIFY(emulator->start());
        QVERIFY(QFile::link(emulator->devicePath(), com1));
        qputenv("VELANTAR_PORTS", com1.toLocal8Bit());

        ScriptedPrompts prompts;
        TForm1::Environment environment;
        environment.workingDirectory = folder.path();
        environment.prompts = &prompts;
        TForm1 window(environment); // the defaults connect at start, readings view
        window.show();
        const auto live = [&] {
            return window.link().isPolling() && window.state().readings().ReadingsCurrent &&
                   text(window, "Edit8") != QStringLiteral("- - - -");
        };
        QVERIFY(QTest::qWaitFor(live, 20000));
        // The graph records all along: a gap while the link is lost, never stale values.
        window.graph().BitBtn7Click();
        const auto samples = [&] { return window.graph().recorder().count(); };

        QElapsedTimer clock;
        clock.start();
        if (killed)
            emulator->kill();
        else
            emulator->command("silent on");
        QVERIFY(QTest::qWaitFor([&] { return window.link().isLost(); }, 20000));
        qInfo() << "lost link shown after" << clock.elapsed() << "ms";
        QCOMPARE(text(window, "Edit16"), QStringLiteral(" Г/А НЕ ПОДКЛЮЧЕН"));
        QVERIFY(QTest::qWaitFor([&] { return text(window, "Edit8") == "- - - -"; }, 5000));
        const int samplesAtLoss = samples();
        const auto notices = window.findChildren<QMessageBox *>("LinkLossNotice");
        QCOMPARE(notices.size(), 1);
        QVERIFY(notices.first()->isVisible() && !notices.first()->isModal());

        // At least one search of its own finds nothing, quietly.
        QVERIFY(QTest::qWaitFor([&] { return window.link().isSearching(); }, 20000));
        QVERIFY(QTest::qWaitFor([&] { return window.link().reconnectTimer().isActive(); }, 30000));
        QVERIFY(prompts.shown.isEmpty());
        QVERIFY(!live());
        QCOMPARE(samples(), samplesAtLoss);

        clock.restart();
        if (killed) {
            emulator = std::make_unique<EmulatorProcess>();
            QVERIFY(emulator->start());
            QVERIFY(QFile::remove(com1) && QFile::link(emulator->devicePath(), com1));
        } else {
            emulator->command("silent off");
        }
        QVERIFY(QTest::qWaitFor(live, 60000));
        qInfo() << "readings back after" << clock.elapsed() << "ms";
        QVERIFY(QTest::qWaitFor([&] { return samples() > samplesAtLoss; }, 20000));
        QCOMPARE(text(window, "Edit16"), QStringLiteral(" Велантар 4х комп"));
        QVERIFY(!notices.first()->isVisible());
        QCOMPARE(window.findChildren<QMessageBox *>("LinkLossNotice").size(), 1);
        QVERIFY(prompts.shown.isEmpty());
    }

    // An automatic reconnect resumes what ran before the loss and nothing else: a recording
    // the operator stopped stays stopped (though recording starts with the link), and a
    // stopped indication stays stopped.
    void aReconnectResumesOnlyWhatRan_data() {
        QTest::addColumn<bool>("indicationStopped"); // otherwise "Останов" pressed
        QTest::newRow("recording stopped with Останов") << false;
        QTest::newRow("indication stopped with Пуск/стоп") << true;
    }
    void aReconnectResumesOnlyWhatRan() {
        QFETCH(bool, indicationStopped);
        QTemporaryDir folder;
        const QString com1 = folder.filePath("COM1");
        auto emulator = std::make_unique<EmulatorProcess>();
        QVERIFY(emulator->start());
        QVERIFY(QFile::link(emulator->devicePath(), com1));
        qputenv("VELANTAR_PORTS", com1.toLocal8Bit());
        AppSettings settings;
        settings.CurrentView = ViewId::Readings;
        settings.GraphStartMode = 0; // recording starts with the link
        QVERIFY(
            SafeFile::write(folder.filePath("Tolmera10.dat"), SettingsFile::encode(settings)).ok);

        ScriptedPrompts prompts;
        TForm1::Environment environment;
        environment.workingDirectory = folder.path();
        environment.prompts = &prompts;
        TForm1 window(environment);
        window.show();
        GraphView &graph = window.graph();
        const auto live = [&] {
            return window.link().isPolling() && window.state().readings().ReadingsCurrent;
        };
        QVERIFY(QTest::qWaitFor([&] { return live() && graph.isRecording(); }, 20000));
        auto *startStop = window.findChild<QToolButton *>("ToolButton17");
        if (indicationStopped)
            startStop->click();
        else
            graph.recording().BitBtn6Click();
        QCOMPARE(graph.isRecording(), indicationStopped);

        emulator->kill();
        QVERIFY(QTest::qWaitFor([&] { return window.link().isLost(); }, 20000));
        emulator = std::make_unique<EmulatorProcess>();
        QVERIFY(emulator->start());
        QVERIFY(QFile::remove(com1) && QFile::link(emulator->devicePath(), com1));
        QVERIFY(QTest::qWaitFor(live, 60000));

        // A recording would have started the moment the analyser was found.
        QCOMPARE(graph.isRecording(), indicationStopped);
        QCOMPARE(text(window, "Edit16"), indicationStopped ? QStringLiteral(" СТОП ИНДИКАЦИИ")
                                                           : QStringLiteral(" Велантар 4х комп"));
        QVERIFY(text(window, "Edit14").contains(QStringLiteral("НАСОС")));
        if (indicationStopped) {
            startStop->click();
            QCOMPARE(text(window, "Edit16"), QStringLiteral(" Велантар 4х комп"));
        }
    }

    // Whenever nothing delivers readings (start-up without an analyser, the demonstration
    // switched off, "Связь" pressed during the demonstration), nothing passes for a
    // measurement: the views show "- - - -", "Nмин." refuses and the graph takes no sample.
    void nothingUnmeasuredIsLive_data() {
        QTest::addColumn<bool>("demonstrate");
        QTest::addColumn<bool>("connectAfter"); // otherwise the demonstration switched off
        QTest::newRow("start-up, no analyser") << false << false;
        QTest::newRow("demonstration switched off") << true << false;
        QTest::newRow("Связь during the demonstration, no analyser") << true << true;
    }
    void nothingUnmeasuredIsLive() {
        QFETCH(bool, demonstrate);
        QFETCH(bool, connectAfter);
        QTemporaryDir folder;
        qputenv("VELANTAR_PORTS", folder.filePath("nothing-here").toLocal8Bit());
        ScriptedPrompts prompts;
        TForm1::Environment environment;
        environment.workingDirectory = folder.path();
        environment.prompts = &prompts;
        TForm1 window(environment); // the defaults connect at start, readings view
        window.show();
        const QString notFound = QStringLiteral("Прибор не обнаружен !");
        QVERIFY(QTest::qWaitFor([&] { return prompts.shown.contains(notFound); }, 30000));
        prompts.shown.clear();

        if (demonstrate) {
            window.demonstration().toggle();
            QVERIFY(QTest::qWaitFor([&] { return text(window, "Edit8") != "- - - -"; }, 5000));
            if (connectAfter) {
                window.link().startConnection();
                QVERIFY(QTest::qWaitFor([&] { return prompts.shown.contains(notFound); }, 30000));
                prompts.shown.clear();
            } else {
                window.demonstration().toggle();
            }
        }
        QVERIFY(!window.state().readings().ReadingsCurrent);
        QVERIFY(QTest::qWaitFor([&] { return text(window, "Edit8") == "- - - -"; }, 5000));

        window.report().document().record(0); // "Nмин."
        QCOMPARE(prompts.shown, QStringList{QString::fromUtf16(ReportDocument::NotCurrentMessage)});
        GraphRecording &recording = window.graph().recording();
        recording.BitBtn7Click();
        QVERIFY(recording.isRecording());
        for (int tick = 0; tick < 3; ++tick)
            recording.TimerGRPTimer();
        QCOMPARE(recording.recorder().count(), 0);
    }
};

QTEST_MAIN(TestLinkLossE2E)
#include "test_link_loss_e2e.moc"
