#include "emulator_process.h"
#include "graph_view.h"
#include "link_controller.h"
#include "scripted_prompts.h"
#include "tform1.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
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
};

QTEST_MAIN(TestLinkLossE2E)
#include "test_link_loss_e2e.moc"
