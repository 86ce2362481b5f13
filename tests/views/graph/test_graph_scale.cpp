#include "channel_scale.h"
#include "graph_buffer.h"
#include "test_rows.h"
#include "time_label_step.h"

#include <QtTest>

// Per-mille scaling, the values derived from it, and the ring that holds the samples.
class TestGraphScale : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void scaling_data() {
        for (const char *column : {"channel", "value", "fullScale", "perMille", "units"})
            QTest::addColumn<int>(column);
        QTest::addColumn<QString>("exported");
        QTest::addColumn<QString>("readOut");
        QTest::newRow("CO 1,50 % of 10 %") << 0 << 150 << 10 << 150 << 150 << "1,50"
                                           << " 1,50";
        QTest::newRow("CH 123 of 5000 is 120") << 1 << 123 << 5000 << 24 << 120 << "120"
                                               << " 120";
        QTest::newRow("negative CH toward zero") << 1 << -123 << 5000 << -24 << -120 << "-120"
                                                 << " -120";
        QTest::newRow("CO half to even, up") << 0 << 2 << 15 << 1 << 2 << "0,02"
                                             << " 0,02";
        QTest::newRow("CH half to even, down") << 1 << 5 << 1500 << 3 << 4 << "4"
                                               << " 4";
        QTest::newRow("speed above full scale") << 5 << 6000 << 5000 << 1200 << 6000 << "6000"
                                                << " 6000";
        QTest::newRow("lambda 1,000 of 2,0") << 4 << 1000 << 20 << 500 << 1000 << "1,000"
                                             << " 1,000";
        QTest::newRow("lambda 0") << 4 << 0 << 20 << 0 << 0 << "0,000"
                                  << " - - - -";
        QTest::newRow("lambda below 1 per mille") << 4 << 1 << 20 << 0 << 0 << "0,000"
                                                  << " - - - -";
        QTest::newRow("O2 full scale 0 is 25 %") << 3 << 2090 << 0 << 836 << 2090 << "20,90"
                                                 << " 20,90";
        QTest::newRow("CO2 full scale -3 is 20 %") << 2 << 1420 << -3 << 710 << 1420 << "14,20"
                                                   << " 14,20";
    }
    void scaling() {
        QFETCH(int, channel);
        QFETCH(int, fullScale);
        QFETCH(int, perMille);
        QTEST(ChannelScale::perMille(channel, fetch<int>("value"), fullScale), "perMille");
        QTEST(ChannelScale::units(channel, perMille, fullScale), "units");
        QTEST(ChannelScale::recorded(channel, fetch<int>("value"), fullScale), "units");
        QTEST(ChannelScale::unitsText(channel, fetch<int>("units")), "exported");
        QTEST(ChannelScale::readOutText(channel, perMille, fetch<int>("units")), "readOut");
    }

    void legendTitles_data() {
        QTest::addColumn<FullScales>("fullScales");
        QTest::addColumn<QStringList>("titles");
        const QStringList defaults = {"CO : 10 %", "CH:5000ppm", "CO2 : 20 %",
                                      "O2 : 25 %", "lam.: 2,00", "n: 5000min-1"};
        QTest::newRow("defaults") << ChannelScale::defaultFullScales() << defaults;
        QTest::newRow("zero falls back") << FullScales{} << defaults;
        QTest::newRow("others") << FullScales{1, 100, 50, 30, 15, 25000}
                                << QStringList{"CO : 1 %",  "CH:100ppm",  "CO2 : 50 %",
                                               "O2 : 30 %", "lam.: 1,50", "n: 25000min-1"};
    }
    void legendTitles() {
        QFETCH(FullScales, fullScales);
        QStringList titles;
        for (int c = 0; c < kChannelCount; ++c)
            titles << ChannelScale::legendTitle(c, fullScales[c]);
        QTEST(titles, "titles");
    }

    // The ring gives the positions, values and labels of a plain list through drops and
    // growth, and 100 000 samples take a few megabytes.
    // Samples loaded from a file, then taken, dropped and taken again: every position keeps
    // its sample, its time, the full scales it was recorded against and where a gap lies.
    void ringPositions_data() {
        for (const char *column : {"loaded", "first", "dropped", "then"})
            QTest::addColumn<int>(column);
        QTest::newRow("no drop") << 0 << 10 << 0 << 0;
        QTest::newRow("drop, then grow past the ring") << 0 << 60 << 50 << 200;
        QTest::newRow("wrap around without growing") << 0 << 64 << 30 << 20;
        QTest::newRow("drop everything") << 0 << 20 << 25 << 3;
        QTest::newRow("100 000 samples") << 0 << 100000 << 1 << 1;
        QTest::newRow("loaded, drop within it") << 100 << 10 << 40 << 5;
        QTest::newRow("loaded, drop past it") << 30 << 50 << 45 << 70;
        QTest::newRow("loaded, drop it all and more") << 30 << 5 << 100 << 4;
        QTest::newRow("loaded only") << 50 << 0 << 0 << 0;
    }
    void ringPositions() {
        QFETCH(int, loaded);
        QFETCH(int, first);
        QFETCH(int, dropped);
        QFETCH(int, then);
        const FullScales other{1, 100, 50, 30, 15, 25000};
        const auto sampleOf = [](int i) {
            return TimedReading{{qint16(i % 30000), 0, 0, 0, 0, 0}, (i % 86400) * 1000 + 999};
        };
        GraphBuffer buffer;
        TimedReadings file;
        for (int i = 0; i < loaded; ++i)
            file.push_back(sampleOf(i));
        buffer.loadRecorded(std::move(file));
        buffer.setFullScales(other);
        int next = loaded;
        auto add = [&](int n) {
            for (int i = 0; i < n; ++i, ++next)
                buffer.append(sampleOf(next).reading, sampleOf(next).msecsOfDay);
        };
        add(first);
        buffer.dropOldest(dropped);
        buffer.markGap();
        const int gapBefore = next;
        add(then);
        const int oldest = std::min(dropped, loaded + first);
        QCOMPARE(buffer.count(), next - oldest);
        for (int p = 0; p < buffer.count(); ++p) {
            const int i = oldest + p;
            QCOMPARE(buffer.reading(p).co, qint16(i % 30000));
            QCOMPARE(buffer.time(p), QTime(0, 0).addSecs(i % 86400).addMSecs(999));
            QCOMPARE(buffer.recordedScales(p),
                     i < loaded ? ChannelScale::defaultFullScales() : other);
            QCOMPARE(buffer.followsGap(p), i == gapBefore && p > 0);
        }
        QVERIFY(buffer.storageBytes() < 5 * 1024 * 1024);
    }

    // Labelled positions of the time axis: the smallest 1-2-5 step that gives each upright
    // label its room.
    void timeLabelStep_data() {
        QTest::addColumn<double>("pixelsPerPosition");
        QTest::addColumn<double>("labelPitch");
        QTest::addColumn<int>("step");
        QTest::newRow("every position fits") << 20.0 << 15.0 << 1;
        QTest::newRow("W 250 on 500 pixels") << 2.0 << 15.0 << 10;
        QTest::newRow("W 2000 on 500 pixels") << 0.25 << 15.0 << 100;
        QTest::newRow("no width") << 0.0 << 15.0 << 1000000000;
        QTest::newRow("no label size") << 1.0 << 0.0 << 1;
    }
    void timeLabelStep() {
        QFETCH(double, pixelsPerPosition);
        QFETCH(double, labelPitch);
        QCOMPARE(::timeLabelStep(pixelsPerPosition, labelPitch), fetch<int>("step"));
    }
};

QTEST_GUILESS_MAIN(TestGraphScale)
#include "test_graph_scale.moc"
