#include "tserial.h"

#include <QtTest>

// TSerial on the Win32 communications functions. scripts/test-windows runs it under Wine
// with COM1 mapped to the analyser emulator's pseudo-terminal and VELANTAR_TEST_COM1 set;
// without that only the cases that need no analyser run.
class TestTSerialWin : public QObject {
    Q_OBJECT

    static bool analyserOnCom1() { return qEnvironmentVariableIsSet("VELANTAR_TEST_COM1"); }

    // Up to `count` bytes read from the channel within a generous deadline.
    static QByteArray readAnswer(TSerial &serial, int count) {
        QByteArray got;
        (void)QTest::qWaitFor(
            [&] {
                quint8 buffer[64];
                const int n = serial.Read(buffer, quint16(qMin(64, count - int(got.size()))));
                got.append(reinterpret_cast<const char *>(buffer), n);
                return got.size() >= count;
            },
            10000);
        return got;
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void aMissingPortDoesNotOpenAndIsRecorded() {
        TSerial serial;
        QCOMPARE(serial.PortNumber(), 0);
        QVERIFY(!serial.Open(200, 9600));
        QVERIFY(!serial.IsOpen());
        QCOMPARE(serial.PortNumber(), 200);
        QVERIFY(!serial.Open(0, 9600)); // no such number
        // Windows keeps no owner and mode bits on a port: nothing is named as refused.
        QCOMPARE(serial.RefusedDevice(), QString());
    }

    void callsOnAClosedChannelDoNothing() {
        TSerial serial;
        quint8 buffer[4] = {1, 2, 3, 4};
        QCOMPARE(serial.BytesWaiting(), 0);
        QCOMPARE(serial.Read(buffer, 4), 0);
        QCOMPARE(serial.Write(buffer, 4), 0);
        QVERIFY(!serial.SendCommand(0xD0, 0x80, 0x00));
        QVERIFY(serial.Close());
    }

    void openOnAnOpenChannelKeepsThePort() {
        if (!analyserOnCom1())
            QSKIP("COM1 is not the analyser emulator (VELANTAR_TEST_COM1 unset)");
        TSerial serial;
        QVERIFY(serial.Open(1, 9600));
        QVERIFY(serial.Open(4, 9600));
        QCOMPARE(serial.PortNumber(), 1);
        QVERIFY(serial.Close());
        QVERIFY(!serial.IsOpen());
        QVERIFY(serial.Close());
    }

    // A read returns at once, with nothing while nothing came; the type request is answered
    // with the analyser's four bytes (a four-component analyser: type code 2).
    void readNeverWaitsAndTheAnalyserAnswers() {
        if (!analyserOnCom1())
            QSKIP("COM1 is not the analyser emulator (VELANTAR_TEST_COM1 unset)");
        TSerial serial;
        QVERIFY(serial.Open(1, 9600));
        quint8 buffer[16];
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(serial.Read(buffer, 16), 0);
        QVERIFY(timer.elapsed() < 1000); // generous: only a blocking read would fail

        QVERIFY(serial.SendCommand(0xD0, 0x80, 0x00));
        const QByteArray answer = readAnswer(serial, 4);
        QCOMPARE(answer.size(), 4);
        QCOMPARE(answer.left(3), QByteArray("\xD0\x80\x02", 3));
        QCOMPARE(serial.BytesWaiting(), 0);
    }
};

QTEST_MAIN(TestTSerialWin)
#include "test_tserial_win.moc"
