#include "app_settings.h"
#include "readings_text.h"
#include "real_port_link.h"
#include "view_ids.h"

#include <QtTest>

Q_DECLARE_METATYPE(ChannelTexts)

// What the link makes of analysers out of the ordinary, over a real pseudo-terminal against
// the emulator with the link's own timers running: a clock that shows a day its month lacks,
// and an analyser of unknown type that reports its operating modes.
class TestDecodeE2E : public QObject {
    Q_OBJECT

    struct Rig : EmulatorLink {
        using EmulatorLink::EmulatorLink;
        // Waits until the fuel field shows the text, the emulator's lines taken meanwhile.
        bool fuelShown(const QString &text) {
            return QTest::qWaitFor(
                [&] {
                    emulator.pump(5);
                    return !view.fuel.isEmpty() && view.fuel.last().text == text;
                },
                8000);
        }
    };

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    // The clock bytes are read (a printer, the table view) and make 31 November: the mode,
    // pump and menu flags still follow the analyser; the date and time stay as they were.
    void aClockOfNoDateLeavesTheRestDecoded() {
        Rig rig({"--raw-clock", "2024-11-31 10:20:30"});
        rig.settings.set(&AppSettings::NoBuiltInPrinter, 0);
        rig.settings.set(&AppSettings::CurrentView, ViewId::Table);
        QVERIFY(rig.start());
        QCOMPARE(rig.emulator.query("clock"), QStringLiteral("clock 2024-11-31 10:20:30"));
        rig.emulator.command("trace on");
        QVERIFY(rig.fuelShown(QStringLiteral(" Топливо : БЕНЗИН")));

        rig.emulator.command("fuel gas");
        rig.emulator.command("pump on");
        rig.emulator.command("menu cylinders");
        QVERIFY(rig.fuelShown(QStringLiteral("   ПРИРОДНЫЙ ГАЗ")));
        QVERIFY(QTest::qWaitFor(
            [&] {
                return rig.source.readings().pumpFlags & 0x40 &&
                       rig.source.readings().menuFlags & 0x10;
            },
            8000));
        // The day byte (372) was read all along, and no decode pass took the clock.
        QVERIFY(rig.emulator.takeTrace().filter(QStringLiteral("rx 91 74")).size() > 0);
        QCOMPARE(rig.analyser.decoded().deviceDate, QDate());
        QCOMPARE(rig.analyser.decoded().deviceTime, QTime());
    }

    // Type code 0 with the mode indication on: no CO2, O2 or lambda in the boxes or the grid,
    // whatever the analyser's memory holds there; the modes still act on the rest.
    void anUnknownTypeShowsNoFourComponentValues_data() {
        QTest::addColumn<QStringList>("commands");
        QTest::addColumn<ChannelTexts>("boxes");
        QTest::newRow("values") << QStringList{"set co 150", "set ch 320", "set rpm 820"}
                                << ChannelTexts{"1,50", "320", "", "", "", "820"};
        QTest::newRow("oil temperature")
            << QStringList{"set co 150", "set ch 320", "set rpm 820", "oilmode on", "set oil 85"}
            << ChannelTexts{"1,50", "320", "", "", "85", "820"};
        QTest::newRow("fuel and corrected CO")
            << QStringList{"fuel petrol", "corrected on", "set coc 210", "set ch 320",
                           "set rpm 820"}
            << ChannelTexts{"2,10", "320", "", "", "", "820"};
    }
    void anUnknownTypeShowsNoFourComponentValues() {
        QFETCH(QStringList, commands);
        QFETCH(ChannelTexts, boxes);
        Rig rig({"--kind", "0"});
        QVERIFY(rig.start());
        rig.emulator.command("set co2 1420");
        rig.emulator.command("set o2 55");
        rig.emulator.command("set lambda 1003");
        for (const QString &command : commands)
            rig.emulator.command(command);
        QCOMPARE(rig.emulator.query("ping"), QStringLiteral("pong"));

        ReadingsTexts texts;
        QVERIFY2(QTest::qWaitFor(
                     [&] {
                         CurrentReadings readings = rig.source.readings();
                         texts = readingsTexts(readings, true, QLocale());
                         return texts.boxes == boxes;
                     },
                     8000),
                 qPrintable(QStringList(texts.boxes.begin(), texts.boxes.end()).join('|')));
        for (int channel = 0; channel < kChannelCount; ++channel)
            QCOMPARE(texts.gridValues[channel].trimmed(), boxes[channel].trimmed());
    }
};

QTEST_GUILESS_MAIN(TestDecodeE2E)
#include "test_decode_e2e.moc"
