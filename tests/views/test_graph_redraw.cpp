#include "axis_label_memory.h"
#include "graph_chart.h"
#include "graph_rig.h"
#include "redraw_pace.h"

#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

namespace {

const QDateTime kStart(QDate(2026, 5, 14), QTime(14, 5, 9));

} // namespace

// How often the graph chart draws: the pace between drawings, and the chart's changes
// drawn together.
class TestGraphRedraw : public QObject {
    Q_OBJECT

    QTemporaryDir *dir_ = nullptr;
    int replots_ = 0;

    QTimer *redrawTimer(GraphRig &rig) {
        return rig.recording().chart().findChild<QTimer *>(QStringLiteral("redrawTimer"));
    }
    // The rig with its first drawing done, and the drawings counted from then on. The
    // recording timer is slowed to 20 s (the rig leaves it at 0), so that only the test
    // takes samples.
    void settle(GraphRig &rig) {
        rig.state.Store.set(&AppSettings::ViewInterval, 2, 20000);
        rig.recording().applySettings();
        QVERIFY(redrawTimer(rig));
        QVERIFY(QTest::qWaitForWindowExposed(&rig.window));
        QTRY_VERIFY_WITH_TIMEOUT(!redrawTimer(rig)->isActive(), 10000);
        // The chart's own redraws for its first showing, already queued.
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
        QVERIFY(!redrawTimer(rig)->isActive());
        replots_ = 0;
        connect(rig.plot, &QCustomPlot::afterReplot, this, [this] { ++replots_; });
    }
    void step(GraphRig &rig, int ms) { rig.clock.time = rig.clock.time.addMSecs(ms); }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
    void init() { dir_ = new QTemporaryDir; }
    void cleanup() { delete dir_; }

    void paceWaits_data() {
        QTest::addColumn<QList<qint64>>("drawnAt");
        QTest::addColumn<qint64>("now");
        QTest::addColumn<qint64>("gap"); // the gap asked for
        QTest::addColumn<qint64>("wait");
        const QList<qint64> once{1000};
        const qint64 least = 100;
        QTest::newRow("never drawn") << QList<qint64>{} << qint64(5) << least << qint64(0);
        QTest::newRow("just drawn") << once << qint64(1000) << least << qint64(100);
        QTest::newRow("part of the gap") << once << qint64(1040) << least << qint64(60);
        QTest::newRow("the gap passed") << once << qint64(1100) << least << qint64(0);
        QTest::newRow("long after") << once << qint64(90000) << least << qint64(0);
        QTest::newRow("from the last drawing")
            << QList<qint64>{1000, 1150} << qint64(1200) << least << qint64(50);
        QTest::newRow("the clock went back") << once << qint64(400) << least << qint64(0);
        QTest::newRow("a longer gap") << once << qint64(1040) << qint64(267) << qint64(227);
        QTest::newRow("a shorter gap keeps the least")
            << once << qint64(1040) << qint64(10) << qint64(60);
    }
    void paceWaits() {
        QFETCH(QList<qint64>, drawnAt);
        QFETCH(qint64, now);
        QFETCH(qint64, gap);
        QFETCH(qint64, wait);
        RedrawPace pace(100);
        for (qint64 at : drawnAt)
            pace.drew(at);
        QCOMPARE(pace.waitFrom(now, gap), wait);
    }

    // One scroll by a pixel between drawings of new samples, never less than the least gap.
    void scrollGap_data() {
        QTest::addColumn<int>("samplingMs");
        QTest::addColumn<int>("positions");
        QTest::addColumn<int>("pixels");
        QTest::addColumn<qint64>("gap");
        QTest::newRow("2 000 positions on 750 pixels") << 100 << 2000 << 750 << qint64(266);
        QTest::newRow("a position wider than a pixel") << 100 << 250 << 750 << qint64(100);
        QTest::newRow("slow sampling") << 1000 << 2000 << 750 << qint64(2666);
        QTest::newRow("not laid out yet") << 100 << 2000 << 0 << qint64(100);
        QTest::newRow("no interval") << 0 << 2000 << 750 << qint64(100);
    }
    void scrollGap() {
        QFETCH(int, samplingMs);
        QFETCH(int, positions);
        QFETCH(int, pixels);
        QFETCH(qint64, gap);
        QCOMPARE(RedrawPace(100).scrollGapMs(samplingMs, positions, pixels), gap);
    }

    // A sample, a marker and new captions in one tick: one drawing, which shows the sample.
    void changesOfOneTickDrawOnce() {
        GraphRig rig(dir_->path(), kStart);
        settle(rig);
        rig.panel.record->click();
        step(rig, 1000);
        rig.recording().TimerGRPTimer();
        rig.recording().chart().showMarker(0);
        rig.recording().UpdateGraphCaptions();
        rig.recording().chart().refresh();
        QCOMPARE(replots_, 0); // drawn from the event loop, all at once
        QTRY_COMPARE_WITH_TIMEOUT(replots_, 1, 10000);
        QVERIFY(!redrawTimer(rig)->isActive());
        QCOMPARE(rig.recording().chart().series(0)->data()->size(), 1);
    }

    // Asked again within the least gap, the chart draws when the gap has passed, once for
    // every change asked for meanwhile; a change after the gap is drawn at once.
    void drawingsKeepTheirPace() {
        GraphRig rig(dir_->path(), kStart);
        settle(rig);
        step(rig, 1000);
        rig.recording().chart().refresh();
        QTRY_COMPARE_WITH_TIMEOUT(replots_, 1, 10000);

        step(rig, 30);
        rig.recording().chart().refresh();
        QVERIFY(redrawTimer(rig)->isActive());
        QCOMPARE(redrawTimer(rig)->interval(), int(GraphChart::kLeastRedrawGapMs - 30));
        step(rig, 20); // the one drawing waiting counts from the clock
        rig.recording().chart().refresh();
        QCOMPARE(redrawTimer(rig)->interval(), int(GraphChart::kLeastRedrawGapMs - 50));
        QTRY_COMPARE_WITH_TIMEOUT(replots_, 2, 10000);
        QVERIFY(!redrawTimer(rig)->isActive());

        step(rig, int(GraphChart::kLeastRedrawGapMs));
        rig.recording().chart().refresh();
        QCOMPARE(redrawTimer(rig)->interval(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(replots_, 3, 10000);
    }

    // With 2 000 positions across the chart a new sample waits for a pixel's scroll, and
    // any other change brings the drawing forward to the least gap.
    void narrowSamplesWaitForAPixel() {
        GraphRig rig(dir_->path(), kStart);
        rig.state.Store.set(&AppSettings::PointsOnScreen, 2000);
        rig.recording().applySettings();
        settle(rig);
        step(rig, 1000);
        rig.recording().chart().refresh();
        QTRY_COMPARE_WITH_TIMEOUT(replots_, 1, 10000);

        const int pixels = rig.plot->axisRect()->width();
        QVERIFY(pixels > 0 && pixels < 2000);
        rig.recording().chart().sampleAdded(100);
        QCOMPARE(redrawTimer(rig)->interval(), 100 * 2000 / pixels);
        rig.recording().chart().showMarker(5);
        QCOMPARE(redrawTimer(rig)->interval(), int(GraphChart::kLeastRedrawGapMs));
        QTRY_COMPARE_WITH_TIMEOUT(replots_, 2, 10000);
    }

    // The program's chart draws the screen through a buffer filled with its paper, where
    // QCustomPlot's own blends a transparent buffer over the paper: the pixels are the same,
    // on light and dark paper, and on a see-through one, where the program's buffer keeps an
    // alpha channel as QCustomPlot's does.
    void paperBufferShowsWhatQCustomPlotShows_data() {
        QTest::addColumn<int>("paper"); // a Windows colour, 0x00BBGGRR
        QTest::newRow("white") << 0xFFFFFF;
        QTest::newRow("black") << 0x000000;
        QTest::newRow("cream") << 0xC0F0FF;
        QTest::newRow("translucent") << -1; // a see-through chart: the buffer keeps alpha
    }
    void paperBufferShowsWhatQCustomPlotShows() {
        QFETCH(int, paper);
        QList<ReadingSample> wave;
        for (int i = 0; i < 40; ++i)
            wave << ReadingSample{qint16(100 + 9 * i),         qint16(40 * i),
                                  qint16(1400 - 20 * i),       qint16(300),
                                  qint16(1000 + (i % 7) * 30), qint16(800 + 50 * i)};
        QList<QImage> screens;
        for (GraphRig::Plot kind : {GraphRig::Plot::Paper, GraphRig::Plot::Plain}) {
            QTemporaryDir dir;
            GraphRig rig(dir.path(), kStart, {}, kind);
            rig.state.Store.set(&AppSettings::GraphBackColor, std::max(paper, 0));
            rig.recording().applyLook();
            rig.record(wave);
            rig.drawChart();
            // Drawn again after the captions, a channel's colour and the legend's entries
            // changed: what was kept of the first drawing must not show.
            rig.state.Vehicle.NumberText = QStringLiteral("В456ОР");
            rig.recording().UpdateGraphCaptions();
            rig.state.Store.set(&AppSettings::ChannelColor, 0, 0x00FF00);
            rig.state.Store.set(&AppSettings::ChannelHidden, 2, 1);
            rig.recording().applyLook();
            if (paper < 0)
                rig.plot->setBackground(QColor(255, 255, 255, 90));
            rig.drawChart();
            // Onto a grey ground: a see-through chart shows what lies beneath it.
            QImage screen(rig.plot->size(), QImage::Format_RGB32);
            screen.fill(Qt::gray);
            rig.plot->render(&screen, QPoint(), QRegion(), QWidget::DrawChildren);
            screens << screen;
        }
        QCOMPARE(screens[0].size(), screens[1].size());
        QVERIFY(screens[0] == screens[1]);
    }

    // The axis painter that remembers its labels draws what QCustomPlot's own draws, as the
    // axes scroll to new labels and after their font, turn and texts change.
    void rememberedLabelsDrawAsQCustomPlotDraws() {
        QList<QImage> pictures[2];
        for (bool remembering : {false, true}) {
            QCustomPlot plot;
            plot.resize(420, 300);
            plot.xAxis->setTickLabelRotation(-90);
            plot.xAxis->setLabel(QStringLiteral("Время"));
            plot.yAxis->setRange(0, 1000);
            if (remembering)
                for (QCPAxis *axis : {plot.xAxis, plot.yAxis})
                    rememberTickLabels(axis);
            plot.show();
            QVERIFY(QTest::qWaitForWindowExposed(&plot));
            const auto picture = [&plot, &pictures, remembering] {
                plot.replot(QCustomPlot::rpImmediateRefresh);
                pictures[remembering] << plot.grab().toImage();
            };
            for (double from : {0.0, 37.5, 75.0, 0.0}) {
                plot.xAxis->setRange(from, from + 1e5);
                picture();
            }
            plot.xAxis->setTickLabelFont(QFont(QStringLiteral("Liberation Sans"), 13));
            picture();
            plot.xAxis->setTickLabelRotation(0);
            plot.yAxis->setTickLabelPadding(9);
            picture();
            plot.setLocale(QLocale::c());
            plot.yAxis->setNumberFormat(QStringLiteral("eb"));
            plot.yAxis->setRange(1e-3, 1e9);
            picture();
        }
        QCOMPARE(pictures[1].size(), pictures[0].size());
        for (qsizetype i = 0; i < pictures[0].size(); ++i)
            QVERIFY2(pictures[1][i] == pictures[0][i], qPrintable(QString::number(i)));
    }
};

QTEST_MAIN(TestGraphRedraw)
#include "test_graph_redraw.moc"
