#include "demonstration.h"

#include <QtTest>

using Random = Demonstration::Random;
Q_DECLARE_METATYPE(Random)

class TestDemonstration : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void valuesStayInRange_data();
    void valuesStayInRange();
    void tickWritesOnlyTheSample();
    void switchOnAndOff_data();
    void switchOnAndOff();
};

void TestDemonstration::valuesStayInRange_data() {
    QTest::addColumn<Random>("random");
    QTest::addColumn<int>("ticks");

    QTest::newRow("lowest draws") << Random([](int) { return 0; }) << 1;
    QTest::newRow("highest draws") << Random([](int bound) { return bound - 1; }) << 1;
    QTest::newRow("a source out of its range is held in") << Random([](int) { return 1000; }) << 1;
    QTest::newRow("system generator") << Random() << 2000;
}

void TestDemonstration::valuesStayInRange() {
    QFETCH(Random, random);
    QFETCH(int, ticks);

    struct Range {
        qint16 ReadingSample::*field;
        int low, high;
    };
    const Range ranges[] = {{&ReadingSample::co, 320, 369},       {&ReadingSample::ch, 1000, 1049},
                            {&ReadingSample::co2, 500, 549},      {&ReadingSample::o2, 1000, 1049},
                            {&ReadingSample::lambda, 1000, 1049}, {&ReadingSample::rpm, 800, 849}};
    Demonstration demonstration(random);
    QSet<int> seen;
    for (int tick = 0; tick < ticks; ++tick) {
        const ReadingSample sample = demonstration.nextSample();
        for (const Range &range : ranges) {
            const int value = sample.*range.field;
            QVERIFY2(value >= range.low && value <= range.high, qPrintable(QString::number(value)));
        }
        seen.insert(sample.co);
    }
    if (ticks > 1) // the values do change
        QVERIFY(seen.size() > 10);
}

void TestDemonstration::tickWritesOnlyTheSample() {
    CurrentReadings readings;
    readings.pressure = 15500;
    readings.channelStatus = {1, 2, 3, 4};
    readings.deviceTimeText = QStringLiteral("12:00:00");
    readings.analyserKind = AnalyserKind::TwoComponent;
    Demonstration demonstration([](int) { return 7; });
    demonstration.tick(readings);

    QCOMPARE(readings.sample, (ReadingSample{327, 1007, 507, 1007, 1007, 807}));
    QCOMPARE(readings.pressure, 15500);
    QCOMPARE(readings.channelStatus, (std::array<quint8, 4>{1, 2, 3, 4}));
    QCOMPARE(readings.deviceTimeText, QStringLiteral("12:00:00"));
    QCOMPARE(readings.analyserKind, AnalyserKind::TwoComponent);
}

void TestDemonstration::switchOnAndOff_data() {
    QTest::addColumn<int>("presses");
    QTest::addColumn<bool>("running");
    QTest::addColumn<bool>("stopLink");
    QTest::addColumn<QString>("linkStatus");
    QTest::addColumn<QString>("portStatus"); // empty: unchanged

    QTest::newRow("on: polling stops") << 1 << true << true << " ДЕМОНСТРАЦИЯ"
                                       << "Демонстрация работы программы.";
    QTest::newRow("twice: off, polling does not resume")
        << 2 << false << false << " Г/А НЕ ПОДКЛЮЧЕН"
        << "";
    QTest::newRow("three times: on again") << 3 << true << true << " ДЕМОНСТРАЦИЯ"
                                           << "Демонстрация работы программы.";
}

void TestDemonstration::switchOnAndOff() {
    QFETCH(int, presses);
    QFETCH(bool, running);
    QFETCH(bool, stopLink);
    QFETCH(QString, linkStatus);
    QFETCH(QString, portStatus);

    bool demonstrationRunning = false;
    Demonstration::Switch last;
    for (int i = 0; i < presses; ++i) {
        last = Demonstration::toggle(demonstrationRunning);
        demonstrationRunning = last.start;
    }
    QCOMPARE(last.start, running);
    QCOMPARE(last.stopLink, stopLink);
    QCOMPARE(last.linkStatus, linkStatus);
    QCOMPARE(last.portStatus.value_or(QString()), portStatus);
}

QTEST_GUILESS_MAIN(TestDemonstration)
#include "test_demonstration.moc"
