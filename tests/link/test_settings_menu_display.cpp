#include "fake_channel.h"
#include "scripted_prompts.h"
#include "settings_menu_display.h"
#include "tvelantar.h"

#include <QtTest>

namespace {

CurrentReadings readingsWith(qint32 pressure, quint8 cylinders, quint8 sensitivity) {
    CurrentReadings readings;
    readings.pressure = pressure;
    readings.cylinders = cylinders;
    readings.tachoSensitivity = sensitivity;
    return readings;
}

} // namespace

class TestSettingsMenuDisplay : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void menuFromFlags_data();
    void menuFromFlags();
    void valueText_data();
    void valueText();
    void dialogFollowsTheMenu_data();
    void dialogFollowsTheMenu();
    void switchingTheIndicationOff_data();
    void switchingTheIndicationOff();
};

void TestSettingsMenuDisplay::menuFromFlags_data() {
    QTest::addColumn<int>("modeFlags");
    QTest::addColumn<int>("menuFlags");
    QTest::addColumn<int>("menu");

    QTest::newRow("none") << 0xfb << 0xcf << 0;
    QTest::newRow("pressure") << 0x04 << 0 << 1;
    QTest::newRow("cylinders") << 0 << 0x10 << 2;
    QTest::newRow("tachometer") << 0 << 0x20 << 3;
    QTest::newRow("pressure wins over the tachometer") << 0x04 << 0x20 << 1;
    QTest::newRow("cylinders win over the tachometer") << 0 << 0x30 << 2;
}

void TestSettingsMenuDisplay::menuFromFlags() {
    QFETCH(int, modeFlags);
    QFETCH(int, menuFlags);
    QFETCH(int, menu);
    QCOMPARE(SettingsMenuDisplay::menuFor(quint8(modeFlags), quint8(menuFlags)), menu);
}

void TestSettingsMenuDisplay::valueText_data() {
    QTest::addColumn<int>("menu");
    QTest::addColumn<int>("pressure");
    QTest::addColumn<QString>("text");

    QTest::newRow("pressure 15500") << 1 << 15500 << "759";
    QTest::newRow("pressure 0") << 1 << 0 << "0";
    QTest::newRow("largest pressure word") << 1 << 65535 << "3212";
    QTest::newRow("negative pressure cut toward zero") << 1 << -100 << "-4";
    QTest::newRow("cylinders") << 2 << 15500 << "6";
    QTest::newRow("sensitivity") << 3 << 15500 << "3";
}

void TestSettingsMenuDisplay::valueText() {
    QFETCH(int, menu);
    QFETCH(int, pressure);
    QFETCH(QString, text);
    QCOMPARE(SettingsMenuDisplay::valueText(menu, readingsWith(pressure, 6, 3)), text);
}

// A run of receive ticks, each with the menu the analyser has open; each row checks the
// last tick's decisions.
void TestSettingsMenuDisplay::dialogFollowsTheMenu_data() {
    using Step = SettingsMenuDisplay::Step;
    using Opening = SettingsMenuDisplay::Opening;
    QTest::addColumn<QList<int>>("menus");
    QTest::addColumn<Step>("last");

    const Opening pressure{"Атмосферное давление", true, false};
    const Opening cylinders{"Число циллиндров", false, true};
    const Opening tacho{"Чувствительность тахометра", true, false};
    QTest::newRow("no menu, dialog closed: nothing") << QList<int>{0} << Step{};
    QTest::newRow("pressure menu opens") << QList<int>{1} << Step{pressure, "759", false, 1, true};
    QTest::newRow("cylinders menu opens") << QList<int>{2} << Step{cylinders, "6", false, 1, true};
    QTest::newRow("tachometer menu opens") << QList<int>{3} << Step{tacho, "3", false, 1, true};
    QTest::newRow("open menu: only the value")
        << QList<int>{3, 3} << Step{std::nullopt, "3", false, std::nullopt, false};
    QTest::newRow("straight into another menu keeps the texts")
        << QList<int>{3, 1} << Step{std::nullopt, "759", false, std::nullopt, false};
    QTest::newRow("menu left: dialog closes, normal cycle")
        << QList<int>{2, 0} << Step{std::nullopt, std::nullopt, true, 0, false};
    QTest::newRow("closed once only") << QList<int>{2, 0, 0} << Step{};
    QTest::newRow("opens again") << QList<int>{2, 0, 1} << Step{pressure, "759", false, 1, true};
}

void TestSettingsMenuDisplay::dialogFollowsTheMenu() {
    QFETCH(QList<int>, menus);
    QFETCH(SettingsMenuDisplay::Step, last);

    SettingsMenuDisplay display;
    const CurrentReadings readings = readingsWith(15500, 6, 3);
    SettingsMenuDisplay::Step step;
    for (int menu : menus)
        step = display.tick(menu, readings);
    QCOMPARE(step, last);
    QCOMPARE(display.dialogShown(), menus.last() != 0);

    TVelantar analyser;
    FakeChannel channel;
    PollCycle cycle(analyser, channel);
    cycle.startCalibrationGasCycle();
    cycle.setStep(7);
    step.applyToPollCycle(cycle);
    QCOMPARE(cycle.mode(), last.pollMode.value_or(int(PollCycle::CalibrationGas)));
    QCOMPARE(cycle.step(), last.resetPollStep ? 0 : 7);
}

void TestSettingsMenuDisplay::switchingTheIndicationOff_data() {
    using Answer = UserPrompts::Answer;
    QTest::addColumn<int>("key");
    QTest::addColumn<QList<Answer>>("answers");
    QTest::addColumn<bool>("switchedOff");

    QTest::newRow("Esc, Yes") << int(Qt::Key_Escape) << QList<Answer>{Answer::Yes} << true;
    QTest::newRow("Esc, No") << int(Qt::Key_Escape) << QList<Answer>{Answer::No} << false;
    QTest::newRow("Esc, Cancel") << int(Qt::Key_Escape) << QList<Answer>{Answer::Cancel} << false;
    QTest::newRow("another key asks nothing") << int(Qt::Key_Return) << QList<Answer>{} << false;
}

void TestSettingsMenuDisplay::switchingTheIndicationOff() {
    QFETCH(int, key);
    QFETCH(QList<UserPrompts::Answer>, answers);
    QFETCH(bool, switchedOff);

    ScriptedPrompts prompts;
    prompts.answers = answers;
    const auto off = SettingsMenuDisplay::keyReleased(key, prompts);
    QCOMPARE(prompts.shown, answers.isEmpty()
                                ? QStringList{}
                                : QStringList{"Отключить индикацию режимов работы ?"});
    QCOMPARE(off.has_value(), switchedOff);
    if (off)
        QVERIFY(off->oldAnalyser == 1 && off->closeDialog);
}

QTEST_GUILESS_MAIN(TestSettingsMenuDisplay)
#include "test_settings_menu_display.moc"
