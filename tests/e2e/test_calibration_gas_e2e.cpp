#include "app_settings.h"
#include "emulator_process.h"
#include "link_controller.h"
#include "readings_source.h"
#include "recording_link_view.h"
#include "scripted_prompts.h"
#include "settings_store.h"
#include "tprt.h"
#include "tserial.h"
#include "tvelantar.h"

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

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void refreshFillsTheWorkingKitWithTheAnalysersValues() {
        EmulatorProcess emulator;
        QVERIFY(emulator.start());
        qputenv("VELANTAR_PORTS", emulator.devicePath().toLocal8Bit());
        const QStringList expected = emulatorValues(emulator);
        QCOMPARE(expected.size(), 9);

        TSerial serial;
        TVelantar analyser;
        SettingsStore settings;
        ReadingsSource source;
        RecordingLinkView view;
        ScriptedPrompts prompts;
        LinkController link(serial, analyser, settings, source, view, prompts);
        link.startConnection();
        QVERIFY(QTest::qWaitFor([&] { return link.isPolling(); }, 10000));

        TPRT editor(link.pollCycle(), analyser);
        CalibrationGasKits kits = DefaultCalibrationGasKits();
        ChangeFlags flags;
        QStringList working;
        bool fetched = false;
        editor.runModal = [&](QDialog &dialog) {
            dialog.show();
            auto *grid = dialog.findChild<QTableWidget *>("StringGrid3");
            const auto column = [grid] {
                QStringList cells;
                for (int row = 1; row <= 9; ++row)
                    cells << grid->item(row, 2)->text();
                return cells;
            };
            dialog.findChild<QPushButton *>("BitBtn1")->click(); // "Обновл."
            fetched = QTest::qWaitFor([&] { return !editor.Timer1.isActive(); }, 15000);
            working = column();
            dialog.findChild<QPushButton *>("BitBtn22")->click(); // "OK"
            return dialog.result();
        };
        QVERIFY(editor.execute(kits, flags));
        QVERIFY(fetched);
        QCOMPARE(working, expected);
        QVERIFY(flags.CalibrationGasChanged);
        QCOMPARE(QString::number(kits[0].value(2, 1)), expected[7]);
        QCOMPARE(kits[1], CalibrationGasKit::defaults());
        link.stop();
    }
};

QTEST_MAIN(TestCalibrationGasE2E)
#include "test_calibration_gas_e2e.moc"
