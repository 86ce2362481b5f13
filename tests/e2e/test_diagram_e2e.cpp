#include "app_settings.h"
#include "bar_diagram.h"
#include "diagram_refresh.h"
#include "emulator_process.h"
#include "norms_panel.h"
#include "safe_file.h"
#include "scripted_prompts.h"
#include "settings_file.h"
#include "tform1.h"

#include "qcustomplot.h"

#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

// The main window in the diagram view against the emulator: in "авто-перекл." the engine
// speed the analyser reports switches the limits in force.
class TestDiagramE2E : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void engineSpeedSwitchesTheLimitsInForce() {
        EmulatorProcess emulator;
        QVERIFY(emulator.start());
        emulator.command("set rpm 800");
        QCOMPARE(emulator.query("ping"), QStringLiteral("pong"));

        QTemporaryDir folder;
        AppSettings settings;
        settings.CurrentView = 4; // the diagram view
        settings.SpeedMode = 2;   // "авто-перекл."
        settings.ViewInterval[1] = 1000;
        QVERIFY(
            SafeFile::write(folder.filePath("Tolmera10.dat"), SettingsFile::encode(settings)).ok);
        qputenv("VELANTAR_PORTS", emulator.devicePath().toLocal8Bit());

        ScriptedPrompts prompts;
        TForm1::Environment environment;
        environment.workingDirectory = folder.path();
        environment.prompts = &prompts;
        TForm1 window(environment);
        window.show();
        auto *indicator = window.findChild<QLineEdit *>("Edit7");
        QCOMPARE(indicator->text(), QStringLiteral(" МИН"));
        QCOMPARE(window.norms().limits().CoLimitInForce, 350);

        const auto coLabels = [&] {
            const auto ticker = qSharedPointerDynamicCast<QCPAxisTickerText>(
                window.diagrams().diagram(0).chart()->yAxis2->ticker());
            return QStringList(ticker->ticks().values()).join(u'|').simplified();
        };
        const auto waitFor = [&](const QString &text) {
            return QTest::qWaitFor([&] { return indicator->text() == text; }, 30000);
        };

        emulator.command("set rpm 2600"); // above 2150
        QVERIFY2(waitFor(QStringLiteral(" ПОВ")), qPrintable(indicator->text()));
        QCOMPARE(window.norms().limits().CoLimitInForce, 200);
        QCOMPARE(window.norms().limits().ChLimitInForce, 600);
        QVERIFY2(coLabels().endsWith(QStringLiteral("2,00")), qPrintable(coLabels()));

        emulator.command("set rpm 1000"); // below 1450
        QVERIFY2(waitFor(QStringLiteral(" МИН")), qPrintable(indicator->text()));
        QCOMPARE(window.norms().limits().CoLimitInForce, 350);
        QVERIFY2(coLabels().endsWith(QStringLiteral("3,50")), qPrintable(coLabels()));
        QVERIFY(window.close());
    }
};

QTEST_MAIN(TestDiagramE2E)
#include "test_diagram_e2e.moc"
