#include "pseudo_terminal.h"
#include "tserial.h"
#include "unprivileged.h"

#include <QtTest>

#include <chrono>
#include <thread>

#include <sys/stat.h>

// TSerial over a real pseudo-terminal: COM1 is the terminal, COM2 does not exist.
class TestTSerial : public QObject {
    Q_OBJECT

    PseudoTerminal *line_ = nullptr;

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void init() {
        line_ = new PseudoTerminal;
        QVERIFY(line_->isValid());
        qputenv("VELANTAR_PORTS", (line_->slavePath() + "::/nonexistent/tty9").toLocal8Bit());
    }
    void cleanup() { delete line_; }

    void openRecordsThePortEvenWhenItFails() {
        TSerial serial;
        QCOMPARE(serial.PortNumber(), 0);
        QVERIFY(!serial.Open(5, 9600));
        QVERIFY(!serial.IsOpen());
        QCOMPARE(serial.PortNumber(), 5);
        QVERIFY(!serial.Open(2, 9600)); // an empty entry: no such port
        QVERIFY(!serial.Open(3, 9600)); // a path that does not exist
        QCOMPARE(serial.PortNumber(), 3);
    }

    // A device the system does not let this user open is named as refused; a port that is
    // missing or opens is not. Checked as an ordinary user: root opens any device.
    void aRefusedDeviceIsNamed_data() {
        QTest::addColumn<int>("mode"); // of the terminal; -1: the port is missing
        QTest::addColumn<bool>("refused");
        QTest::newRow("no access") << 0 << true;
        QTest::newRow("read only") << 0444 << true;
        QTest::newRow("missing") << -1 << false;
        QTest::newRow("open to all") << 0666 << false;
    }
    void aRefusedDeviceIsNamed() {
        QFETCH(int, mode);
        QFETCH(bool, refused);
        const QString device = mode < 0 ? QStringLiteral("/nonexistent/tty9") : line_->slavePath();
        if (mode >= 0)
            QCOMPARE(::chmod(QFile::encodeName(device).constData(), mode_t(mode)), 0);
        qputenv("VELANTAR_PORTS", device.toLocal8Bit());
        const std::optional<bool> asExpected = Unprivileged::run([&] {
            TSerial serial;
            const bool opened = serial.Open(1, 9600);
            return opened == (mode == 0666) &&
                   serial.RefusedDevice() == (refused ? device : QString());
        });
        if (!asExpected)
            QSKIP("running as root and unable to check as an ordinary user");
        QVERIFY(*asExpected);
    }

    void openOnAnOpenChannelKeepsThePort() {
        TSerial serial;
        QVERIFY(serial.Open(1, 9600));
        QVERIFY(serial.Open(4, 9600));
        QCOMPARE(serial.PortNumber(), 1);
        QVERIFY(serial.Close());
        QVERIFY(!serial.IsOpen());
        QVERIFY(serial.Close());
    }

    void readNeverWaitsAndDeliversWhatIsThere() {
        TSerial serial;
        QVERIFY(serial.Open(1, 9600));
        quint8 buffer[1000];
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(serial.Read(buffer, 1000), 0);
        QCOMPARE(serial.BytesWaiting(), 0);
        QVERIFY(timer.elapsed() < 1000); // generous: only a blocking read would fail

        QByteArray sent;
        for (int i = 0; i < 300; ++i)
            sent.append(char(i));
        line_->send(sent);
        QTRY_COMPARE(serial.BytesWaiting(), 300);
        QCOMPARE(serial.Read(buffer, 1000), 300);
        QCOMPARE(QByteArray(reinterpret_cast<char *>(buffer), 300), sent);

        line_->send(sent);
        QTRY_COMPARE(serial.BytesWaiting(), 300);
        QCOMPARE(serial.Read(buffer, 4), 4);
        QCOMPARE(serial.BytesWaiting(), 296);
    }

    void sendCommandAppendsTheChecksum() {
        TSerial serial;
        QVERIFY(!serial.SendCommand(0xD0, 0x80, 0x00)); // closed: nothing written
        QVERIFY(serial.Open(1, 9600));
        QVERIFY(line_->receive(100).isEmpty());
        QVERIFY(serial.SendCommand(0xD0, 0x80, 0x00));
        QCOMPARE(line_->receive(), QByteArray("\xD0\x80\x00\x50", 4));
        QVERIFY(serial.SendCommand(0x99, 0xFF, 0x80));
        QCOMPARE(line_->receive(), QByteArray("\x99\xFF\x80\x18", 4));
    }

    // A frame whose sending is held up for longer than a second still goes out whole, not
    // cut off: the write waits as long as the driver would.
    void aHeldUpWriteIsCompletedNotCut() {
        TSerial serial;
        QVERIFY(serial.Open(1, 9600));
        line_->holdProgramOutput(true);
        std::thread resume([this] {
            std::this_thread::sleep_for(std::chrono::milliseconds(1500));
            line_->holdProgramOutput(false);
        });
        const quint8 frame[4] = {0xD0, 0x80, 0x00, 0x50};
        const int written = serial.Write(frame, 4);
        resume.join();
        QCOMPARE(written, 4);
        QCOMPARE(line_->receive(), QByteArray("\xD0\x80\x00\x50", 4));
    }

    void callsOnAClosedChannelDoNothing() {
        TSerial serial;
        quint8 buffer[4] = {1, 2, 3, 4};
        QCOMPARE(serial.BytesWaiting(), 0);
        QCOMPARE(serial.Read(buffer, 4), 0);
        QCOMPARE(serial.Write(buffer, 4), 0);
    }

    void aVanishedLineClosesTheChannel() {
        TSerial serial;
        QVERIFY(serial.Open(1, 9600));
        line_->closeMaster();
        quint8 buffer[4] = {};
        // Whatever the system reports for a hung-up line, the channel never blocks or
        // crashes; once the port has reported its device gone it is closed.
        for (int i = 0; i < 5; ++i) {
            serial.BytesWaiting();
            serial.Read(buffer, 4);
            serial.SendCommand(0x98, 0x33, 0);
        }
        QCOMPARE(serial.Read(buffer, 4), 0);
        QVERIFY(!serial.IsOpen());
    }
};

QTEST_GUILESS_MAIN(TestTSerial)
#include "test_tserial.moc"
