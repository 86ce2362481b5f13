#include "analyser_requests.h"
#include "analyser_status_sink.h"
#include "answer_frames.h"
#include "fake_channel.h"
#include "scripted_prompts.h"
#include "tvelantar.h"
#include "tvelantar_probe.h"

#include <QRandomGenerator>
#include <QtTest>

#include <vector>

namespace {

std::vector<quint8> bytes(std::initializer_list<int> values) {
    std::vector<quint8> out;
    for (int v : values)
        out.push_back(quint8(v));
    return out;
}

QByteArray raw(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

struct RecordingSink : AnalyserStatusSink {
    QStringList texts;
    void showAnalyserStatus(const QString &text) override { texts << text; }
};

// A byte answer frame for a main-space address.
std::vector<quint8> byteAnswer(int address, int data) {
    return AnswerFrames::toBytes(AnswerFrames::byteAnswer(address, data));
}

std::vector<quint8> wordAnswer(int address, int value) {
    return AnswerFrames::toBytes(AnswerFrames::wordAnswer(address, value));
}

void setClock(TVelantar &v, int century, int year, int month, int day, int h, int m, int s) {
    const AddressMap &map = v.addressMap();
    TVelantarProbe::mainImage(v)[map[AddressMap::ClockCentury]] = quint8(century);
    TVelantarProbe::mainImage(v)[map[AddressMap::ClockYear]] = quint8(year);
    TVelantarProbe::mainImage(v)[map[AddressMap::ClockMonth]] = quint8(month);
    TVelantarProbe::mainImage(v)[map[AddressMap::ClockDay]] = quint8(day);
    TVelantarProbe::mainImage(v)[map[AddressMap::ClockHours]] = quint8(h);
    TVelantarProbe::mainImage(v)[map[AddressMap::ClockMinutes]] = quint8(m);
    TVelantarProbe::mainImage(v)[map[AddressMap::ClockSeconds]] = quint8(s);
}

} // namespace

class TestTVelantar : public QObject {
    Q_OBJECT

private slots:
    void typeRequestIsExactFrame() {
        FakeChannel channel;
        channel.existingPorts = {1};
        channel.Open(1, 9600);
        TVelantar v;
        TVelantarProbe::frame(v).count = 2;
        QVERIFY(v.SendTypeRequest(channel));
        QCOMPARE(channel.written, raw({0xD0, 0x80, 0x00, 0x50}));
        QVERIFY(v.stateFlags() & TVelantar::TypeRequestOutstanding);
        QCOMPARE(TVelantarProbe::frame(v).count, 0);
    }

    void requestBuildersPutHighAddressBitsInHeader() {
        QCOMPARE(AnalyserRequests::wordRead(307), (AnalyserRequest{0x99, 0x33, 0}));
        QCOMPARE(AnalyserRequests::wordRead(1773), (AnalyserRequest{0x9E, 0xED, 0}));
        QCOMPARE(AnalyserRequests::byteWrite(377, 0x40), (AnalyserRequest{0x11, 0x79, 0x40}));
        QCOMPARE(AnalyserRequests::auxByteWrite(385, 7), (AnalyserRequest{0x51, 0x81, 7}));
    }

    void detectionResynchronisesOnLateStart() {
        TVelantar v;
        const auto stream = bytes({0x80, 0x00, 0x02, 0x52, 0xC0, 0x80, 0x02, 0x42});
        QVERIFY(v.ParseDetectionBytes(stream));
        QVERIFY(v.isDetected());
        QCOMPARE(v.typeName(), TVelantar::FourComponentTypeName);
        QCOMPARE(v.auxImage()[0x80], quint8(2));
    }

    void detectionIgnoresMainSpaceAndRejectsUnknownCodes() {
        TVelantar v;
        // A valid main-space byte answer is taken as misaligned, never as a type.
        QVERIFY(!v.ParseDetectionBytes(byteAnswer(0x80, 2)));
        QVERIFY(!v.isDetected());

        TVelantar w;
        // Type code 7 ends the batch: the valid type answer after it is not seen.
        auto batch = bytes({0xC0, 0x80, 0x07, 0x47, 0xC0, 0x80, 0x01, 0x41});
        QVERIFY(!w.ParseDetectionBytes(batch));
        QVERIFY(!w.isDetected());
        QVERIFY(w.ParseDetectionBytes(bytes({0xC0, 0x80, 0x01, 0x41})));
        QCOMPARE(w.typeName(), TVelantar::TwoComponentTypeName);
    }

    void wordAnswersFillTheMirror() {
        TVelantar v;
        v.ParsePollingBytes(bytes({0x99, 0x33, 0x2C, 0x01}));
        QCOMPARE(v.mainImage()[307], quint8(0x2C));
        QCOMPARE(v.mainImage()[306], quint8(0x01));
        QCOMPARE(v.mainWord(307), quint16(300));
        v.Decode();
        QCOMPARE(v.decoded().co, 300);

        // A word at address 0 stores its low byte only.
        TVelantarProbe::mainImage(v)[0] = 0;
        v.ParsePollingBytes(bytes({0x98, 0x00, 0x07, 0x09}));
        QCOMPARE(v.mainImage()[0], quint8(7));
        QCOMPARE(TVelantarProbe::frame(v).count, 0);

        // A word whose high byte happens to be the checksum is a byte answer: only the low
        // byte lands.
        TVelantarProbe::mainImage(v)[0x0F] = 0x11;
        v.ParsePollingBytes(bytes({0x98, 0x10, 0x05, 0xAD}));
        QCOMPARE(v.mainImage()[0x10], quint8(5));
        QCOMPARE(v.mainImage()[0x0F], quint8(0x11));
    }

    void pollingResynchronisesMidFrame() {
        TVelantar v;
        auto stream = bytes({0x2C, 0x01});
        const auto word = wordAnswer(309, 0x0010);
        stream.insert(stream.end(), word.begin(), word.end());
        const auto byte = byteAnswer(882, 0x18);
        stream.insert(stream.end(), byte.begin(), byte.end());
        v.ParsePollingBytes(stream);
        QCOMPARE(v.mainWord(309), quint16(0x10));
        QCOMPARE(v.mainImage()[882], quint8(0x18));
        QCOMPARE(TVelantarProbe::frame(v).count, 0);
    }

    void pollingSplitAcrossReads() {
        TVelantar v;
        const auto word = wordAnswer(315, 812);
        v.ParsePollingBytes(std::span(word).first(3));
        QCOMPARE(v.mainWord(315), quint16(0));
        v.ParsePollingBytes(std::span(word).last(1));
        QCOMPARE(v.mainWord(315), quint16(812));
    }

    void pollingTypeAnswerReportsStatus() {
        TVelantar v;
        RecordingSink sink;
        v.setStatusSink(&sink);
        TVelantarProbe::stateFlags(v) = TVelantar::TypeRequestOutstanding;
        v.ParsePollingBytes(bytes({0xD0, 0x80, 0x01, 0x51}));
        QCOMPARE(sink.texts, QStringList{QStringLiteral("Тип прибора: Велантар")});
        QCOMPARE(v.stateFlags(), quint16(0));

        // Another code drops the rest of the batch.
        auto batch = bytes({0xD0, 0x80, 0x09, 0x59});
        const auto after = byteAnswer(54, 0x40);
        batch.insert(batch.end(), after.begin(), after.end());
        v.ParsePollingBytes(batch);
        QCOMPARE(v.mainImage()[54], quint8(0));
        QCOMPARE(sink.texts.size(), 1);

        // Frames with bit 7 clear are ignored.
        v.ParsePollingBytes(bytes({0x10, 0x36, 0x40, 0x86}));
        QCOMPARE(v.mainImage()[0x36], quint8(0));
    }

    void decodeClampsTheClock_data() {
        QTest::addColumn<QList<int>>("clock"); // century, year, month, day, h, m, s
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QTime>("time");
        QTest::newRow("plain") << QList<int>{20, 0x05, 0x03, 0x17, 0x52, 0x07, 0x45}
                               << QDate(2005, 3, 17) << QTime(12, 7, 45);
        QTest::newRow("century 0") << QList<int>{0, 0x00, 0x01, 0x01, 0x00, 0x60, 0x00}
                                   << QDate(2000, 1, 1) << QTime(0, 0, 0);
        QTest::newRow("month 13, day 0") << QList<int>{20, 0x24, 0x13, 0x00, 0x24, 0x59, 0x60}
                                         << QDate(2024, 12, 30) << QTime(0, 59, 0);
        QTest::newRow("beyond 2100") << QList<int>{99, 0x99, 0x06, 0x32, 0x23, 0x00, 0x01}
                                     << QDate(2100, 6, 30) << QTime(23, 0, 1);
    }
    void decodeClampsTheClock() {
        QFETCH(QList<int>, clock);
        QFETCH(QDate, date);
        QFETCH(QTime, time);
        TVelantar v;
        setClock(v, clock[0], clock[1], clock[2], clock[3], clock[4], clock[5], clock[6]);
        v.Decode();
        QCOMPARE(v.decoded().deviceDate, date);
        QCOMPARE(v.decoded().deviceTime, time);
    }

    // A clock that makes no date keeps the date and time decoded before; every other value
    // is decoded as usual.
    void invalidDateKeepsOnlyTheClock_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::newRow("31 November") << 0x24 << 0x11 << 0x31;
        QTest::newRow("31 April") << 0x24 << 0x04 << 0x31;
        QTest::newRow("29 February, common year") << 0x23 << 0x02 << 0x29;
    }
    void invalidDateKeepsOnlyTheClock() {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        TVelantar v;
        setClock(v, 20, 0x24, 0x05, 0x10, 0x10, 0x00, 0x00);
        TVelantarProbe::mainImage(v)[TVelantar::ModeFlagsAddress] = 0x08;
        TVelantarProbe::mainImage(v)[TVelantar::PumpFlagsAddress] = 0x40;
        v.Decode();
        QCOMPARE(v.decoded().modeFlags, quint8(0x08));

        setClock(v, 20, year, month, day, 0x11, 0x22, 0x33);
        v.ParsePollingBytes(wordAnswer(307, 250));
        v.ParsePollingBytes(wordAnswer(TVelantar::CalibrationGasBase, 1234));
        TVelantarProbe::mainImage(v)[TVelantar::ModeFlagsAddress] = 0x80;
        TVelantarProbe::mainImage(v)[TVelantar::MenuFlagsAddress] = 0x10;
        TVelantarProbe::mainImage(v)[TVelantar::PumpFlagsAddress] = 0x00;
        v.Decode();
        QCOMPARE(v.decoded().deviceDate, QDate(2024, 5, 10));
        QCOMPARE(v.decoded().deviceTime, QTime(10, 0, 0));
        QCOMPARE(v.decoded().co, 250);
        QCOMPARE(v.decoded().modeFlags, quint8(0x80));
        QCOMPARE(v.decoded().menuFlags, quint8(0x10));
        QCOMPARE(v.decoded().pumpFlags, quint8(0x00));
        QCOMPARE(v.decoded().CalibrationGasValues[0], 1234);
    }

    void clockWriteRoundTrips() {
        TVelantar v;
        v.SetDate(2024, 2, 29);
        v.SetTime(13, 45, 59);
        const AddressMap &map = v.addressMap();
        QCOMPARE(v.mainImage()[map[AddressMap::ClockYear]], quint8(0x24));
        QCOMPARE(v.mainImage()[map[AddressMap::ClockCentury]], quint8(20));
        QCOMPARE(v.mainImage()[map[AddressMap::ClockHours]], quint8(0x53));
        v.Decode();
        QCOMPARE(v.decoded().deviceDate, QDate(2024, 2, 29));
        QCOMPARE(v.decoded().deviceTime, QTime(13, 45, 59));
    }

    void decodeReadsFixedAddressesAndGases() {
        TVelantar v;
        setClock(v, 20, 0x24, 0x01, 0x01, 0, 0, 0);
        for (int cylinder = 0; cylinder < 3; ++cylinder)
            for (int gas = 0; gas < 3; ++gas)
                v.ParsePollingBytes(
                    wordAnswer(1549 + 64 * gas + 2 * cylinder, 100 * cylinder + gas));
        v.ParsePollingBytes(wordAnswer(947, 0xFFF6)); // -10 degrees
        v.ParsePollingBytes(byteAnswer(1645, 0x02));
        v.Decode();
        for (int i = 0; i < 9; ++i)
            QCOMPARE(v.decoded().CalibrationGasValues[i], 100 * (i / 3) + i % 3);
        QCOMPARE(v.decoded().oilTemperature, 0xFFF6);
        QCOMPARE(v.decoded().channelStatus[1], quint8(0x02));
    }

    void twoComponentMapReadsZeroAfterReset() {
        TVelantar v;
        v.ParsePollingBytes(byteAnswer(0, 0x55));
        v.ParsePollingBytes(byteAnswer(1, 0x66));
        v.SelectAddressMap(AnalyserKind::TwoComponent);
        v.ParsePollingBytes(wordAnswer(289, 120));
        v.Decode();
        QCOMPARE(v.decoded().co2, 0x5566);
        v.Reset();
        setClock(v, 20, 0x24, 0x01, 0x01, 0, 0, 0);
        v.Decode();
        QCOMPARE(v.decoded().co, 120);
        QCOMPARE(v.decoded().co2, 0);
        QCOMPARE(v.decoded().o2, 0);
        QCOMPARE(v.decoded().lambda, 0);
        QCOMPARE(v.addressMap()[AddressMap::ClockControl], 393);
    }

    void detectScansPortsWhenNothingArrives() {
        FakeChannel channel;
        channel.existingPorts = {2};
        TVelantar v;
        for (int step = 0; step < 4; ++step)
            QVERIFY(!v.Detect(channel, 2, false, 1));
        QCOMPARE(channel.openedPorts, (QList<int>{1, 2, 1, 2}));
        QCOMPARE(v.attempts(), 4);
        QCOMPARE(channel.written, raw({0xD0, 0x80, 0x00, 0x50, 0xD0, 0x80, 0x00, 0x50}));

        // The analyser on COM2 answers; the next step finds it and every later one too.
        channel.incoming = raw({0xD0, 0x80, 0x02, 0x52});
        QVERIFY(v.Detect(channel, 2, false, 1));
        QVERIFY(v.Detect(channel, 2, false, 1));
        QCOMPARE(channel.PortNumber(), 2);
        QCOMPARE(v.stateFlags(), quint16(0));
    }

    void detectFixedPortAndStalePort() {
        FakeChannel channel;
        TVelantar v;
        for (int step = 0; step < 3; ++step)
            v.Detect(channel, 1, true, 3);
        QCOMPARE(channel.openedPorts, (QList<int>{3, 3, 3}));

        // A scan whose last port lies beyond the range opens nothing.
        channel.openedPorts.clear();
        v.Detect(channel, 2, false, 1);
        QVERIFY(channel.openedPorts.isEmpty());
    }

    // Ports the system would not let the user open are collected, each once, until the next
    // Reset; a port that failed for another reason is not among them.
    void detectCollectsRefusedPorts() {
        FakeChannel channel;
        channel.refusedDevices = {{1, "/dev/ttyUSB0"}, {3, "/dev/ttyS0"}};
        TVelantar v;
        for (int step = 0; step < 8; ++step)
            QVERIFY(!v.Detect(channel, 4, false, 1));
        const QList<PortRefusals::Port> refused = {{1, "/dev/ttyUSB0"}, {3, "/dev/ttyS0"}};
        QCOMPARE(v.refusedPorts().ports(), refused);
        v.Reset();
        QVERIFY(v.refusedPorts().isEmpty());
    }

    void detectReportsAReadFailure() {
        FakeChannel channel;
        channel.existingPorts = {1};
        ScriptedPrompts prompts;
        TVelantar v;
        v.setPrompts(&prompts);
        v.Detect(channel, 2, false, 1);
        channel.incoming = raw({0xD0, 0x80});
        channel.failReads = true;
        QVERIFY(!v.Detect(channel, 2, false, 1));
        QCOMPARE(prompts.shown, QStringList{QStringLiteral("Ошибка чтения данных")});
    }

    void randomBytesStayInsideTheImages() {
        QRandomGenerator random(20261208);
        TVelantar v;
        RecordingSink sink;
        v.setStatusSink(&sink);
        std::vector<quint8> batch;
        for (int round = 0; round < 20000; ++round) {
            batch.resize(random.bounded(0, 64));
            for (quint8 &b : batch)
                b = quint8(random.bounded(256));
            if (round % 2)
                v.ParsePollingBytes(batch);
            else
                v.ParseDetectionBytes(batch);
            QVERIFY(TVelantarProbe::frame(v).count >= 0 && TVelantarProbe::frame(v).count < 4);
            if (round % 97 == 0)
                v.Decode();
        }
        for (int i = TVelantar::AddressableSize; i < TVelantar::ImageSize; ++i) {
            QCOMPARE(v.mainImage()[i], quint8(0));
            QCOMPARE(v.auxImage()[i], quint8(0));
        }
    }
};

QTEST_GUILESS_MAIN(TestTVelantar)
#include "test_tvelantar.moc"
