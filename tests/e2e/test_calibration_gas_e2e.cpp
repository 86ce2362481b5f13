#include "app_settings.h"
#include "real_port_link.h"
#include "tprt.h"
#include "tvelantar_probe.h"

#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

// The calibration gas editor's "Обновл." against the emulator over a real pseudo-terminal,
// with the link's own timers and the editor's own Timer1 running.
class TestCalibrationGasE2E : public QObject {
    Q_OBJECT

    // The emulator's nine values in the editor's row order (cylinder by cylinder: CO, CH,
    // CO2), read from its memory: gas g of cylinder s is the word whose low byte is at
    // 1549 + 64g + 2s and whose high byte precedes it.
    static QStringList emulatorValues(EmulatorProcess &emulator) {
        QList<QList<int>> words(3); // [gas][cylinder]
        for (int gas = 0; gas < 3; ++gas) {
            const QStringList bytes =
                emulator.query(QStringLiteral("peek main %1 6").arg(1548 + 64 * gas))
                    .split(u' ', Qt::SkipEmptyParts)
                    .mid(1);
            if (bytes.size() != 6)
                return {};
            for (int cylinder = 0; cylinder < 3; ++cylinder)
                words[gas] << qint16(bytes[2 * cylinder].toInt(nullptr, 16) << 8 |
                                     bytes[2 * cylinder + 1].toInt(nullptr, 16));
        }
        QStringList values;
        for (int cylinder = 0; cylinder < 3; ++cylinder)
            for (int gas = 0; gas < 3; ++gas)
                values << QString::number(words[gas][cylinder]);
        return values;
    }

    // The emulator, a polling link to it and the editor over that link.
    struct Rig : EmulatorLink {
        TPRT editor{link.pollCycle(), analyser};

        // "Обновл." in the open editor, then the working kit's column once Timer1 has run
        // (empty when it never did).
        QStringList refresh(QDialog &dialog) {
            dialog.findChild<QPushButton *>("BitBtn1")->click();
            if (!QTest::qWaitFor([&] { return !editor.Timer1.isActive(); }, 15000))
                return {};
            auto *grid = dialog.findChild<QTableWidget *>("StringGrid3");
            QStringList cells;
            for (int row = 1; row <= 9; ++row)
                cells << grid->item(row, 2)->text();
            return cells;
        }
    };

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void refreshFillsTheWorkingKitWithTheAnalysersValues() {
        Rig rig;
        QVERIFY(rig.start());
        const QStringList expected = emulatorValues(rig.emulator);
        QCOMPARE(expected.size(), 9);

        CalibrationGasKits kits = DefaultCalibrationGasKits();
        ChangeFlags flags;
        QStringList working;
        rig.editor.runModal = [&](QDialog &dialog) {
            dialog.show();
            working = rig.refresh(dialog);
            dialog.findChild<QPushButton *>("BitBtn22")->click(); // "OK"
            return dialog.result();
        };
        QVERIFY(rig.editor.execute(kits, flags));
        QCOMPARE(working, expected);
        QVERIFY(flags.CalibrationGasChanged);
        QCOMPARE(QString::number(kits[0].value(2, 1)), expected[7]);
        QCOMPARE(kits[1], CalibrationGasKit::defaults());
    }

    // "Обновл." pressed wherever the normal cycle stands between two send ticks: each time
    // all nine values come from the analyser, none is left from before (the mirror's copy
    // is wiped before every press).
    void refreshAtEveryPhaseOfThePollCycle() {
        Rig rig;
        QVERIFY(rig.start());
        const QStringList expected = emulatorValues(rig.emulator);
        QCOMPARE(expected.size(), 9);
        // The steps the cycle waits at between ticks without a printer (3 jumps to 16, 17 to
        // 20, 21 to 23, 24 to 25, and 29 back to 0).
        const QList<int> phases = {0, 1, 2, 16, 20, 23, 25, 26, 27, 28};

        CalibrationGasKits kits = DefaultCalibrationGasKits();
        ChangeFlags flags;
        QStringList failures;
        rig.editor.runModal = [&](QDialog &dialog) {
            dialog.show();
            for (const int phase : phases) {
                for (int cylinder = 0; cylinder < 3; ++cylinder)
                    for (int gas = 0; gas < 3; ++gas) {
                        const int address = TVelantar::calibrationGasAddress(cylinder, gas);
                        TVelantarProbe::mainImage(rig.analyser)[address] = 0;
                        TVelantarProbe::mainImage(rig.analyser)[address - 1] = 0;
                    }
                TVelantarProbe::decoded(rig.analyser).CalibrationGasValues.fill(0);
                if (!QTest::qWaitFor([&] { return rig.link.pollCycle().step() == phase; }, 5000))
                    failures << QStringLiteral("step %1 never reached").arg(phase);
                else if (const QStringList working = rig.refresh(dialog); working != expected)
                    failures << QStringLiteral("at step %1: %2").arg(phase).arg(working.join(' '));
            }
            dialog.reject();
            return dialog.result();
        };
        rig.editor.execute(kits, flags);
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join("; ")));
    }
};

QTEST_MAIN(TestCalibrationGasE2E)
#include "test_calibration_gas_e2e.moc"
