#include "fake_channel.h"
#include "poll_cycle.h"
#include "tvelantar.h"
#include "tvelantar_probe.h"

#include <QtTest>

namespace {

// A request as "99 33 00" (checksum left out).
QString requestText(const AnalyserRequest &request) {
    return QString("%1 %2 %3")
        .arg(request.header, 2, 16, QChar('0'))
        .arg(request.address, 2, 16, QChar('0'))
        .arg(request.data, 2, 16, QChar('0'))
        .toUpper();
}

// The frames written since the last call, as requestText shows them.
QStringList takeRequests(FakeChannel &channel) {
    QStringList out;
    for (qsizetype i = 0; i + 3 < channel.written.size(); i += 4)
        out << requestText({quint8(channel.written[i]), quint8(channel.written[i + 1]),
                            quint8(channel.written[i + 2])});
    channel.written.clear();
    return out;
}

struct RecordingObserver : HeaderTransferObserver {
    QList<int> progress;
    int readsDone = 0, writesDone = 0;
    void headerTransferProgress(int percent) override { progress << percent; }
    void headerReadComplete() override { ++readsDone; }
    void headerWriteComplete() override { ++writesDone; }
};

} // namespace

class TestPollCycle : public QObject {
    Q_OBJECT

    FakeChannel channel;
    TVelantar analyser;
    PollCycle *cycle = nullptr;

    QStringList run(int ticks, PollCycle::Conditions conditions = {}) {
        for (int i = 0; i < ticks; ++i)
            cycle->tick(conditions);
        return takeRequests(channel);
    }

private slots:
    void init() {
        channel = FakeChannel();
        channel.existingPorts = {1};
        channel.Open(1, 9600);
        analyser = TVelantar();
        cycle = new PollCycle(analyser, channel);
    }
    void cleanup() { delete cycle; }

    void normalCycleFourComponent() {
        // Steps 1, 2, 3, 17, 21, 24, 26, 27, 28, 29 (the last repeats the previous request).
        const QStringList expected = {"99 33 00", "99 3B 00", "99 35 00", "99 37 00", "99 39 00",
                                      "99 4F 00", "9B 72 00", "9D 49 00", "98 36 00", "98 36 00"};
        QCOMPARE(run(10), expected);
        QCOMPARE(cycle->step(), 0);
        QCOMPARE(run(1), QStringList{"99 33 00"});
    }

    void normalCycleTwoComponentReplacesMissingWords() {
        analyser.SelectAddressMap(AnalyserKind::TwoComponent);
        const QStringList expected = {"99 21 00", "99 25 00", "99 23 00", "99 05 00", "99 05 00",
                                      "98 01 00", "9B 72 00", "9D 49 00", "98 36 00", "98 36 00"};
        QCOMPARE(run(10), expected);
    }

    void printerAndTableViewReadTheClock() {
        TVelantarProbe::mainImage(analyser)[374] = 0x24;
        PollCycle::Conditions withPrinter;
        withPrinter.printerAndTable = true;
        // 1, 2, 3, then 5 (nothing: repeat), 6, clock bytes 7..13, 14, 15 (repeat), 16, ...
        const QStringList expected = {"99 33 00", "99 3B 00", "99 35 00", "99 35 00", "99 01 00",
                                      "91 76 24", "91 78 00", "91 75 00", "91 74 00", "91 72 00",
                                      "91 71 00", "91 70 00", "91 79 C0", "91 79 C0", "99 07 00",
                                      "99 37 00", "99 39 00", "99 4F 00", "9B 72 00", "9D 49 00",
                                      "98 36 00", "98 36 00"};
        QCOMPARE(run(22, withPrinter), expected);
        QCOMPARE(cycle->step(), 0);

        // The two-component analyser's clock sits at other addresses.
        analyser.SelectAddressMap(AnalyserKind::TwoComponent);
        const QStringList twoComponent = run(14, withPrinter).mid(5, 8);
        QCOMPARE(twoComponent.first(), QStringLiteral("91 86 00"));
        QCOMPARE(twoComponent.last(), QStringLiteral("91 89 C0"));
    }

    void modeIndicationPicksCorrectedCoAndOilTemperature() {
        TVelantarProbe::decoded(analyser).modeFlags = 0x30;
        QStringList requests = run(10);
        QCOMPARE(requests[0], QStringLiteral("99 31 00")); // corrected CO at 305
        QCOMPARE(requests[5], QStringLiteral("9B B3 00")); // oil temperature at 947
        PollCycle::Conditions indicationOff;
        indicationOff.modeIndication = false;
        requests = run(10, indicationOff);
        QCOMPARE(requests[0], QStringLiteral("99 33 00"));
        QCOMPARE(requests[5], QStringLiteral("99 4F 00"));
    }

    void pendingCommandIsSentOnce() {
        cycle->queueCommand({true, 0x30, 56, 64});
        QCOMPARE(run(2), (QStringList{"99 33 00", "30 38 40"}));
        QVERIFY(!cycle->pendingCommand().waiting);
        QVERIFY(!run(30).contains("30 38 40"));
        QCOMPARE(channel.written.size(), 0);

        // Given after step 2 it waits for the next cycle's step 2.
        cycle->reset();
        run(3);
        cycle->queueCommand({true, 0xB0, 56, 64});
        const QStringList rest = run(9);
        QCOMPARE(rest.count("B0 38 40"), 1);
        QCOMPARE(rest.indexOf("B0 38 40"), 8);
    }

    void decodeRunsAtTheEndOfEachCycle() {
        TVelantarProbe::mainImage(analyser)[306] = 0x01;
        TVelantarProbe::mainImage(analyser)[307] = 0x2C;
        run(9);
        QCOMPARE(analyser.decoded().co, 0);
        run(1);
        QCOMPARE(analyser.decoded().co, 300);
    }

    void clockWriteSendsTheClockBytes() {
        analyser.SetDate(2026, 12, 8);
        analyser.SetTime(9, 30, 15);
        cycle->startClockWrite();
        // Answers to clock byte reads still on their way overwrite the mirror with the old
        // clock; the new bytes go out all the same.
        for (int address = 0x170; address <= 0x179; ++address)
            TVelantarProbe::mainImage(analyser)[address] = 0;
        const QStringList expected = {"11 79 40", "11 76 26", "11 78 14", "11 75 12", "11 74 08",
                                      "11 72 49", "11 71 30", "11 70 15", "11 79 C0", "11 79 C0"};
        QCOMPARE(run(10), expected);
        QCOMPARE(cycle->clockMode(), PollCycle::ClockRunning);
        QCOMPARE(run(2), (QStringList{"99 07 00", "99 37 00"}));
    }

    void afterZeroAndCalibrationGasCycles() {
        cycle->startAfterZeroCycle();
        QCOMPARE(run(4), (QStringList{"9E 2D 00", "9E 6D 00", "9E AD 00", "9E ED 00"}));
        QCOMPARE(cycle->mode(), int(PollCycle::Normal));
        QCOMPARE(cycle->step(), 4); // goes on in the normal cycle at step 5

        cycle->reset();
        cycle->startCalibrationGasCycle();
        const QStringList gas = run(9);
        QCOMPARE(gas.first(), QStringLiteral("9E 0D 00"));
        QCOMPARE(gas.last(), QStringLiteral("9E 91 00"));
        QCOMPARE(cycle->step(), 0);
        QCOMPARE(cycle->mode(), int(PollCycle::Normal));

        cycle->setStep(3);
        cycle->enterSettingsMenuCycle();
        QCOMPARE(run(6), (QStringList{"99 47 00", "99 D6 00", "99 C3 00", "9B 72 00", "9D 49 00",
                                      "9D 49 00"}));
        QCOMPARE(cycle->step(), 0);
    }

    // "Обновл." may come at any step of the normal cycle, with or without the clock steps;
    // the gas cycle always asks for all nine words, cylinder by cylinder, from the first.
    void calibrationGasCycleStartsAtItsFirstWord_data() {
        QTest::addColumn<int>("step");
        QTest::addColumn<bool>("printerAndTable");
        for (int step = 0; step <= 28; ++step)
            for (const bool printer : {false, true})
                QTest::addRow("step %d%s", step, printer ? ", printer" : "") << step << printer;
    }
    void calibrationGasCycleStartsAtItsFirstWord() {
        QFETCH(int, step);
        QFETCH(bool, printerAndTable);
        QStringList expected;
        for (int cylinder = 0; cylinder < CalibrationGasKit::kCylinderCount; ++cylinder)
            for (int gas = 0; gas < GasCylinder::kGasCount; ++gas)
                expected << requestText(
                    AnalyserRequests::wordRead(TVelantar::calibrationGasAddress(cylinder, gas)));
        PollCycle::Conditions conditions;
        conditions.printerAndTable = printerAndTable;
        cycle->setStep(step);
        cycle->startCalibrationGasCycle();
        QCOMPARE(run(9, conditions), expected);
        QCOMPARE(cycle->mode(), int(PollCycle::Normal));
        QCOMPARE(cycle->step(), 0);
    }

    void headerReadAsksForSixtyFourBytes() {
        RecordingObserver observer;
        cycle->setHeaderObserver(&observer);
        cycle->startHeaderRead();
        PollCycle::Conditions withPrinter;
        withPrinter.printerAndTable = true;
        const QStringList requests = run(3 + 64 + 1, withPrinter);
        QCOMPARE(requests[3], QStringLiteral("D1 00 00"));
        QCOMPARE(requests[66], QStringLiteral("D1 3F 00"));
        QCOMPARE(observer.readsDone, 1);
        QCOMPARE(observer.progress.first(), 0);
        QCOMPARE(observer.progress.last(), 63 * 100 / 64);
        QVERIFY(!(analyser.stateFlags() & TVelantar::HeaderReadRunning));
        QVERIFY(!cycle->headerReadRequested());
    }

    void headerWriteSendsTheBytesTwice() {
        RecordingObserver observer;
        cycle->setHeaderObserver(&observer);
        std::array<quint8, PollCycle::HeaderSize> header{};
        header.fill(' ');
        header[0] = 'A';
        header[63] = 0;
        cycle->startHeaderWrite(header);
        PollCycle::Conditions withPrinter;
        withPrinter.printerAndTable = true;
        // Step 16 comes after the clock steps, then repeats until all 128 bytes are out.
        const QStringList requests = run(14 + 128 + 2, withPrinter);
        QCOMPARE(requests[13], QStringLiteral("91 79 C0"));
        QCOMPARE(requests[14], QStringLiteral("51 00 41"));
        QCOMPARE(requests[77], QStringLiteral("51 3F 00"));
        QCOMPARE(requests[78], QStringLiteral("51 40 41"));
        QCOMPARE(requests[141], QStringLiteral("51 7F 00"));
        QCOMPARE(requests[143], QStringLiteral("99 37 00"));
        QCOMPARE(observer.writesDone, 1);
        QCOMPARE(observer.progress.last(), 100);
        QVERIFY(!(analyser.stateFlags() & TVelantar::HeaderWriteRunning));
    }
};

QTEST_GUILESS_MAIN(TestPollCycle)
#include "test_poll_cycle.moc"
