#include "graph_chart.h"
#include "graph_rig.h"
#include "redraw_pace.h"

#include <QTemporaryDir>
#include <QtTest>

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
        QTest::addColumn<qint64>("wait");
        QTest::newRow("never drawn") << QList<qint64>{} << qint64(5) << qint64(0);
        QTest::newRow("just drawn") << QList<qint64>{1000} << qint64(1000) << qint64(100);
        QTest::newRow("part of the gap") << QList<qint64>{1000} << qint64(1040) << qint64(60);
        QTest::newRow("the gap passed") << QList<qint64>{1000} << qint64(1100) << qint64(0);
        QTest::newRow("long after") << QList<qint64>{1000} << qint64(90000) << qint64(0);
        QTest::newRow("from the last drawing")
            << QList<qint64>{1000, 1150} << qint64(1200) << qint64(50);
        QTest::newRow("the clock went back") << QList<qint64>{1000} << qint64(400) << qint64(0);
    }
    void paceWaits() {
        QFETCH(QList<qint64>, drawnAt);
        QFETCH(qint64, now);
        QFETCH(qint64, wait);
        RedrawPace pace(100);
        for (qint64 at : drawnAt)
            pace.drew(at);
        QCOMPARE(pace.waitFrom(now), wait);
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
        step(rig, 20);
        rig.recording().chart().refresh();
        QCOMPARE(redrawTimer(rig)->interval(), int(GraphChart::kLeastRedrawGapMs - 30));
        QTRY_COMPARE_WITH_TIMEOUT(replots_, 2, 10000);
        QVERIFY(!redrawTimer(rig)->isActive());

        step(rig, int(GraphChart::kLeastRedrawGapMs));
        rig.recording().chart().refresh();
        QCOMPARE(redrawTimer(rig)->interval(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(replots_, 3, 10000);
    }
};

QTEST_MAIN(TestGraphRedraw)
#include "test_graph_redraw.moc"
