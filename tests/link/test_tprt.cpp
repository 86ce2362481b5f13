#include "app_settings.h"
#include "fake_channel.h"
#include "poll_cycle.h"
#include "tprt.h"
#include "tvelantar.h"
#include "tvelantar_probe.h"

#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include <functional>

namespace {

// The editor over a poll cycle that talks to no analyser, run through its modal hook: the
// hook shows it, performs the test's actions and cancels it when they left it open.
struct Rig {
    FakeChannel channel;
    TVelantar analyser;
    PollCycle cycle{analyser, channel};
    TPRT editor{cycle, analyser};
    CalibrationGasKits kits = DefaultCalibrationGasKits();
    ChangeFlags flags;

    bool run(const std::function<void()> &actions) {
        editor.runModal = [&actions](QDialog &d) {
            d.show();
            actions();
            if (d.isVisible())
                d.reject();
            return d.result();
        };
        return editor.execute(kits, flags);
    }
    QTableWidget *grid() const { return editor.findChild<QTableWidget *>("StringGrid3"); }
    void click(const char *name) const {
        editor.findChild<QPushButton *>(QString::fromLatin1(name))->click();
    }
    void selectKit(int listIndex) const {
        editor.findChild<QListWidget *>("ListBox4")->setCurrentRow(listIndex);
    }
    // Column 2 + kit, rows 1..9.
    QStringList column(int kit) const {
        QStringList cells;
        for (int row = 1; row <= 9; ++row)
            cells << grid()->item(row, 2 + kit)->text();
        return cells;
    }
    void setColumn(int kit, const QStringList &cells) const {
        for (int row = 1; row <= 9; ++row)
            grid()->item(row, 2 + kit)->setText(cells[row - 1]);
    }
};

const QStringList Defaults = {"89", "299", "499", "398", "1802", "1001", "695", "3000", "1507"};
const QStringList Edited = {"90", "300", "500", "400", "1800", "1000", "700", "3001", "1500"};

} // namespace

class TestTPRT : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void opensOnTheKits() {
        Rig rig;
        rig.kits[3].cylinders[2].gas[1] = 2999;
        const bool accepted = rig.run([&] {
            QCOMPARE(rig.editor.windowTitle(), QStringLiteral("Редактор ПГС"));
            QCOMPARE(rig.grid()->item(0, 1)->text(), QStringLiteral("Компл."));
            QCOMPARE(rig.grid()->item(7, 0)->text(), QStringLiteral("ПГС 3"));
            QVERIFY(!(rig.grid()->item(1, 1)->flags() & Qt::ItemIsEditable));
            QVERIFY(rig.grid()->item(1, 2)->flags() & Qt::ItemIsEditable);
            for (int kit = 0; kit < 3; ++kit)
                QCOMPARE(rig.column(kit), Defaults);
            QCOMPARE(rig.column(3).value(7), QStringLiteral("2999"));
            auto *list = rig.editor.findChild<QListWidget *>("ListBox4");
            QCOMPARE(list->currentRow(), 0);
            QCOMPARE(list->toolTip(), QStringLiteral("Номер комплекта"));
        });
        QVERIFY(!accepted);
        QVERIFY(!rig.flags.CalibrationGasChanged);
    }

    void closing_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("edit");
        QTest::addColumn<bool>("changed");
        QTest::addColumn<QStringList>("working");
        QTest::newRow("OK without edits still marks the kits changed")
            << "BitBtn22" << false << true << Defaults;
        QTest::newRow("OK stores the edits; bad cells become 0")
            << "BitBtn22" << true << true
            << QStringList{"90", "300", "500", "400", "1800", "1000", "0", "0", "1500"};
        QTest::newRow("Отмена keeps the kits") << "BitBtn25" << true << false << Defaults;
    }
    void closing() {
        QFETCH(QString, button);
        QFETCH(bool, edit);
        Rig rig;
        rig.run([&] {
            if (edit) {
                QStringList cells = Edited;
                cells[6] = QStringLiteral("7,5");
                cells[7] = QStringLiteral("40000");
                rig.setColumn(0, cells);
            }
            rig.click(qPrintable(button));
        });
        QTEST(rig.flags.CalibrationGasChanged, "changed");
        QStringList working;
        for (int s = 0; s < 3; ++s)
            for (int g = 0; g < 3; ++g)
                working << QString::number(rig.kits[0].value(s, g));
        QTEST(working, "working");
        QCOMPARE(rig.kits[1], CalibrationGasKit::defaults());
    }

    void copiesBetweenTheWorkingAndTheChosenKit() {
        Rig rig;
        rig.run([&] {
            rig.setColumn(2, Edited); // kit 2
            rig.selectKit(1);
            rig.click("BitBtn23"); // "0 <-- N"
            QCOMPARE(rig.column(0), Edited);
            rig.setColumn(0, Defaults);
            rig.selectKit(2);
            rig.click("BitBtn24"); // "0 --> N": kit 3 takes the working kit
            QCOMPARE(rig.column(3), Defaults);
            QCOMPARE(rig.column(2), Edited);
            QCOMPARE(rig.column(0), Defaults);
        });
    }

    void refreshFetchesTheAnalysersValues() {
        Rig rig;
        for (int i = 0; i < 9; ++i)
            TVelantarProbe::decoded(rig.analyser).CalibrationGasValues[i] = 100 + i;
        rig.run([&] {
            rig.click("BitBtn1"); // "Обновл."
            QCOMPARE(rig.cycle.mode(), int(PollCycle::CalibrationGas));
            QVERIFY(rig.editor.Timer1.isActive());
            QCOMPARE(rig.editor.Timer1.interval(), 2000);
            QCOMPARE(rig.column(0), Defaults); // nothing yet: the values are still coming
            rig.editor.Timer1Timer();
            QVERIFY(!rig.editor.Timer1.isActive());
            QCOMPARE(rig.column(0),
                     (QStringList{"100", "101", "102", "103", "104", "105", "106", "107", "108"}));
            QCOMPARE(rig.column(1), Defaults);
            rig.click("BitBtn1");
        });
        QVERIFY(!rig.editor.Timer1.isActive()); // a fetch still waiting ends with the dialog
        QCOMPARE(rig.kits[0], CalibrationGasKit::defaults());
    }
};

QTEST_MAIN(TestTPRT)
#include "test_tprt.moc"
