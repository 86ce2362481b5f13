#include "app_settings.h"
#include "fake_channel.h"
#include "poll_cycle.h"
#include "scripted_prompts.h"
#include "settings_store.h"
#include "tupr.h"
#include "tvelantar.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

namespace {

struct Rig {
    FakeChannel channel;
    TVelantar analyser;
    PollCycle cycle{analyser, channel};
    SettingsStore settings;
    CurrentReadings readings;
    ScriptedPrompts prompts;
    TUpr dialog{cycle, settings, readings, prompts};
    QList<SettingsMenuDisplay::IndicationOff> switchedOff;

    Rig() {
        dialog.indicationSwitchedOff = [this](const SettingsMenuDisplay::IndicationOff &off) {
            switchedOff << off;
        };
    }
    // "closed <PollMode>" or "<label>|<value>|<panel shown>|<PollMode> <PollStep>".
    QString state() const {
        if (!dialog.isVisible())
            return QStringLiteral("closed %1").arg(cycle.mode());
        const bool keys = dialog.findChild<QFrame *>("Panel1")->isVisibleTo(&dialog);
        const bool cylinders = dialog.findChild<QFrame *>("Panel2")->isVisibleTo(&dialog);
        return QStringLiteral("%1|%2|%3|%4 %5")
            .arg(dialog.findChild<QLabel *>("Label1")->text(),
                 dialog.findChild<QLineEdit *>("Edit1")->text(),
                 keys == cylinders ? "both?"
                 : keys            ? "keys"
                                   : "cylinders")
            .arg(cycle.mode())
            .arg(cycle.step());
    }
    void release(int key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QApplication::sendEvent(&dialog, &press);
        QApplication::sendEvent(&dialog, &release);
    }
};

} // namespace

class TestTUpr : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void followsTheAnalysersMenu_data();
    void followsTheAnalysersMenu();
    void keys_data();
    void keys();
    void formTexts();
};

void TestTUpr::followsTheAnalysersMenu_data() {
    QTest::addColumn<int>("pressure");
    QTest::addColumn<QList<int>>("menus"); // the menu of each receive tick
    QTest::addColumn<QStringList>("states");

    QTest::newRow("pressure opens at the first request and closes with the menu")
        << 15500 << QList<int>{1, 1, 0, 0}
        << QStringList{"Атмосферное давление|759|keys|1 0", "Атмосферное давление|759|keys|1 3",
                       "closed 0", "closed 0"};
    QTest::newRow("a zero pressure word shows 0")
        << 0 << QList<int>{1} << QStringList{"Атмосферное давление|0|keys|1 0"};
    QTest::newRow("cylinders show the other reminder")
        << 15500 << QList<int>{2, 0} << QStringList{"Число циллиндров|6|cylinders|1 0", "closed 0"};
    QTest::newRow("straight into another menu keeps the first texts")
        << 15500 << QList<int>{3, 2, 1}
        << QStringList{"Чувствительность тахометра|3|keys|1 0",
                       "Чувствительность тахометра|6|keys|1 3",
                       "Чувствительность тахометра|759|keys|1 3"};
    QTest::newRow("no menu leaves a closed dialog alone")
        << 15500 << QList<int>{0} << QStringList{"closed 0"};
}

void TestTUpr::followsTheAnalysersMenu() {
    QFETCH(int, pressure);
    QFETCH(QList<int>, menus);
    QFETCH(QStringList, states);

    Rig rig;
    rig.readings.pressure = pressure;
    rig.readings.cylinders = 6;
    rig.readings.tachoSensitivity = 3;
    rig.cycle.setStep(3); // somewhere in the normal cycle
    QStringList seen;
    for (int menu : menus) {
        rig.dialog.showSettingsMenu(menu);
        seen << rig.state();
        rig.cycle.setStep(3); // the send ticks move on between receive ticks
    }
    QCOMPARE(seen, states);
    QCOMPARE(rig.channel.written, QByteArray()); // the dialog itself sends nothing
}

void TestTUpr::keys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<QList<UserPrompts::Answer>>("answers");
    QTest::addColumn<bool>("switchedOff");

    using A = UserPrompts::Answer;
    QTest::newRow("Esc, Yes") << int(Qt::Key_Escape) << QList<A>{A::Yes} << true;
    QTest::newRow("Esc, No") << int(Qt::Key_Escape) << QList<A>{A::No} << false;
    QTest::newRow("Esc, Cancel") << int(Qt::Key_Escape) << QList<A>{A::Cancel} << false;
    QTest::newRow("another key") << int(Qt::Key_Return) << QList<A>{} << false;
}

void TestTUpr::keys() {
    QFETCH(int, key);
    QFETCH(QList<UserPrompts::Answer>, answers);
    QFETCH(bool, switchedOff);

    Rig rig;
    rig.readings.pressure = 15500;
    rig.dialog.showSettingsMenu(1);
    rig.prompts.answers = answers;
    rig.release(key);

    QCOMPARE(rig.prompts.shown, key == Qt::Key_Escape
                                    ? QStringList{"Отключить индикацию режимов работы ?"}
                                    : QStringList{});
    QCOMPARE(rig.settings.get().OldAnalyser, switchedOff ? 1 : 0);
    QCOMPARE(rig.cycle.mode(), switchedOff ? int(PollCycle::Normal) : int(PollCycle::SettingsMenu));
    QCOMPARE(rig.dialog.isVisible(), !switchedOff); // Esc's press alone never closes it
    QCOMPARE(rig.switchedOff.size(), switchedOff ? 1 : 0);
    if (switchedOff) {
        QCOMPARE(rig.switchedOff[0].pumpText, QString());
        QCOMPARE(rig.switchedOff[0].fuelText, QString());
        // The dialog-shown flag stays set, so a later report of the same menu does not
        // bring the dialog back.
        rig.dialog.showSettingsMenu(1);
        QVERIFY(!rig.dialog.isVisible());
    }
}

void TestTUpr::formTexts() {
    Rig rig;
    QCOMPARE(rig.dialog.windowTitle(), QStringLiteral("ИЗМЕНЕНИЕ"));
    QCOMPARE(rig.dialog.findChild<QLineEdit *>("Edit1")->text(), QStringLiteral("000"));
    QCOMPARE(rig.dialog.findChild<QLineEdit *>("Edit1")->palette().color(QPalette::Base),
             QColor(0, 128, 128));
    QCOMPARE(rig.dialog.findChild<QLabel *>("Label1")->text(),
             QStringLiteral("Чувствительность тахометра"));
    QVERIFY(!rig.dialog.isModal());
    QCOMPARE(rig.dialog.minimumSize(), rig.dialog.maximumSize()); // a fixed border
    QVERIFY(!(rig.dialog.windowFlags() & Qt::WindowMinMaxButtonsHint));
    QStringList keysLines;
    for (QLabel *line : rig.dialog.findChild<QFrame *>("Panel1")->findChildren<QLabel *>())
        keysLines << line->text();
    QCOMPARE(keysLines.first(), QStringLiteral("   \" + \"  - Увеличение."));
    QCOMPARE(keysLines.size(), 4);
    QCOMPARE(rig.dialog.findChild<QFrame *>("Panel2")->findChildren<QLabel *>().size(), 3);
}

QTEST_MAIN(TestTUpr)
#include "test_tupr.moc"
