#include "fixed_clock.h"
#include "pseudo_terminal.h"
#include "serial_trace.h"
#include "tserial.h"

#include <QTemporaryDir>
#include <QtTest>

// The serial trace: its line for a block of bytes, and that the serial port writes every
// block it sends and receives to the current trace.
class TestSerialTrace : public QObject {
    Q_OBJECT

    static QDateTime at() { return QDateTime(QDate(2026, 12, 9), QTime(14, 3, 7, 5)); }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void lineOfABlock_data() {
        QTest::addColumn<bool>("sent");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("request sent") << true << QByteArray("\x99\x33\x00\xcc", 4)
                                      << QByteArray("2026-12-09T14:03:07.005 > 99 33 00 CC\n");
        QTest::newRow("one byte received, padded")
            << false << QByteArray("\x0a", 1) << QByteArray("2026-12-09T14:03:07.005 < 0A\n");
    }

    void lineOfABlock() {
        QFETCH(bool, sent);
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, line);
        const auto direction =
            sent ? SerialTrace::Direction::Sent : SerialTrace::Direction::Received;
        QCOMPARE(SerialTrace::line(at(), direction,
                                   reinterpret_cast<const quint8 *>(bytes.constData()),
                                   int(bytes.size())),
                 line);
    }

    void thePortTracesWhatItSendsAndReceives() {
        PseudoTerminal terminal;
        QVERIFY(terminal.isValid());
        qputenv("VELANTAR_PORTS", terminal.slavePath().toLocal8Bit());
        QTemporaryDir folder;
        const FixedClock clock(at());
        const QString path = folder.filePath("trace.txt");
        {
            SerialTrace trace(path, clock);
            QVERIFY(trace.open());
            trace.makeCurrent();
            TSerial serial;
            QVERIFY(serial.Open(1, 9600));
            const quint8 request[] = {0x99, 0x33, 0x00, 0xcc};
            QCOMPARE(serial.Write(request, 4), 4);
            terminal.send(QByteArray("\x99\x33\x10\x27", 4));
            QTRY_COMPARE(serial.BytesWaiting(), 4);
            quint8 answer[4];
            QCOMPARE(serial.Read(answer, 4), 4);
        }
        QVERIFY(!SerialTrace::current()); // gone with its object
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("2026-12-09T14:03:07.005 > 99 33 00 CC\n"
                                            "2026-12-09T14:03:07.005 < 99 33 10 27\n"));
    }
};

QTEST_GUILESS_MAIN(TestSerialTrace)
#include "test_serial_trace.moc"
