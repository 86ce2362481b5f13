#include "emulator_process.h"
#include "pseudo_terminal.h"
#include "tserial.h"
#include "tvelantar.h"

#include <QtTest>

// Detection step by step over real pseudo-terminals against the analyser emulator.
// The test waits for the answer between steps where the program's one-second timer
// would.
class TestDetectE2E : public QObject {
    Q_OBJECT

    // One detection step after giving the line time to deliver an answer.
    static bool stepAfterAnswer(TVelantar &analyser, TSerial &serial, int ports, bool fixed,
                                int fixedPort) {
        QDeadlineTimer deadline(3000);
        while (serial.BytesWaiting() == 0 && !deadline.hasExpired())
            QTest::qWait(10);
        return analyser.Detect(serial, ports, fixed, fixedPort);
    }

    static void usePorts(const QStringList &paths) {
        qputenv("VELANTAR_PORTS", paths.join(':').toLocal8Bit());
    }

private slots:
    void scanningFindsTheAnalyserOnCom2() {
        PseudoTerminal deadLine;
        EmulatorProcess emulator;
        QVERIFY(emulator.start());
        usePorts({deadLine.slavePath(), emulator.devicePath()});

        TSerial serial;
        TVelantar analyser;
        QVERIFY(!analyser.Detect(serial, 2, false, 1));
        QCOMPARE(serial.PortNumber(), 1);
        QCOMPARE(deadLine.receive(), QByteArray("\xD0\x80\x00\x50", 4));
        QVERIFY(!analyser.Detect(serial, 2, false, 1)); // nothing came: on to COM2
        QCOMPARE(serial.PortNumber(), 2);
        QVERIFY(stepAfterAnswer(analyser, serial, 2, false, 1));
        QCOMPARE(analyser.typeName(), TVelantar::FourComponentTypeName);
        QCOMPARE(analyser.attempts(), 3);
        QCOMPARE(analyser.stateFlags(), quint16(0));
    }

    void fixedModeOpensOnlyTheFixedPort() {
        PseudoTerminal first, second;
        EmulatorProcess emulator;
        QVERIFY(emulator.start());
        usePorts({first.slavePath(), second.slavePath(), emulator.devicePath()});

        TSerial serial;
        TVelantar analyser;
        QVERIFY(!analyser.Detect(serial, 1, true, 3));
        QVERIFY(stepAfterAnswer(analyser, serial, 1, true, 3));
        QCOMPARE(serial.PortNumber(), 3);
        QVERIFY(first.receive(200).isEmpty());
        QVERIFY(second.receive(200).isEmpty());
    }

    void aSilentAnalyserIsNeverFound() {
        EmulatorProcess emulator({"--silent"});
        QVERIFY(emulator.start());
        usePorts({emulator.devicePath()});

        TSerial serial;
        TVelantar analyser;
        for (int step = 0; step < 5; ++step) {
            QTest::qWait(100);
            QVERIFY(!analyser.Detect(serial, 2, false, 1));
        }
        QVERIFY(!analyser.isDetected());
        QVERIFY(analyser.stateFlags() & TVelantar::TypeRequestOutstanding);
    }

    void typeCodeOneIsTheTwoComponentAnalyser() {
        EmulatorProcess emulator({"--kind", "2"});
        QVERIFY(emulator.start());
        usePorts({emulator.devicePath()});

        TSerial serial;
        TVelantar analyser;
        QVERIFY(!analyser.Detect(serial, 2, false, 1));
        QVERIFY(stepAfterAnswer(analyser, serial, 2, false, 1));
        QCOMPARE(analyser.typeName(), TVelantar::TwoComponentTypeName);
    }

    void pollingReadsTheEmulatorsReadings() {
        EmulatorProcess emulator;
        QVERIFY(emulator.start());
        emulator.command("set co 300");
        emulator.command("set rpm 812");
        QVERIFY(!emulator.query("get pump").isEmpty()); // the commands above are through
        usePorts({emulator.devicePath()});

        TSerial serial;
        TVelantar analyser;
        QVERIFY(serial.Open(1, TVelantar::BaudRate));
        for (const int address : {307, 315}) {
            QVERIFY(serial.SendCommand(quint8(0x98 + (address >> 8)), quint8(address & 0xFF), 0));
            QDeadlineTimer deadline(3000);
            while (serial.BytesWaiting() < 4 && !deadline.hasExpired())
                QTest::qWait(10);
            quint8 buffer[16];
            const int got = serial.Read(buffer, sizeof buffer);
            analyser.ParsePollingBytes(std::span<const quint8>(buffer, size_t(got)));
        }
        analyser.Decode();
        QCOMPARE(analyser.decoded().co, 300);
        QCOMPARE(int(analyser.decoded().rpm), 812);
    }
};

QTEST_GUILESS_MAIN(TestDetectE2E)
#include "test_detect_e2e.moc"
