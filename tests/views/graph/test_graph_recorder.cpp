#include "graph_recorder.h"
#include "test_rows.h"

#include <QtTest>

namespace {

RecorderSettings settingsOf(int w, int p, int k, bool onePoint,
                            RecorderSettings::FullAction action = {}) {
    return {w, p, k, onePoint, action};
}

// Sample number i holds CO = i and the time i seconds past 10:00, so each sample tells by its
// value and by its label alike which one it is.
QTime timeOf(int i) {
    return QTime(10, 0).addSecs(i);
}

TickResult tickNumber(GraphRecorder &recorder, int i) {
    return recorder.tick({qint16(i), 0, 0, 0, 1000, 800}, timeOf(i));
}

} // namespace

class TestGraphRecorder : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    // Filling and scrolling: a full record lets go of its oldest samples only, labels stay
    // with their values, and the axis moves only while the record is not full.
    void scrolling_data() {
        for (const char *column : {"w", "p", "k", "onePoint", "loaded", "ticks", "count", "oldest",
                                   "axisMin", "sinceShift"})
            QTest::addColumn<int>(column);
        QTest::newRow("K 50 one-point keeps 51")
            << 50 << 25 << 50 << 1 << 0 << 60 << 51 << 9 << 5 << 1;
        QTest::newRow("K 100 block, full")
            << 100 << 25 << 100 << 0 << 0 << 101 << 101 << 0 << 25 << 10;
        QTest::newRow("K 100 block, tick 102 drops the 25 oldest")
            << 100 << 25 << 100 << 0 << 0 << 102 << 77 << 25 << 25 << 1;
        QTest::newRow("K 100 block, second scroll")
            << 100 << 25 << 100 << 0 << 0 << 127 << 77 << 50 << 25 << 1;
        QTest::newRow("shift step 0 drops one")
            << 50 << 1 << 50 << 0 << 0 << 53 << 51 << 2 << 0 << 1;
        QTest::newRow("W 250, position 225 stays")
            << 250 << 25 << 1000 << 1 << 0 << 226 << 226 << 0 << 0 << 0;
        QTest::newRow("W 250, position 226 scrolls")
            << 250 << 25 << 1000 << 1 << 0 << 227 << 227 << 0 << 1 << 1;
        QTest::newRow("W 250 block moves s every s + 1")
            << 250 << 25 << 1000 << 0 << 0 << 290 << 290 << 0 << 124 << 1;
        QTest::newRow("block step above K")
            << 2000 << 90 << 50 << 0 << 0 << 52 << 1 << 51 << 0 << 1;
        QTest::newRow("loaded 300, K 50 one-point")
            << 50 << 25 << 50 << 1 << 300 << 1 << 51 << 250 << 0 << 0;
        QTest::newRow("loaded 300, K 50 block")
            << 50 << 25 << 50 << 0 << 300 << 1 << 40 << 261 << 0 << 1;
    }
    void scrolling() {
        QFETCH(int, w);
        QFETCH(int, loaded);
        QFETCH(int, ticks);
        GraphRecorder recorder(
            settingsOf(w, fetch<int>("p"), fetch<int>("k"), fetch<int>("onePoint")));
        TimedReadings file;
        for (int i = 0; i < loaded; ++i)
            file.push_back({{qint16(i), 0, 0, 0, 0, 0}, timeOf(i).msecsSinceStartOfDay()});
        recorder.load(file, QDate(2023, 3, 4), QDate(2024, 1, 1));
        recorder.start();
        for (int i = loaded; i < loaded + ticks; ++i) {
            const TickResult r = tickNumber(recorder, i);
            QVERIFY(r.sampleTaken && r.timerRunning && !r.finished);
        }
        const GraphBuffer &b = recorder.buffer();
        QTEST(b.count(), "count");
        QTEST(int(b.reading(0).co), "oldest");
        QCOMPARE(b.reading(b.count() - 1).co, qint16(loaded + ticks - 1));
        for (int pos = 0; pos < b.count(); ++pos) {
            QCOMPARE(b.reading(pos).co, qint16(b.reading(0).co + pos));
            QCOMPARE(b.time(pos), timeOf(b.reading(pos).co));
        }
        QTEST(int(recorder.axis().min), "axisMin");
        QCOMPARE(recorder.axis().max - recorder.axis().min, double(w));
        QTEST(recorder.sinceShift(), "sinceShift");
        QCOMPARE(recorder.graphDate(), QDate(2023, 3, 4));
    }

    // With the stop setting each tick that finds the record full stops recording once.
    void stopSettingOnFullRecord() {
        GraphRecorder recorder(settingsOf(50, 25, 50, true, RecorderSettings::FullAction::Stop));
        recorder.start();
        for (int i = 0; i < 51; ++i)
            QVERIFY(tickNumber(recorder, i).sampleTaken);
        for (int round = 0; round < 2; ++round) {
            const TickResult full = tickNumber(recorder, 99);
            QVERIFY(full.finished && !full.sampleTaken && !full.timerRunning);
            QVERIFY(!recorder.isRecording());
            const TickResult stopped = tickNumber(recorder, 99);
            QVERIFY(!stopped.finished && !stopped.sampleTaken);
            QCOMPARE(recorder.count(), 51);
            recorder.start();
        }
    }

    void startStopAndClear() {
        GraphRecorder recorder(settingsOf(100, 25, 1000, true));
        QCOMPARE(recorder.start(), (RecorderControls{false, true, true, true, true}));
        for (int i = 0; i < 95; ++i)
            tickNumber(recorder, i);
        QCOMPARE(recorder.stop(), (RecorderControls{true, false, false, true, false}));
        recorder.start();
        QCOMPARE(recorder.count(), 95);
        QVERIFY(shouldAskBeforeClear(2) && !shouldAskBeforeClear(1));

        recorder.clear(QDate(2024, 5, 6));
        QCOMPARE(recorder.count(), 0);
        QCOMPARE(recorder.axis(), (AxisWindow{0, 100}));
        QCOMPARE(recorder.graphDate(), QDate(2024, 5, 6));
        QCOMPARE(recorder.sinceShift(), 1);
        QVERIFY(recorder.isRecording());
        QCOMPARE(recorder.axisLabel(0), "00:00:00 ");
        tickNumber(recorder, 7);
        QCOMPARE(recorder.axisLabel(0), "10:00:07 ");
    }

    // Options take effect at once; turning one-point scrolling off sets SinceShift := s.
    void applyOptions() {
        GraphRecorder recorder(settingsOf(250, 25, 1000, true));
        recorder.start();
        for (int i = 0; i < 230; ++i)
            tickNumber(recorder, i);
        QCOMPARE(recorder.axis(), (AxisWindow{4, 254}));
        recorder.applyOptions(settingsOf(200, 30, 1000, false));
        QCOMPARE(recorder.axis(), (AxisWindow{4, 204}));
        QVERIFY(recorder.shiftStep() == 60 && recorder.margin() == 20);
        QCOMPARE(recorder.sinceShift(), 60);
        tickNumber(recorder, 230);
        recorder.applyOptions(settingsOf(200, 25, 1000, false));
        QCOMPARE(recorder.sinceShift(), 61);
    }

    void readOut_data() {
        QTest::addColumn<double>("x");
        QTest::addColumn<bool>("recording");
        QTest::addColumn<int>("position"); // -1: nothing shown
        QTest::addColumn<QString>("co");
        QTest::addColumn<QString>("lambda");
        QTest::newRow("position 0") << 0.0 << false << -1 << ""
                                    << "";
        QTest::newRow("left of 0") << -3.0 << false << -1 << ""
                                   << "";
        QTest::newRow("0,5 rounds to 0") << 0.5 << false << -1 << ""
                                         << "";
        QTest::newRow("1,5 rounds to 2, lambda 0") << 1.5 << false << 2 << " 1,52"
                                                   << " - - - -";
        QTest::newRow("2,5 rounds to 2") << 2.5 << false << 2 << " 1,52"
                                         << " - - - -";
        QTest::newRow("newest") << 4.4 << false << 4 << " 1,54"
                                << " 1,002";
        QTest::newRow("right of the newest") << 4.6 << false << -1 << ""
                                             << "";
        QTest::newRow("not a number") << qQNaN() << false << -1 << ""
                                      << "";
        QTest::newRow("while recording") << 2.0 << true << -1 << ""
                                         << "";
    }
    void readOut() {
        QFETCH(int, position);
        GraphRecorder recorder;
        recorder.start();
        for (int i = 0; i < 5; ++i)
            recorder.tick({qint16(150 + i), 123, 1420, 55, qint16(i == 2 ? 0 : 1003), 820},
                          timeOf(i));
        if (!fetch<bool>("recording"))
            recorder.stop();
        const std::optional<GraphReadOut> shown = recorder.readOut(fetch<double>("x"));
        QCOMPARE(shown.has_value(), position >= 0);
        if (!shown)
            return;
        QCOMPARE(shown->position, position);
        const GraphChannelTexts texts = {fetch<QString>("co"),     " 120", " 14,20", " 0,55",
                                         fetch<QString>("lambda"), " 820"};
        QCOMPARE(shown->texts, texts);
    }

    // After the full scales change the chart redraws, the read-out keeps the recorded units.
    void readOutAfterFullScaleChange() {
        GraphRecorder recorder;
        recorder.start();
        for (int i = 0; i < 3; ++i)
            recorder.tick({150, 123, 1420, 55, 1003, 820}, timeOf(i));
        recorder.setFullScales({1, 100, 1, 1, 1, 100});
        recorder.tick({150, 123, 1420, 55, 1003, 820}, timeOf(3));
        recorder.stop();
        QCOMPARE(recorder.buffer().chartValue(1, index(Channel::Ch)), 1230);
        const GraphChannelTexts before = {" 1,50", " 120", " 14,20", " 0,55", " 1,002", " 820"};
        QCOMPARE(recorder.readOut(1)->texts, before);
        const GraphChannelTexts after = {" 1,50", " 123", " 14,20", " 0,55", " 1,003", " 820"};
        QCOMPARE(recorder.readOut(3)->texts, after);
    }
};

QTEST_GUILESS_MAIN(TestGraphRecorder)
#include "test_graph_recorder.moc"
