#include "emulator_process.h"
#include "link_controller.h"
#include "scripted_prompts.h"
#include "tform1.h"
#include "tupr.h"

#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

// The main window against the emulator on a pseudo-terminal: when the analyser opens its
// pressure menu, the poll cycle turns to the settings-menu requests and the tachometer
// dialog opens with the value; when it leaves the menu, the normal cycle comes back and the
// dialog closes.
class TestTachoE2E : public QObject {
    Q_OBJECT

    // The first three bytes ("99 47 00") of the traced frames.
    static QStringList requests(const QStringList &trace) {
        QStringList out;
        for (const QString &line : trace)
            out << line.mid(3, 8);
        return out;
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void dialogFollowsTheAnalysersMenu() {
        EmulatorProcess emulator;
        QVERIFY(emulator.start());
        emulator.command("set pressure 15500");
        emulator.command("trace on");
        QCOMPARE(emulator.query("ping"), QStringLiteral("pong"));
        qputenv("VELANTAR_PORTS", emulator.devicePath().toLocal8Bit());

        QTemporaryDir folder;
        ScriptedPrompts prompts;
        TForm1::Environment environment;
        environment.workingDirectory = folder.path();
        environment.prompts = &prompts;
        TForm1 window(environment); // the defaults connect at start
        window.show();
        QVERIFY(QTest::qWaitFor([&] { return window.link().isPolling(); }, 15000));
        auto *dialog = window.findChild<TUpr *>();
        QVERIFY(dialog && !dialog->isVisible());

        QStringList seen;
        const auto traceUntil = [&](const std::function<bool()> &condition) {
            return QTest::qWaitFor(
                [&] {
                    emulator.pump(5);
                    seen += requests(emulator.takeTrace());
                    return condition();
                },
                15000);
        };

        // The pressure word (327) is read, the dialog shows 15500 x 3213 / 65536.
        emulator.command("menu pressure");
        QVERIFY(traceUntil([&] {
            return dialog->isVisible() && seen.contains("99 47 00") &&
                   dialog->findChild<QLineEdit *>("Edit1")->text() == "759";
        }));
        QCOMPARE(dialog->findChild<QLabel *>("Label1")->text(),
                 QStringLiteral("Атмосферное давление"));
        QCOMPARE(window.link().pollCycle().mode(), int(PollCycle::SettingsMenu));

        // No menu: the dialog closes and the normal cycle reads the pump flags (54) again.
        emulator.command("menu none");
        QVERIFY(traceUntil([&] { return !dialog->isVisible(); }));
        seen.clear();
        QVERIFY(traceUntil([&] { return seen.contains("98 36 00"); }));
        QCOMPARE(window.link().pollCycle().mode(), int(PollCycle::Normal));
        QVERIFY(prompts.shown.isEmpty());
    }
};

QTEST_MAIN(TestTachoE2E)
#include "test_tacho_e2e.moc"
