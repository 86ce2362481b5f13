#include "emulator_process.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QtTest>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

// The analyser emulator end to end: the test plays the program, opening the
// emulator's serial device itself, and checks the bytes on the wire by hand.
namespace {

// The program's end of the line, opened the way a serial port is: raw, 9600 8N2.
class Port {
public:
    explicit Port(const QString &path) {
        fd_ = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        termios t{};
        if (fd_ < 0 || tcgetattr(fd_, &t) != 0)
            return;
        cfmakeraw(&t);
        cfsetispeed(&t, B9600);
        cfsetospeed(&t, B9600);
        t.c_cflag |= CLOCAL | CREAD | CSTOPB;
        tcsetattr(fd_, TCSANOW, &t);
        tcflush(fd_, TCIOFLUSH); // nothing left over from an earlier opener
    }
    ~Port() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    bool isOpen() const { return fd_ >= 0; }

    void send(const QByteArray &bytes) {
        QCOMPARE(::write(fd_, bytes.constData(), size_t(bytes.size())), ssize_t(bytes.size()));
    }
    // Waits up to timeoutMs for count bytes; returns what came.
    QByteArray receive(int count, int timeoutMs = 2000) {
        QByteArray bytes;
        const QDeadlineTimer deadline(timeoutMs);
        while (bytes.size() < count && !deadline.hasExpired()) {
            pollfd p{fd_, POLLIN, 0};
            if (::poll(&p, 1, int(deadline.remainingTime())) <= 0)
                break;
            char chunk[256];
            const ssize_t n = ::read(fd_, chunk, sizeof chunk);
            if (n > 0)
                bytes.append(chunk, int(n));
        }
        return bytes;
    }
    // Whatever is waiting now, without waiting.
    QByteArray waiting() { return receive(1 << 16, 0); }

private:
    int fd_ = -1;
};

QByteArray hex(const char *text) {
    return QByteArray::fromHex(text);
}

// A request as the program sends it: H, L, D and the checksum (H + L + D) mod 256.
QByteArray request(int h, int l, int d) {
    const char bytes[4] = {char(h), char(l), char(d), char((h + l + d) & 0xFF)};
    return QByteArray(bytes, 4);
}

// Sends bytes and waits until the emulator reports (with trace on) that it has taken
// `frames` frames, so that whatever they do has been done.
QStringList deliver(EmulatorProcess &emulator, Port &port, const QByteArray &bytes, int frames) {
    emulator.takeTrace(); // frames sent before this are not counted
    port.send(bytes);
    QStringList seen;
    const QDeadlineTimer deadline(3000);
    while (seen.size() < frames && !deadline.hasExpired()) {
        emulator.pump(20);
        seen += emulator.takeTrace();
    }
    return seen;
}

// Runs a console command that prints nothing and waits until it has been carried out,
// so that bytes sent on the line afterwards meet the changed analyser.
void run(EmulatorProcess &emulator, const QString &line) {
    emulator.command(line);
    QCOMPARE(emulator.query("ping"), QString("pong"));
}

QByteArray peek(EmulatorProcess &emulator, const QString &space, int address, int count) {
    const QString reply =
        emulator.query(QString("peek %1 %2 %3").arg(space).arg(address).arg(count));
    if (!reply.startsWith("peek "))
        return {};
    return QByteArray::fromHex(reply.mid(5).toLatin1());
}

} // namespace

class TestEmulator : public QObject {
    Q_OBJECT

private slots:
    void typeAnswerNamesTheKind_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("answer");
        QTest::newRow("default four-component") << QStringList{} << hex("d0800252");
        QTest::newRow("four-component") << QStringList{"--kind", "4"} << hex("d0800252");
        QTest::newRow("two-component") << QStringList{"--kind", "2"} << hex("d0800151");
        QTest::newRow("unknown") << QStringList{"--kind", "0"} << hex("d0800050");
    }
    void typeAnswerNamesTheKind() {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, answer);
        EmulatorProcess emulator(arguments);
        QVERIFY(emulator.start());
        QVERIFY(emulator.devicePath().startsWith("/dev/"));
        Port port(emulator.devicePath());
        QVERIFY(port.isOpen());
        port.send(hex("d0800050"));
        QCOMPARE(port.receive(4), answer);
    }

    void lineSurvivesTheProgramClosingItsPort() {
        EmulatorProcess emulator;
        QVERIFY(emulator.start());
        for (int opening = 0; opening < 3; ++opening) {
            Port port(emulator.devicePath());
            port.send(hex("d0800050"));
            QCOMPARE(port.receive(4), hex("d0800252"));
        }
        QCOMPARE(emulator.query("ping"), QString("pong"));
    }

    void wordReadAnswersLowByteThenHighByte_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("command");
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<QByteArray>("answer");
        // CO 3.00 % = 300 = 0x012C
        QTest::newRow("CO at 307") << "4"
                                   << "set co 300" << request(0x99, 0x33, 0) << hex("99332c01");
        QTest::newRow("two-component CO at 289")
            << "2"
            << "set co 300" << request(0x99, 0x21, 0) << hex("99212c01");
        QTest::newRow("two-component rpm at 293")
            << "2"
            << "set rpm 3000" << request(0x99, 0x25, 0) << hex("9925b80b");
        QTest::newRow("lambda at 335")
            << "4"
            << "set lambda 1234" << request(0x99, 0x4f, 0) << hex("994fd204");
        // -5 degrees is kept as the 16-bit two's complement 0xFFFB
        QTest::newRow("negative oil at 947")
            << "4"
            << "set oil -5" << request(0x9b, 0xb3, 0) << hex("9bb3fbff");
        QTest::newRow("pressure at 327")
            << "2"
            << "set pressure 15500" << request(0x99, 0x47, 0) << hex("99478c3c");
        QTest::newRow("channel status word at 1645")
            << "4"
            << "status ch 3" << request(0x9e, 0x6d, 0) << hex("9e6d0300");
    }
    void wordReadAnswersLowByteThenHighByte() {
        QFETCH(QString, kind);
        QFETCH(QString, command);
        QFETCH(QByteArray, frame);
        QFETCH(QByteArray, answer);
        EmulatorProcess emulator({"--kind", kind});
        QVERIFY(emulator.start());
        run(emulator, command);
        Port port(emulator.devicePath());
        port.send(frame);
        QCOMPARE(port.receive(4), answer);
    }

    void setReadingsStopDriftingAndMissingOnesAreRefused() {
        EmulatorProcess emulator({"--kind", "2"});
        QVERIFY(emulator.start());
        QVERIFY(emulator.query("set co2 500").startsWith("error: "));
        QVERIFY(emulator.query("set lambda 1000").startsWith("error: "));
        QVERIFY(emulator.query("set co 70000").startsWith("error: "));
        run(emulator, "set rpm 2500");
        const QByteArray rpm = peek(emulator, "main", 292, 2);
        QCOMPARE(rpm, hex("09c4"));
        emulator.pump(1200); // two drift steps
        QCOMPARE(peek(emulator, "main", 292, 2), rpm);
    }

    void driftingReadingsStayPlausible() {
        EmulatorProcess emulator;
        QVERIFY(emulator.start());
        run(emulator, "drift on");
        for (int sample = 0; sample < 4; ++sample) {
            const QByteArray rpm = peek(emulator, "main", 314, 2);
            const QByteArray lambda = peek(emulator, "main", 334, 2);
            const QByteArray co = peek(emulator, "main", 306, 2);
            const auto word = [](const QByteArray &b) { return uchar(b[0]) * 256 + uchar(b[1]); };
            QVERIFY2(word(rpm) >= 700 && word(rpm) <= 900, qPrintable(rpm.toHex()));
            QVERIFY2(word(lambda) >= 950 && word(lambda) <= 1050, qPrintable(lambda.toHex()));
            QVERIFY2(word(co) <= 150, qPrintable(co.toHex()));
            emulator.pump(600);
        }
    }

    void byteWritesAreReadBack() {
        EmulatorProcess emulator;
        QVERIFY(emulator.start());
        Port port(emulator.devicePath());
        // main byte 1000 (0x3E8) := 0x5A, then read it
        port.send(request(0x13, 0xe8, 0x5a));
        port.send(request(0x93, 0xe8, 0x00));
        QCOMPARE(port.receive(4), hex("93e85ad5"));
        // second-space byte 300 (0x12C) := 0x41; the answer carries bits 6 and 7
        port.send(request(0x51, 0x2c, 0x41));
        port.send(request(0xd1, 0x2c, 0x00));
        QCOMPARE(port.receive(4), hex("d12c413e"));
        QCOMPARE(emulator.query("peek aux 300"), QString("peek 41"));
        // the data byte of a byte read does not change memory
        port.send(request(0x93, 0xe8, 0x77));
        QCOMPARE(port.receive(4), hex("93e85ad5"));
        // a word read over the written byte: low byte is the written one
        port.send(request(0x9b, 0xe8, 0x00));
        QCOMPARE(port.receive(4), hex("9be85a00"));
    }

    void pumpCommandsSwitchThePump_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("on");
        QTest::addColumn<QByteArray>("off");
        QTest::addColumn<QByteArray>("otherForm");
        QTest::newRow("four-component")
            << "4" << hex("303840a8") << hex("b0384028") << hex("30322082");
        QTest::newRow("two-component")
            << "2" << hex("30322082") << hex("b0322002") << hex("303840a8");
    }
    void pumpCommandsSwitchThePump() {
        QFETCH(QString, kind);
        QFETCH(QByteArray, on);
        QFETCH(QByteArray, off);
        QFETCH(QByteArray, otherForm);
        EmulatorProcess emulator({"--kind", kind});
        QVERIFY(emulator.start());
        run(emulator, "trace on");
        Port port(emulator.devicePath());
        QCOMPARE(emulator.query("get pump"), QString("pump 0"));

        QCOMPARE(deliver(emulator, port, otherForm, 1).size(), 1);
        QCOMPARE(emulator.query("get pump"), QString("pump 0")); // the other analyser's form

        QCOMPARE(deliver(emulator, port, on, 1).size(), 1);
        QCOMPARE(emulator.query("get pump"), QString("pump 1"));
        QCOMPARE(peek(emulator, "main", 54, 1), hex("40"));
        QCOMPARE(deliver(emulator, port, on, 1).size(), 1); // on again stays on
        QCOMPARE(emulator.query("get pump"), QString("pump 1"));
        QCOMPARE(deliver(emulator, port, off, 1).size(), 1);
        QCOMPARE(emulator.query("get pump"), QString("pump 0"));
        QVERIFY(port.waiting().isEmpty()); // pump commands get no answer
    }

    void traceShowsEveryFrameInUpperCaseHex() {
        EmulatorProcess emulator;
        QVERIFY(emulator.start());
        run(emulator, "trace on");
        Port port(emulator.devicePath());
        const QStringList seen = deliver(emulator, port, hex("d08000501379ab37"), 2);
        QCOMPARE(seen, (QStringList{"rx D0 80 00 50", "rx 13 79 AB 37"}));
    }

    void streamStartingMidFrameIsAnsweredAfterResync() {
        EmulatorProcess emulator;
        QVERIFY(emulator.start());
        run(emulator, "set co 300");
        Port port(emulator.devicePath());
        // the tail of a type request, one stray byte, then a CO word read
        port.send(hex("800050") + hex("ff") + request(0x99, 0x33, 0));
        QCOMPARE(port.receive(4), hex("99332c01"));
        // a request split over two writes is still one request
        port.send(hex("d080"));
        port.send(hex("0050"));
        QCOMPARE(port.receive(4), hex("d0800252"));
    }

    void silentAnalyserAnswersNothing() {
        EmulatorProcess emulator({"--silent"});
        QVERIFY(emulator.start());
        run(emulator, "trace on");
        Port port(emulator.devicePath());
        QCOMPARE(deliver(emulator, port, hex("d0800050"), 1).size(), 1);
        QCOMPARE(port.waiting(), QByteArray());
        QCOMPARE(deliver(emulator, port, hex("303840a8"), 1).size(), 1);
        QCOMPARE(emulator.query("get pump"), QString("pump 0")); // nor acts on requests

        run(emulator, "silent off");
        port.send(hex("d0800050"));
        QCOMPARE(port.receive(4), hex("d0800252"));

        run(emulator, "silent on");
        QCOMPARE(deliver(emulator, port, hex("d0800050"), 1).size(), 1);
        QCOMPARE(port.waiting(), QByteArray());
    }

    void rawBytesGoOnTheLine() {
        EmulatorProcess emulator;
        QVERIFY(emulator.start());
        Port port(emulator.devicePath());
        run(emulator, "rawhex 01 a2 FF");
        QCOMPARE(port.receive(3), hex("01a2ff"));
        run(emulator, "garbage 100");
        QCOMPARE(port.receive(100).size(), 100);
        QVERIFY(emulator.query("rawhex 1G").startsWith("error: "));
    }

    void headerAreaHoldsTwoCopiesAndTheirChecksum() {
        EmulatorProcess emulator;
        QVERIFY(emulator.start());
        const QByteArray first = peek(emulator, "aux", 256, 64);
        QCOMPARE(first.size(), 64);
        QCOMPARE(peek(emulator, "aux", 320, 64), first);
        QCOMPARE(first.at(63), '\0');
        uchar sum = 0;
        for (char c : first)
            sum = uchar(sum + uchar(c));
        QCOMPARE(peek(emulator, "aux", 384, 2), QByteArray(2, char(sum)));
    }

    void headerWrittenByTheProgramIsReadBack() {
        EmulatorProcess emulator;
        QVERIFY(emulator.start());
        run(emulator, "trace on");
        Port port(emulator.devicePath());
        QByteArray header = QByteArray("ABC") + '\0' + "DEF" + '\0';
        header = header.leftJustified(63, ' ') + '\0';
        uchar sum = 0;
        for (char c : header)
            sum = uchar(sum + uchar(c));

        // service byte 10 to 781, the checksum to 384 and 385, then both copies
        QByteArray frames =
            request(0x13, 0x0d, 10) + request(0x51, 0x80, sum) + request(0x51, 0x81, sum);
        for (int n = 0; n < 128; ++n)
            frames += request(0x51, n, uchar(header[n % 64]));
        QCOMPARE(deliver(emulator, port, frames, 131).size(), 131);

        QByteArray readBack;
        for (int n = 0; n < 64; ++n) {
            port.send(request(0xd1, n, 0));
            const QByteArray answer = port.receive(4);
            QCOMPARE(uchar(answer.at(0)), uchar(0xd1));
            QCOMPARE(uchar(answer.at(1)), uchar(n));
            readBack += answer.at(2);
        }
        QCOMPARE(readBack, header);
        QCOMPARE(peek(emulator, "aux", 320, 64), header);
        QCOMPARE(peek(emulator, "aux", 384, 2), QByteArray(2, char(sum)));
    }

    void calibrationGasAndSettingsAreWhereTheProgramLooks() {
        EmulatorProcess emulator;
        QVERIFY(emulator.start());
        // CO of cylinders 1..3 at 1549, 1551, 1553: 0.50 %, 2.00 %, 5.00 %
        QCOMPARE(peek(emulator, "main", 1548, 6), hex("003200c801f4"));
        // CH (ppm) at 1613.., CO2 at 1677..
        QCOMPARE(peek(emulator, "main", 1612, 6), hex("006403e80bb8"));
        QCOMPARE(peek(emulator, "main", 1676, 6), hex("01f403e80578"));
        QCOMPARE(peek(emulator, "main", 451, 1), hex("04"));
    }

    void consoleSwitchesSetTheFlagBytes_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("mask");
        QTest::addColumn<int>("expected");
        QTest::newRow("pump on") << "pump on" << 54 << 0x60 << 0x40;
        QTest::newRow("zero on") << "zero on" << 54 << 0x60 << 0x20;
        QTest::newRow("petrol") << "fuel petrol" << 882 << 0x88 << 0x08;
        QTest::newRow("natural gas") << "fuel gas" << 882 << 0x88 << 0x80;
        QTest::newRow("propane") << "fuel propane" << 882 << 0x88 << 0x00;
        QTest::newRow("corrected CO") << "corrected on" << 882 << 0x30 << 0x10;
        QTest::newRow("oil mode") << "oilmode on" << 882 << 0x30 << 0x20;
        QTest::newRow("pressure menu") << "menu pressure" << 882 << 0x04 << 0x04;
        QTest::newRow("cylinders menu") << "menu cylinders" << 1353 << 0x30 << 0x10;
        QTest::newRow("tacho menu") << "menu tacho" << 1353 << 0x30 << 0x20;
        QTest::newRow("status CO") << "status co 1" << 1581 << 0xff << 1;
        QTest::newRow("status O2") << "status o2 2" << 1773 << 0xff << 2;
        QTest::newRow("cylinders") << "cylinders 6" << 451 << 0xff << 6;
        QTest::newRow("tacho") << "tacho 9" << 470 << 0xff << 9;
    }
    void consoleSwitchesSetTheFlagBytes() {
        QFETCH(QString, command);
        QFETCH(int, address);
        QFETCH(int, mask);
        QFETCH(int, expected);
        EmulatorProcess emulator;
        QVERIFY(emulator.start());
        run(emulator, command);
        const QByteArray byte = peek(emulator, "main", address, 1);
        QCOMPARE(byte.size(), 1);
        QCOMPARE(uchar(byte[0]) & mask, expected);
    }

    void menuNoneClosesEveryMenu() {
        EmulatorProcess emulator;
        QVERIFY(emulator.start());
        run(emulator, "menu tacho");
        run(emulator, "menu pressure");
        QCOMPARE(uchar(peek(emulator, "main", 1353, 1).at(0)) & 0x30, 0);
        run(emulator, "menu none");
        QCOMPARE(uchar(peek(emulator, "main", 882, 1).at(0)) & 0x04, 0);
    }

    void wrongCommandsAreReported() {
        EmulatorProcess emulator;
        QVERIFY(emulator.start());
        const QStringList wrong{"fly",
                                "set",
                                "set co x",
                                "drift maybe",
                                "fuel diesel",
                                "peek main 2047 2",
                                "peek x 1",
                                "clock 2024-13-01 00:00:00",
                                "rawclock 2024-11-32 00:00:00",
                                "rawclock 2024-11-30",
                                "status co2 300",
                                "get lambda"};
        for (const QString &line : wrong)
            QVERIFY2(emulator.query(line).startsWith("error: "), qPrintable(line));
        QCOMPARE(emulator.query("peek main 2047 1").left(5), QString("peek "));
    }

    void clockRunsAcrossTheYearEnd() {
        EmulatorProcess emulator;
        QVERIFY(emulator.start());
        run(emulator, "clock 2024-12-31 23:59:59");
        emulator.pump(2500);
        const QString reply = emulator.query("clock");
        QVERIFY2(reply.startsWith("clock 2025-01-01 00:00:"), qPrintable(reply));
        const int seconds = reply.right(2).toInt();
        QVERIFY2(seconds >= 0 && seconds <= 30, qPrintable(reply)); // at least 1 s has passed
    }

    void clockBytesAreBcd_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("seconds"); // address of the seconds byte; control is 9 above
        QTest::newRow("four-component") << "4" << 368;
        QTest::newRow("two-component") << "2" << 384;
    }
    void clockBytesAreBcd() {
        QFETCH(QString, kind);
        QFETCH(int, seconds);
        EmulatorProcess emulator({"--kind", kind});
        QVERIFY(emulator.start());
        run(emulator, "trace on");
        Port port(emulator.devicePath());
        run(emulator, "clock 2024-02-29 13:45:10");
        const int control = seconds + 9;
        QCOMPARE(
            deliver(emulator, port, request(0x10 + control / 256, control % 256, 0x40), 1).size(),
            1);
        // seconds, minutes, hours, weekday (Thursday), day, month, year, -, century, control
        const QByteArray held = peek(emulator, "main", seconds, 10);
        QCOMPARE(held.mid(1), hex("451304290224001440"));
        QVERIFY2(uchar(held[0]) >= 0x10 && uchar(held[0]) <= 0x19, qPrintable(held.toHex()));
        emulator.pump(1200);
        QCOMPARE(peek(emulator, "main", seconds, 10), held); // a held clock does not tick
        // and the byte read answers with the same BCD byte
        port.send(request(0x90 + (seconds + 1) / 256, (seconds + 1) % 256, 0));
        const QByteArray answer = port.receive(4);
        QCOMPARE(answer.at(2), char(0x45));
    }

    void clockWriteSetsTheClock_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("seconds");
        QTest::newRow("four-component") << "4" << 368;
        QTest::newRow("two-component") << "2" << 384;
    }
    void clockWriteSetsTheClock() {
        QFETCH(QString, kind);
        QFETCH(int, seconds);
        EmulatorProcess emulator({"--kind", kind});
        QVERIFY(emulator.start());
        run(emulator, "trace on");
        Port port(emulator.devicePath());
        const auto write = [](int address, int value) {
            return request(0x10 + address / 256, address % 256, value);
        };
        // the program's order: hold, year, century, month, day, hours (bit 6 set),
        // minutes, seconds, then run
        const QByteArray frames =
            write(seconds + 9, 0x40) + write(seconds + 6, 0x31) + write(seconds + 8, 20) +
            write(seconds + 5, 0x07) + write(seconds + 4, 0x15) + write(seconds + 2, 0x53) +
            write(seconds + 1, 0x45) + write(seconds, 0x10) + write(seconds + 9, 0xc0);
        if (kind == "4")
            QCOMPARE(frames.left(4), hex("117940ca"));
        QCOMPARE(deliver(emulator, port, frames, 9).size(), 9);
        const QString reply = emulator.query("clock");
        QVERIFY2(reply.startsWith("clock 2031-07-15 13:45:1"), qPrintable(reply));
        // the clock bytes are rewritten without the bit 6 of the hours
        QCOMPARE(peek(emulator, "main", seconds + 2, 1), hex("13"));
    }

    // A clock standing at figures that make no date, from the console or the command line:
    // its bytes hold them in BCD and do not move; a clock command sets it running again.
    void rawClockStandsAtFiguresOfNoDate_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("command");
        QTest::newRow("console") << QStringList{} << "rawclock 2024-11-31 10:20:30";
        QTest::newRow("command line")
            << QStringList{"--raw-clock", "2024-11-31 10:20:30"} << QString();
    }
    void rawClockStandsAtFiguresOfNoDate() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, command);
        EmulatorProcess emulator(arguments);
        QVERIFY(emulator.start());
        if (!command.isEmpty())
            run(emulator, command);
        // seconds, minutes, hours, weekday, day, month, year, -, century
        const QByteArray standing = peek(emulator, "main", 368, 9);
        QCOMPARE(standing.left(3), hex("302010"));
        QCOMPARE(standing.mid(4, 3), hex("311124"));
        QCOMPARE(standing.at(8), char(20));
        emulator.pump(1200);
        QCOMPARE(peek(emulator, "main", 368, 9), standing);
        QCOMPARE(emulator.query("clock"), QStringLiteral("clock 2024-11-31 10:20:30"));
        run(emulator, "clock 2024-11-30 10:20:30");
        QVERIFY(emulator.query("clock").startsWith("clock 2024-11-30 10:20:"));
    }

    void clockWithBytesThatAreNoDateKeepsItsTime() {
        EmulatorProcess emulator;
        QVERIFY(emulator.start());
        run(emulator, "trace on");
        Port port(emulator.devicePath());
        run(emulator, "clock 2024-05-06 07:08:09");
        // 31 April does not exist
        const QByteArray frames = request(0x11, 0x79, 0x40) + request(0x11, 0x75, 0x04) +
                                  request(0x11, 0x74, 0x31) + request(0x11, 0x79, 0xc0);
        QCOMPARE(deliver(emulator, port, frames, 4).size(), 4);
        QVERIFY(emulator.query("clock").startsWith("clock 2024-05-06 07:08:"));
    }
};

QTEST_GUILESS_MAIN(TestEmulator)
#include "test_emulator.moc"
