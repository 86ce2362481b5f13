#include "run_state.h"
#include "screen_keyboard.h"
#include "screen_keyboard_keys.h"
#include "tform2.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include <functional>

namespace {

const QString Station = QStringLiteral("ООО Станция контроля");

// The dialog over a run state, run through its modal hook: the hook shows it, performs the
// test's actions, and cancels it when they left it open.
struct Rig {
    RunState state;
    TForm2 dialog{state};
    QList<bool> closings; // what vehicleDataClosed was told

    explicit Rig(int kind = 0) {
        state.Store.set(&AppSettings::ReportKind, kind);
        state.Vehicle = {Station, QStringLiteral("А123ВС"), QStringLiteral("Иванов"),
                         QStringLiteral("Марка:")};
        dialog.vehicleDataClosed = [this](bool ok) { closings << ok; };
    }
    bool run(const std::function<void()> &actions = {}) {
        dialog.runModal = [&actions](QDialog &d) {
            d.show();
            if (actions)
                actions();
            if (d.isVisible())
                d.done(QDialog::Rejected);
            return d.result();
        };
        return dialog.execute();
    }
    template <typename W = QWidget> W *find(const char *name) const {
        return dialog.findChild<W *>(QString::fromLatin1(name));
    }
    void click(const char *name) const { find<QPushButton>(name)->click(); }
    void clickKey(int row, int column) const {
        auto *keys = find<QTableWidget>("StringGrid1");
        QTest::mouseClick(keys->viewport(), Qt::LeftButton, {},
                          keys->visualRect(keys->model()->index(row, column)).center());
    }
    // `taps` clicks on one key as fast as the window system turns every second one into a
    // double click: press, release, double click, release.
    void tapKeyFast(int row, int column, int taps) const {
        auto *keys = find<QTableWidget>("StringGrid1");
        const QPoint at = keys->visualRect(keys->model()->index(row, column)).center();
        for (int tap = 0; tap < taps; ++tap) {
            if (tap % 2 == 0) {
                QTest::mousePress(keys->viewport(), Qt::LeftButton, {}, at);
            } else {
                QMouseEvent second(QEvent::MouseButtonDblClick, at,
                                   keys->viewport()->mapToGlobal(at), Qt::LeftButton,
                                   Qt::LeftButton, {});
                QApplication::sendEvent(keys->viewport(), &second);
            }
            QTest::mouseRelease(keys->viewport(), Qt::LeftButton, {}, at);
        }
    }
    QString text(const char *edit) const { return find<QLineEdit>(edit)->text(); }
    bool keyboardShown() const {
        return !find("GroupBox1")->isHidden() && find("Panel1")->isHidden();
    }
};

} // namespace

class TestVehicleDialog : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void showsTheFieldsWithTheLabelsOfTheKind_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("label1");
        QTest::addColumn<QString>("label2");
        QTest::newRow("report") << 0 << "№ автомобиля : "
                                << "Марка:";
        QTest::newRow("protocol") << 1 << "Тип прибора : ВЕЛАНТАР "
                                  << "Зав.№ прибора :";
        QTest::newRow("extended protocol") << 2 << "Тип прибора : ВЕЛАНТАР "
                                           << "Зав.№ прибора :";
    }
    void showsTheFieldsWithTheLabelsOfTheKind() {
        QFETCH(int, kind);
        Rig rig(kind);
        QCOMPARE(rig.dialog.windowTitle(), QStringLiteral("Оформление данных"));
        rig.run([&] {
            QTEST(rig.find<QLabel>("Label1")->text(), "label1");
            QTEST(rig.find<QLabel>("Label2")->text(), "label2");
            QCOMPARE(rig.find<QLabel>("Label3")->text(), QStringLiteral("Название СТО:"));
            QCOMPARE(rig.text("Edit1"), QStringLiteral("А123ВС"));
            QCOMPARE(rig.text("Edit2"), QStringLiteral("Иванов"));
            QCOMPARE(rig.text("Edit3"), Station);
            QVERIFY(!rig.find("Edit3")->isEnabled());
            QVERIFY(!rig.find("BitBtn3")->isEnabled());
            QCOMPARE(rig.dialog.focusWidget(), rig.find("Edit1"));
            QVERIFY(!rig.keyboardShown());
        });
    }

    void closing_data() {
        QTest::addColumn<bool>("unlock");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("station");
        const QString number16 = QStringLiteral("Н123456789012345");
        const QString station70 = QString(70, u'С');
        QTest::newRow("ОК cuts to the limits, station locked")
            << false << "Button2" << true << number16.left(15) << Station;
        QTest::newRow("Изменить, ОК")
            << true << "Button2" << true << number16.left(15) << station70.left(64);
        QTest::newRow("Отмена") << false << "Button1" << false << "А123ВС" << Station;
        QTest::newRow("Изменить, Отмена") << true << "Button1" << false << "А123ВС" << Station;
    }
    void closing() {
        QFETCH(bool, unlock);
        QFETCH(QString, button);
        QFETCH(bool, ok);
        Rig rig;
        const bool accepted = rig.run([&] {
            rig.find<QLineEdit>("Edit1")->setText(QStringLiteral("Н123456789012345"));
            if (unlock) {
                rig.click("Button3");
                QVERIFY(rig.find("Edit3")->isEnabled());
                QVERIFY(rig.find("BitBtn3")->isEnabled());
                QCOMPARE(rig.dialog.focusWidget(), rig.find("Edit3"));
            }
            rig.find<QLineEdit>("Edit3")->setText(QString(70, u'С'));
            rig.click(qPrintable(button));
        });
        QCOMPARE(accepted, ok);
        QCOMPARE(rig.closings, QList<bool>{ok});
        QCOMPARE(rig.state.Flags.StationChanged, unlock);
        QTEST(rig.state.Vehicle.NumberText, "number");
        QTEST(rig.state.Vehicle.StationName, "station");

        // The station line is locked again at the next opening; its "..." button stays as
        // "Изменить" left it.
        rig.run([&] {
            QVERIFY(!rig.find("Edit3")->isEnabled());
            QCOMPARE(rig.find("BitBtn3")->isEnabled(), unlock);
        });
    }

    void keyboardStopsAtTheFieldLimit_data() {
        QTest::addColumn<QString>("keyButton");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<int>("limit");
        QTest::newRow("number") << "BitBtn1"
                                << "Edit1" << 15;
        QTest::newRow("detail") << "BitBtn2"
                                << "Edit2" << 15;
        QTest::newRow("station") << "BitBtn3"
                                 << "Edit3" << 64;
    }
    void keyboardStopsAtTheFieldLimit() {
        QFETCH(QString, keyButton);
        QFETCH(QString, edit);
        QFETCH(int, limit);
        Rig rig;
        rig.run([&] {
            rig.click("Button3");
            const QString before = rig.text(qPrintable(edit));
            rig.click(qPrintable(keyButton));
            QVERIFY(rig.keyboardShown());
            QCOMPARE(rig.text("Edit4"), before);
            for (int i = before.size(); i < limit + 3; ++i)
                rig.clickKey(4, 0); // "А"
            QCOMPARE(rig.text("Edit4"), before + QString(limit - before.size(), u'А'));
            rig.click("BitBtn5"); // Backspace
            rig.clickKey(0, 10);  // the blank key
            QCOMPARE(rig.text("Edit4").size(), limit);
            QVERIFY(rig.text("Edit4").endsWith(u" "));

            rig.click("BitBtn7"); // the keyboard's "Отмена": the field keeps its text
            QVERIFY(!rig.keyboardShown());
            QCOMPARE(rig.text(qPrintable(edit)), before);
            rig.click(qPrintable(keyButton));
            rig.clickKey(1, 1);   // "B"
            rig.click("BitBtn6"); // the keyboard's "ОК"
            QVERIFY(!rig.keyboardShown());
            QCOMPARE(rig.text(qPrintable(edit)), (before + u'B').left(limit));

            rig.click(qPrintable(keyButton)); // Esc while typing closes only the keyboard
            QTest::keyClick(&rig.dialog, Qt::Key_Escape);
            QVERIFY(!rig.keyboardShown());
            QVERIFY(rig.dialog.isVisible());
            rig.click(qPrintable(keyButton)); // ending the dialog from outside always closes it
            rig.dialog.reject();
            QVERIFY(!rig.dialog.isVisible());
        });
    }

    void everyFastTapTypesItsKey_data() {
        QTest::addColumn<int>("taps");
        QTest::newRow("one") << 1;
        QTest::newRow("a double click") << 2;
        QTest::newRow("five in a row") << 5;
    }
    void everyFastTapTypesItsKey() {
        QFETCH(int, taps);
        Rig rig;
        rig.run([&] {
            rig.click("BitBtn1");
            rig.find<QLineEdit>("Edit4")->clear();
            rig.tapKeyFast(0, 1, taps); // "1"
            QCOMPARE(rig.text("Edit4"), QString(taps, u'1'));
        });
    }

    void capsLockLastsForTheRun() {
        Rig rig;
        rig.run([&] {
            auto *indicator = rig.find<QLineEdit>("Edit5");
            QCOMPARE(indicator->palette().color(QPalette::Base), QColor(0, 255, 0));
            rig.click("BitBtn1");
            rig.find<QLineEdit>("Edit4")->clear();
            rig.click("BitBtn4"); // Caps Lock: small letters, black indicator
            QCOMPARE(indicator->palette().color(QPalette::Base), QColor(Qt::black));
            rig.clickKey(4, 0);
            rig.clickKey(2, 0);
            QCOMPARE(rig.text("Edit4"), QStringLiteral("аl"));
        });
        QVERIFY(!rig.dialog.keyboard()->capitalLetters());
        rig.run([&] {
            QCOMPARE(rig.find<QTableWidget>("StringGrid1")->item(6, 9)->text(),
                     QStringLiteral("я"));
            QCOMPARE(rig.find<QLineEdit>("Edit5")->palette().color(QPalette::Base),
                     QColor(Qt::black));
        });
    }

    void enterMovesTheFocus() {
        Rig rig;
        const bool accepted = rig.run([&] {
            QTest::keyClick(rig.find("Edit1"), Qt::Key_Return);
            QCOMPARE(rig.dialog.focusWidget(), rig.find("Edit2"));
            QTest::keyClick(rig.find("Edit2"), Qt::Key_Enter);
            QCOMPARE(rig.dialog.focusWidget(), rig.find("Button2"));
            QVERIFY(rig.dialog.isVisible()); // Enter in a field never closes the dialog
            QTest::keyClick(rig.find("Button2"), Qt::Key_Return);
        });
        QVERIFY(accepted);
    }

    void keyTableFollowsTheCodePage_data() {
        QTest::addColumn<bool>("capitals");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("key");
        QTest::newRow("blank after the digits") << true << 0 << 10 << " ";
        QTest::newRow("punctuation after Z") << true << 3 << 4 << ".";
        QTest::newRow("last punctuation") << true << 3 << 10 << ")";
        QTest::newRow("Cyrillic А") << true << 4 << 0 << "А";
        QTest::newRow("blank after Я") << true << 6 << 10 << " ";
        QTest::newRow("small х") << false << 5 << 10 << "х";
    }
    void keyTableFollowsTheCodePage() {
        QFETCH(bool, capitals);
        QFETCH(int, row);
        QFETCH(int, column);
        QTEST(QString(ScreenKeyboardKeys::table(capitals)[row][column]), "key");
    }
};

QTEST_MAIN(TestVehicleDialog)
#include "test_vehicle_dialog.moc"
