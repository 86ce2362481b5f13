#include "app_settings.h"
#include "bgr_color.h"
#include "options/general_page.h"
#include "options/port_page.h"
#include "radio_group.h"
#include "run_state.h"
#include "scripted_prompts.h"
#include "settings_ranges.h"
#include "tpagesdlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

using SettingsRanges::fieldIndex;

namespace {

// A field of the settings, the value a test gives it, and whether "OK" writes it back from
// its control (false: applied at once, or by the window).
struct FieldValue {
    int field;
    qint32 value;
    bool readOnOk;
};

// What a control shows: a spin edit its value, a check box whether it is ticked, a radio
// group its item, a sample box its background and text colours, a memo its text;
// "Name:enabled" whether it is enabled.
QVariant shown(const TPagesDlg &dialog, const QString &name) {
    if (name.endsWith(":enabled"))
        return dialog.findChild<QWidget *>(name.section(':', 0, 0))->isEnabled();
    QWidget *control = dialog.findChild<QWidget *>(name);
    if (!control)
        return QStringLiteral("no control ") + name;
    if (auto *spin = qobject_cast<QSpinBox *>(control))
        return spin->value();
    if (auto *box = qobject_cast<QCheckBox *>(control))
        return box->isChecked();
    if (auto *group = qobject_cast<RadioGroup *>(control))
        return group->itemIndex();
    if (auto *memo = qobject_cast<QPlainTextEdit *>(control))
        return memo->toPlainText();
    const QPalette palette = control->palette();
    return palette.color(QPalette::Base).name() + '/' + palette.color(QPalette::Text).name();
}

// The dialog over a run state, with every signal it sends recorded by name.
struct Rig {
    RunState state;
    CurrentReadings readings; // in place of the readings source
    ScriptedPrompts prompts;
    TPagesDlg dialog{state, prompts};
    QStringList signalsSent;

    Rig() {
        state.bindReadings(readings);
        const std::pair<void (TPagesDlg::*)(), const char *> plain[] = {
            {&TPagesDlg::appearanceChanged, "appearance"},
            {&TPagesDlg::intervalsChanged, "intervals"},
            {&TPagesDlg::graphSettingsChanged, "graph"},
            {&TPagesDlg::modeIndicationSwitchedOff, "modes off"},
            {&TPagesDlg::normalPollingRequested, "normal polling"},
            {&TPagesDlg::reportKindChanged, "report kind"},
            {&TPagesDlg::resetRequested, "reset"},
            {&TPagesDlg::connectRequested, "connect"}};
        for (const auto &[signal, name] : plain)
            QObject::connect(&dialog, signal, &dialog,
                             [this, name = name] { signalsSent << name; });
        QObject::connect(&dialog, &TPagesDlg::windowModeChanged, &dialog, [this](int mode) {
            signalsSent << QStringLiteral("window %1").arg(mode);
        });
    }
    template <typename Control = QWidget> Control *find(const QString &name) {
        return dialog.findChild<Control *>(name);
    }
    void click(const QString &name) { find<QAbstractButton>(name)->click(); }
    void open() { dialog.openAt(TPagesDlg::General, false); }
};

} // namespace

Q_DECLARE_METATYPE(QList<FieldValue>)

class TestOptionsDialog : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    // Every page shows its fields at show, and "OK" writes back exactly the fields it reads
    // from the controls: run on a record of defaults, it restores the page's values and
    // leaves every other field (those applied at once included) as it is.
    void pagesRoundTrip_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QList<FieldValue>>("values");
        QTest::addColumn<QVariantMap>("controls");
        const auto F = [](auto member, qint32 value, bool readOnOk) {
            return FieldValue{fieldIndex(member), value, readOnOk};
        };
        const auto E = [](auto array, int element, qint32 value, bool readOnOk) {
            return FieldValue{fieldIndex(array, element), value, readOnOk};
        };
        using S = AppSettings;
        QTest::newRow("Общие") << int(TPagesDlg::General)
                               << QList<FieldValue>{E(&S::ViewInterval, 0, 250, true),
                                                    E(&S::ViewInterval, 1, 2500, true),
                                                    F(&S::WindowMode, 0, false),
                                                    F(&S::OldAnalyser, 1, true),
                                                    F(&S::NoBuiltInPrinter, 0, true)}
                               << QVariantMap{{"SpinEdit1", 250},
                                              {"SpinEdit2", 2500},
                                              {"RadioGroup6", 0},
                                              {"CheckBox6", false},
                                              {"CheckBox7", true}};
        QTest::newRow("Цвет") << int(TPagesDlg::Colour)
                              << QList<FieldValue>{E(&S::ChannelColor, 2, 0x123456, false),
                                                   F(&S::GraphBackColor, 0x00FF00, false),
                                                   F(&S::NormColor, 0x0000FF, false),
                                                   F(&S::LineWidth, 4, true)}
                              << QVariantMap{{"Edit3", "#563412/#000000"},
                                             {"Edit7", "#00ff00/#000000"},
                                             {"Edit8", "#ff0000/#000000"},
                                             {"SpinEdit7", 4}};
        QTest::newRow("График")
            << int(TPagesDlg::Graph)
            << QList<FieldValue>{F(&S::PointsOnScreen, 500, true), F(&S::ShiftPercent, 40, true),
                                 F(&S::TotalPoints, 2000, true), F(&S::ShiftByOnePoint, 0, false),
                                 E(&S::ViewInterval, 2, 300, true)}
            << QVariantMap{{"SpinEdit4", 500},
                           {"SpinEdit5", 40},
                           {"SpinEdit5:enabled", true},
                           {"SpinEdit6", 2000},
                           {"CheckBox1", false},
                           {"SpinEdit3", 300},
                           {"Memo9", "   Max.размер файла (*.dan):  32.064  байт\n"
                                     "   Время заполнения:  0 час. 10 мин. 0 сек."}};
        QTest::newRow("Управл.") << int(TPagesDlg::Control)
                                 << QList<FieldValue>{F(&S::GraphStartMode, 0, true),
                                                      F(&S::GraphFullAction, 1, true),
                                                      F(&S::NoRecordWhenHidden, 1, true),
                                                      F(&S::LegendHidden, 1, true),
                                                      E(&S::FullScale, 0, 5, true),
                                                      E(&S::FullScale, 4, 50, true),
                                                      E(&S::FullScale, 5, 9000, true)}
                                 << QVariantMap{{"RadioGroup1", 0},   {"RadioGroup3", 1},
                                                {"CheckBox2", false}, {"CheckBox3", false},
                                                {"SpinEdit8", 5},     {"SpinEdit12", 50},
                                                {"SpinEdit13", 9000}};
        QTest::newRow("Нормы") << int(TPagesDlg::Norms)
                               << QList<FieldValue>{F(&S::AlarmStyle, 4, false),
                                                    F(&S::VehicleFieldIndex, 2, true),
                                                    F(&S::ReportKind, 1, true),
                                                    F(&S::ReportFormUnlocked, 1, false)}
                               << QVariantMap{{"RadioGroup2", 4},
                                              {"RadioGroup5", 2},
                                              {"RadioGroup9", 1},
                                              {"RadioGroup9:enabled", true}};
        QTest::newRow("Нормы, form locked")
            << int(TPagesDlg::Norms) << QList<FieldValue>{F(&S::ReportKind, 2, true)}
            << QVariantMap{{"RadioGroup9", 2}, {"RadioGroup9:enabled", false}};
        QTest::newRow("Порт") << int(TPagesDlg::Port)
                              << QList<FieldValue>{F(&S::PortMode, 1, false),
                                                   F(&S::FixedPort, 3, false),
                                                   F(&S::PortScanRange, 2, false),
                                                   F(&S::ConnectAtStart, 0, true)}
                              << QVariantMap{{"RadioGroup8", 1},
                                             {"RadioGroup7", 2}, // "COM3"
                                             {"RadioGroup4", 2},
                                             {"CheckBox5", false},
                                             {"RadioGroup4:enabled", false},
                                             {"RadioGroup7:enabled", true}};
        QTest::newRow("Порт, searching")
            << int(TPagesDlg::Port) << QList<FieldValue>{}
            << QVariantMap{{"RadioGroup4:enabled", true}, {"RadioGroup7:enabled", false}};
        QTest::newRow("Прочее") << int(TPagesDlg::Other)
                                << QList<FieldValue>{E(&S::TextColor, 2, 0x0000FF, false),
                                                     E(&S::BackColor, 2, 0x00FF00, false),
                                                     E(&S::BackColor, 4, 0xFF0000, false)}
                                << QVariantMap{{"Edit10", "#00ff00/#ff0000"},
                                               {"Edit13", "#0000ff/#000080"}};
        QTest::newRow("Показания") << int(TPagesDlg::Readings)
                                   << QList<FieldValue>{F(&S::ReadingsTextColor, 0x00FFFF, false),
                                                        F(&S::LabelsBackColor, 0x000080, false),
                                                        F(&S::ReadingsPanelColor, 0x008000, false),
                                                        F(&S::ReadingsUseChannelColors, 1, false)}
                                   << QVariantMap{{"Edit14", "#000000/#ffff00"},
                                                  {"Edit15", "#800000/#0000ff"},
                                                  {"Edit16", "#008000/#000000"},
                                                  {"CheckBox4", true}};
    }
    void pagesRoundTrip() {
        QFETCH(int, page);
        QFETCH(QList<FieldValue>, values);
        QFETCH(QVariantMap, controls);
        Rig rig;
        for (const FieldValue &v : values)
            rig.state.Store.setField(v.field, v.value);
        rig.dialog.openAt(TPagesDlg::Page(page), false);
        QCOMPARE(rig.dialog.pages()->currentIndex(), page);
        for (auto it = controls.cbegin(); it != controls.cend(); ++it)
            QCOMPARE(shown(rig.dialog, it.key()), it.value());

        rig.state.Store.replace(AppSettings());
        rig.click("OKBtn");
        AppSettings expected;
        for (const FieldValue &v : values)
            if (v.readOnOk)
                expected.field(v.field) = v.value;
        for (int field = 0; field < AppSettings::kFieldCount; ++field)
            QCOMPARE(rig.state.Settings.field(field), expected.field(field));
        QVERIFY(!rig.dialog.isVisible());
    }

    // Controls applied at once write their field on the click and keep it after "Отмена";
    // the others wait for "OK". A colour is applied even when the colour dialog is cancelled.
    void immediateControls_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QList<QColor>>("colours"); // the colour dialog's answers
        QTest::addColumn<int>("field");
        QTest::addColumn<qint32>("value");
        QTest::addColumn<QStringList>("sent");
        using S = AppSettings;
        const QStringList appearance{"appearance"};
        QTest::newRow("channel colour")
            << "Button3" << QList<QColor>{QColor(0x12, 0x34, 0x56)}
            << fieldIndex(&S::ChannelColor, 2) << 0x563412 << QStringList{"appearance", "graph"};
        QTest::newRow("graph background")
            << "Button7" << QList<QColor>{Qt::white} << fieldIndex(&S::GraphBackColor) << 0xFFFFFF
            << appearance;
        QTest::newRow("header memo background")
            << "Button12" << QList<QColor>{Qt::red} << fieldIndex(&S::BackColor, 2) << 0x0000FF
            << appearance;
        QTest::newRow("labels text") << "Button21" << QList<QColor>{Qt::green}
                                     << fieldIndex(&S::LabelsTextColor) << 0x00FF00 << appearance;
        QTest::newRow("colour dialog cancelled")
            << "Button23" << QList<QColor>{} << fieldIndex(&S::ReadingsPanelColor)
            << S().ReadingsPanelColor << appearance;
        QTest::newRow("alarm style") << "RadioGroup2_5" << QList<QColor>{}
                                     << fieldIndex(&S::AlarmStyle) << 5 << QStringList{};
        QTest::newRow("scan range") << "RadioGroup4_2" << QList<QColor>{}
                                    << fieldIndex(&S::PortScanRange) << 2 << QStringList{};
        QTest::newRow("port mode")
            << "RadioGroup8_1" << QList<QColor>{} << fieldIndex(&S::PortMode) << 1 << QStringList{};
        QTest::newRow("one-point scrolling off")
            << "CheckBox1" << QList<QColor>{} << fieldIndex(&S::ShiftByOnePoint) << 0
            << QStringList{"graph"};
        QTest::newRow("channel colours for the readings")
            << "CheckBox4" << QList<QColor>{} << fieldIndex(&S::ReadingsUseChannelColors) << 1
            << appearance;
        QTest::newRow("built-in printer") << "CheckBox7" << QList<QColor>{}
                                          << fieldIndex(&S::NoBuiltInPrinter) << 0 << QStringList{};
        QTest::newRow("legend waits for OK")
            << "CheckBox3" << QList<QColor>{} << fieldIndex(&S::LegendHidden) << 0 << QStringList{};
        QTest::newRow("report characteristic waits for OK")
            << "RadioGroup5_2" << QList<QColor>{} << fieldIndex(&S::VehicleFieldIndex) << 0
            << QStringList{};
    }
    void immediateControls() {
        QFETCH(QString, control);
        QFETCH(QList<QColor>, colours);
        QFETCH(int, field);
        QFETCH(qint32, value);
        QFETCH(QStringList, sent);
        Rig rig;
        rig.prompts.colors = colours;
        rig.open();
        rig.click(control);
        QCOMPARE(rig.state.Settings.field(field), value);
        QCOMPARE(rig.signalsSent, sent);
        rig.click("CancelBtn");
        QVERIFY(!rig.dialog.isVisible());
        QCOMPARE(rig.state.Settings.field(field), value);
        QCOMPARE(rig.signalsSent, sent);
    }

    // The release of Backspace, Space, Delete, plus, minus or "=" sets that spin edit, and no
    // other, to its minimum.
    void spinEditKeys_data() {
        QTest::addColumn<QString>("spin");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("value");
        QTest::newRow("Delete in the CO full scale")
            << "SpinEdit8" << int(Qt::Key_Delete) << 0 << 1;
        QTest::newRow("Backspace in the total points")
            << "SpinEdit6" << int(Qt::Key_Backspace) << 0 << 50;
        QTest::newRow("Space in the diagram interval")
            << "SpinEdit2" << int(Qt::Key_Space) << 0 << 1000;
        QTest::newRow("keypad plus in the table interval")
            << "SpinEdit1" << int(Qt::Key_Plus) << int(Qt::KeypadModifier) << 100;
        QTest::newRow("keypad minus in the line width")
            << "SpinEdit7" << int(Qt::Key_Minus) << int(Qt::KeypadModifier) << 1;
        QTest::newRow("= in the engine speed full scale")
            << "SpinEdit13" << int(Qt::Key_Equal) << 0 << 100;
        QTest::newRow("- in the sampling interval")
            << "SpinEdit3" << int(Qt::Key_Minus) << 0 << 100;
        QTest::newRow("a digit changes nothing") << "SpinEdit8" << int(Qt::Key_5) << 0 << 4;
    }
    void spinEditKeys() {
        QFETCH(QString, spin);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, value);
        Rig rig;
        rig.open();
        for (QSpinBox *each : rig.dialog.findChildren<QSpinBox *>())
            each->setValue(each->minimum() + 3);
        QTest::keyRelease(rig.find(spin), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        for (QSpinBox *each : rig.dialog.findChildren<QSpinBox *>())
            QCOMPARE(each->value(), each->objectName() == spin ? value : each->minimum() + 3);
        const QString memo = rig.find<QPlainTextEdit>("Memo9")->toPlainText();
        QCOMPARE(memo.contains("  864  байт"), spin == "SpinEdit6");
        QVERIFY(rig.dialog.isVisible());
    }

    // The arrows and the Up and Down keys move the intervals by 100 ms and the graph's point
    // counts by 50; the other spin edits by 1.
    void spinEditSteps_data() {
        QTest::addColumn<QString>("spin");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("up");
        QTest::newRow("points on the screen") << "SpinEdit4" << 250 << 300;
        QTest::newRow("total points") << "SpinEdit6" << 1000 << 1050;
        QTest::newRow("sampling interval") << "SpinEdit3" << 1000 << 1100;
        QTest::newRow("table interval") << "SpinEdit1" << 1000 << 1100;
        QTest::newRow("diagram interval") << "SpinEdit2" << 1500 << 1600;
        QTest::newRow("line width") << "SpinEdit7" << 2 << 3;
    }
    void spinEditSteps() {
        QFETCH(QString, spin);
        QFETCH(int, from);
        QFETCH(int, up);
        Rig rig;
        rig.open();
        auto *edit = rig.find<QSpinBox>(spin);
        edit->setValue(from);
        QTest::keyClick(edit, Qt::Key_Up);
        QCOMPARE(edit->value(), up);
        QTest::keyClick(edit, Qt::Key_Down);
        QCOMPARE(edit->value(), from);
    }

    // Memo9 follows the typed values: Enter takes them without closing the dialog.
    void fileTextFollowsTypedValues() {
        Rig rig;
        rig.open();
        auto *total = rig.find<QSpinBox>("SpinEdit6");
        auto *interval = rig.find<QSpinBox>("SpinEdit3");
        interval->setValue(20000);
        total->findChild<QLineEdit *>()->setText("100000");
        QTest::keyClick(total, Qt::Key_Return);
        QVERIFY(rig.dialog.isVisible());
        QCOMPARE(total->value(), 100000);
        QCOMPARE(rig.find<QPlainTextEdit>("Memo9")->toPlainText(),
                 QStringLiteral("   Max.размер файла (*.dan):  524.336  байт\n"
                                "   Время заполнения:  555 час. 33 мин. 20 сек."));
    }

    // The mode indication box: only a four-component analyser reports its modes.
    void modeIndicationBox_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("oldAnalyser");
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<QString>("sent");
        QTest::addColumn<int>("oldAnalyserAfter");
        QTest::newRow("ticked, four-component")
            << int(AnalyserKind::FourComponent) << 1 << true << "normal polling" << 0;
        QTest::newRow("ticked, two-component")
            << int(AnalyserKind::TwoComponent) << 1 << false << "modes off" << 1;
        QTest::newRow("ticked, unknown")
            << int(AnalyserKind::Unknown) << 1 << false << "modes off" << 1;
        QTest::newRow("unticked") << int(AnalyserKind::FourComponent) << 0 << false << "modes off"
                                  << 1;
    }
    void modeIndicationBox() {
        QFETCH(int, kind);
        QFETCH(int, oldAnalyser);
        QFETCH(bool, ticked);
        QFETCH(QString, sent);
        QFETCH(int, oldAnalyserAfter);
        Rig rig;
        rig.readings.analyserKind = AnalyserKind(kind);
        rig.state.Store.set(&AppSettings::OldAnalyser, oldAnalyser);
        rig.open();
        rig.click("CheckBox6");
        QCOMPARE(rig.find<QCheckBox>("CheckBox6")->isChecked(), ticked);
        QCOMPARE(rig.state.Settings.OldAnalyser, oldAnalyserAfter);
        QCOMPARE(rig.signalsSent, QStringList{sent});
        rig.click("OKBtn");
        QCOMPARE(rig.state.Settings.OldAnalyser, oldAnalyserAfter);
    }

    // "OK" runs its steps in order; the window mode only after a click on its group.
    void okSteps_data() {
        QTest::addColumn<QString>("windowItem"); // clicked before "OK", or none
        QTest::addColumn<QStringList>("sent");
        QTest::newRow("window group untouched")
            << QString() << QStringList{"intervals", "graph", "report kind", "appearance"};
        QTest::newRow("full screen chosen")
            << "RadioGroup6_2"
            << QStringList{"intervals", "graph", "window 2", "report kind", "appearance"};
        QTest::newRow("the same mode clicked again")
            << "RadioGroup6_1"
            << QStringList{"intervals", "graph", "window 1", "report kind", "appearance"};
    }
    void okSteps() {
        QFETCH(QString, windowItem);
        QFETCH(QStringList, sent);
        Rig rig;
        rig.open();
        if (!windowItem.isEmpty())
            rig.click(windowItem);
        rig.click("OKBtn");
        QCOMPARE(rig.signalsSent, sent);
        QCOMPARE(rig.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(rig.state.Settings.WindowMode, 1); // the window sets it when it applies it
        // Shown again, the group starts untouched.
        rig.signalsSent.clear();
        rig.open();
        rig.click("OKBtn");
        QVERIFY(!rig.signalsSent.join(',').contains("window"));
    }

    // "Настройки по умолчанию." asks first; Yes marks the settings for their reset at exit,
    // closes the dialog and asks for the program to end.
    void defaultsButton_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("reset");
        QTest::newRow("Yes") << int(UserPrompts::Answer::Yes) << true;
        QTest::newRow("No") << int(UserPrompts::Answer::No) << false;
        QTest::newRow("Cancel") << int(UserPrompts::Answer::Cancel) << false;
    }
    void defaultsButton() {
        QFETCH(int, answer);
        QFETCH(bool, reset);
        Rig rig;
        rig.prompts.answers = {UserPrompts::Answer(answer)};
        rig.open();
        rig.click("Button24");
        QCOMPARE(rig.prompts.shown,
                 QStringList{"Вы действительно хотите восстановить значения по умолчанию ? "
                             "После ответа \"YES\" перезапустите программу."});
        QCOMPARE(rig.state.Flags.ResetSettings, reset);
        QCOMPARE(rig.signalsSent, reset ? QStringList{"reset"} : QStringList{});
        QCOMPARE(rig.dialog.isVisible(), !reset);
        QCOMPARE(rig.state.Settings, AppSettings());
    }

    // However the dialog was shown before (not at all, non-modally after a failed search), a
    // modal opening blocks the window; an opening while it runs only turns the page.
    void modalOpeningIsModal_data() {
        QTest::addColumn<bool>("shownBefore");
        QTest::newRow("closed") << false;
        QTest::newRow("shown non-modally") << true;
    }
    void modalOpeningIsModal() {
        QFETCH(bool, shownBefore);
        Rig rig;
        if (shownBefore)
            rig.dialog.openAt(TPagesDlg::Port, false);
        QList<bool> modal; // for each modal loop entered: whether the dialog blocks the window
        rig.dialog.runModal = [&](QDialog &dialog) {
            QTimer::singleShot(0, &dialog, [&] {
                modal << (QApplication::activeModalWidget() == &dialog);
                rig.dialog.openAt(TPagesDlg::Graph, true); // "Опции." once more, in the loop
                QCOMPARE(rig.dialog.pages()->currentIndex(), int(TPagesDlg::Graph));
                dialog.reject();
            });
            return runModally(dialog);
        };
        rig.dialog.openAt(TPagesDlg::General, true);
        QCOMPARE(modal, QList<bool>{true});
        QVERIFY(!rig.dialog.isVisible());
    }

    // A modal opening runs through runModal, on the page asked for; the port page's
    // "Связь" asks for the link.
    void modalOpeningAndConnect() {
        Rig rig;
        int runs = 0;
        rig.dialog.runModal = [&](QDialog &dialog) {
            ++runs;
            dialog.show();
            rig.click("BitBtn1");
            rig.click("CancelBtn");
            return dialog.result();
        };
        rig.dialog.openAt(TPagesDlg::Port, true);
        QCOMPARE(runs, 1);
        QCOMPARE(rig.dialog.pages()->currentIndex(), int(TPagesDlg::Port));
        QCOMPARE(rig.signalsSent, QStringList{"connect"});
        const QString device = rig.find<QRadioButton>("RadioGroup7_0")->toolTip();
        QCOMPARE(rig.find<QLabel>("PortDevice1")->text(), "COM1: " + device);
    }

    // A device this user may not open is marked; a missing port is still "нет порта".
    void portPageMarksDevicesWithoutAccess() {
        qputenv("VELANTAR_PORTS", "/dev/ttyUSB0:/dev/ttyUSB1:");
        Rig rig;
        rig.dialog.findChild<PortPage *>()->accessDenied = [](const QString &device) {
            return device == QStringLiteral("/dev/ttyUSB1");
        };
        rig.dialog.openAt(TPagesDlg::Port, false);
        const QStringList expected = {"COM1: /dev/ttyUSB0", "COM2: /dev/ttyUSB1 (нет доступа)",
                                      "COM3: нет порта"};
        for (int port = 1; port <= expected.size(); ++port)
            QCOMPARE(rig.find<QLabel>(QStringLiteral("PortDevice%1").arg(port))->text(),
                     expected[port - 1]);
        rig.dialog.close();
        qunsetenv("VELANTAR_PORTS");
    }
};

QTEST_MAIN(TestOptionsDialog)
#include "test_options_dialog.moc"
