#include "graph_rig.h"
#include "view_ids.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

// The value of a column of the current test row, inside an expression.
template <typename T> T fetch(const char *column) {
    return *static_cast<T *>(QTest::qData(column, qMetaTypeId<T>()));
}

const QDateTime kStart(QDate(2026, 5, 14), QTime(14, 5, 9));

const QList<ReadingSample> kThreeReadings = {
    {150, 123, 1452, 47, 998, 785}, {250, 500, 1400, 50, 0, 2600}, {58, 142, 1452, 47, 1010, 790}};

} // namespace

// The recording controller on its own: "Запись" and "Останов" on TimerGRP, the read-out, the
// check boxes, the value boxes and the settings that take effect at once.
class TestGraphRecording : public QObject {
    Q_OBJECT

    QTemporaryDir *dir_ = nullptr;

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
    void init() { dir_ = new QTemporaryDir; }
    void cleanup() { delete dir_; }

    // Each letter of the script is a press of "Запись" (R) or "Останов" (S), or a TimerGRP
    // tick (T). K = 50 and the stop setting, so the 52nd tick finds the record full.
    void recordingStates_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("ticks"); // how many times the script's T runs
        QTest::addColumn<bool>("recording");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("finishedMessages");
        QTest::addColumn<bool>("unsaved");
        QTest::newRow("fresh") << "" << 0 << false << 0 << 0 << false;
        QTest::newRow("Запись") << "R" << 0 << true << 0 << 0 << true;
        QTest::newRow("ticks re-arm the timer") << "RT" << 3 << true << 3 << 0 << true;
        QTest::newRow("Останов") << "RTS" << 2 << false << 2 << 0 << true;
        QTest::newRow("no sample while stopped") << "RSTT" << 1 << false << 0 << 0 << true;
        QTest::newRow("full record stops") << "RT" << 52 << false << 51 << 1 << true;
        QTest::newRow("full again at once") << "RTRT" << 52 << false << 51 << 2 << true;
        QTest::newRow("continues after Останов") << "RTSRT" << 2 << true << 4 << 0 << true;
    }
    void recordingStates() {
        QFETCH(QString, script);
        QFETCH(int, ticks);
        QFETCH(bool, recording);
        GraphRig rig(dir_->path(), kStart);
        rig.state.Store.set(&AppSettings::TotalPoints, 50);
        rig.state.Store.set(&AppSettings::GraphFullAction, 1);
        rig.recording().applySettings();
        for (QChar step : script) {
            if (step == u'R')
                rig.panel.record->click();
            else if (step == u'S')
                rig.panel.stop->click();
            else
                for (int i = 0; i < ticks; ++i)
                    rig.recording().TimerGRPTimer();
        }
        QCOMPARE(rig.recording().isRecording(), recording);
        QCOMPARE(rig.timer.isActive(), recording);
        QCOMPARE(rig.panel.record->isVisible(), !recording);
        QCOMPARE(rig.panel.stop->isVisible(), recording);
        QCOMPARE(rig.recorder().count(), fetch<int>("count"));
        QCOMPARE(rig.prompts.shown.count(QStringLiteral("Запись графика закончена.")),
                 fetch<int>("finishedMessages"));
        QCOMPARE(rig.state.Flags.GraphUnsaved, fetch<bool>("unsaved"));
    }

    // A click on the chart at a time position shows that sample's values, converted back with
    // the full scales, and the red marker through it; elsewhere, or while recording, nothing.
    void readOutByClick_data() {
        QTest::addColumn<double>("position");
        QTest::addColumn<bool>("recording");
        QTest::addColumn<QStringList>("texts"); // empty: nothing shown
        const QStringList nothing;
        QTest::newRow("sample 1, lambda missing")
            << 1.0 << false << QStringList{" 2,50", " 500", " 14,00", " 0,50", " - - - -", " 2600"};
        QTest::newRow("rounded to the newest")
            << 2.4 << false << QStringList{" 0,58", " 140", " 14,52", " 0,45", " 1,010", " 790"};
        QTest::newRow("position 0") << 0.0 << false << nothing;
        QTest::newRow("left of 0") << -3.0 << false << nothing;
        QTest::newRow("right of the newest") << 2.6 << false << nothing;
        QTest::newRow("while recording") << 1.0 << true << nothing;
    }
    void readOutByClick() {
        QFETCH(double, position);
        QFETCH(QStringList, texts);
        GraphRig rig(dir_->path(), kStart);
        rig.record(kThreeReadings);
        if (!fetch<bool>("recording"))
            rig.panel.stop->click();
        for (QLineEdit *box : rig.panel.valueBoxes)
            box->setText("-");
        rig.drawChart();
        const int x = qRound(rig.plot->xAxis->coordToPixel(position));
        QTest::mouseClick(rig.plot, Qt::LeftButton, {},
                          QPoint(x, rig.plot->axisRect()->center().y()));

        QCPGraph *marker = rig.recording().chart().marker();
        if (texts.isEmpty()) {
            QCOMPARE(rig.valueTexts(), QStringList(kChannelCount, "-"));
            QVERIFY(marker->data()->isEmpty());
            return;
        }
        QCOMPARE(rig.valueTexts(), texts);
        QCOMPARE(marker->objectName(), QStringLiteral("Series8"));
        QCOMPARE(marker->data()->size(), 2);
        QCOMPARE(marker->data()->at(0)->key, double(qRound(position)));
        QCOMPARE(marker->data()->at(1)->value, 999.0);
        QCOMPARE(marker->pen(), QPen(Qt::red, 2));
        // "Запись" takes the marker away.
        rig.panel.record->click();
        QVERIFY(marker->data()->isEmpty());
    }

    // A lost link leaves a gap: ticks while the readings are not current take no sample,
    // and recording goes on once they are current again.
    void lostLinkLeavesAGap() {
        GraphRig rig(dir_->path(), kStart);
        rig.record({kThreeReadings[0]});
        rig.readings.ReadingsCurrent = false;
        rig.record({kThreeReadings[1], kThreeReadings[1]});
        QCOMPARE(rig.recorder().count(), 1);
        QVERIFY(rig.timer.isActive());
        rig.readings.ReadingsCurrent = true;
        rig.record({kThreeReadings[2]});
        QCOMPARE(rig.recorder().count(), 2);
        QCOMPARE(rig.recorder().axisLabel(1).trimmed(), QStringLiteral("14:05:12"));
    }

    // What the chart shows of a record: a lone sample as a point, a gap as a break in the
    // line between the samples on either side of it.
    void gapsAndLoneSamplesOnTheChart_data() {
        QTest::addColumn<QList<bool>>("current"); // per tick: whether the readings are current
        QTest::addColumn<double>("at");           // a position on the time axis
        QTest::addColumn<bool>("inked");
        QTest::newRow("one sample, at it") << QList<bool>{true} << 0.0 << true;
        QTest::newRow("two samples, halfway") << QList<bool>{true, true} << 0.5 << true;
        QTest::newRow("a gap, halfway") << QList<bool>{true, false, false, true} << 0.5 << false;
        QTest::newRow("a gap, at the sample after it")
            << QList<bool>{true, false, true, true} << 1.0 << true;
        QTest::newRow("a gap, at a lone sample before it")
            << QList<bool>{true, false, true} << 0.0 << true;
    }
    void gapsAndLoneSamplesOnTheChart() {
        QFETCH(QList<bool>, current);
        QFETCH(double, at);
        GraphRig rig(dir_->path(), kStart);
        rig.state.Store.set(&AppSettings::PointsOnScreen, 50); // positions far apart
        rig.recording().applySettings();
        for (int channel = 1; channel < kChannelCount; ++channel)
            rig.panel.channelBoxes[channel]->click(); // the CO line alone
        for (bool isCurrent : current) {
            rig.readings.ReadingsCurrent = isCurrent;
            rig.record({kThreeReadings[0]});
        }
        rig.drawChart();
        const QImage picture = rig.plot->toPixmap().toImage();
        const QColor line = rig.recording().chart().series(0)->pen().color();
        const QPoint spot(int(std::lround(rig.plot->xAxis->coordToPixel(at))),
                          int(std::lround(rig.plot->yAxis->coordToPixel(
                              rig.recorder().buffer().chartValue(0, 0)))));
        bool inked = false; // the line's colour within a pixel of the spot
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                inked = inked || picture.pixelColor(spot + QPoint(dx, dy)) == line;
        QTEST(inked, "inked");
    }

    // A channel's check box hides its line and keeps the choice in the settings; the hidden
    // channel is still recorded.
    void hiddenChannelIsStillRecorded() {
        GraphRig rig(dir_->path(), kStart);
        rig.panel.channelBoxes[1]->click();
        QVERIFY(!rig.recording().chart().series(1)->visible());
        QCOMPARE(rig.state.Settings.ChannelHidden[1], 1);
        rig.record({kThreeReadings[0]});
        QCOMPARE(rig.recorder().buffer().chartValue(0, 1), 24);
    }

    // Each sample taken in the graph view shows the live values in the value boxes (one
    // space and the value, "- - - -" for a missing lambda); in other views they are left to
    // the readings refresh.
    void liveValuesInTheGraphView_data() {
        QTest::addColumn<int>("view");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("graph view")
            << int(ViewId::Graph)
            << QStringList{" -0,05", " 1200", " 0,00", " 21,00", " - - - -", " 3000"};
        QTest::newRow("report view") << int(ViewId::Report) << QStringList(kChannelCount, "-");
    }
    void liveValuesInTheGraphView() {
        GraphRig rig(dir_->path(), kStart);
        rig.state.Store.set(&AppSettings::CurrentView, fetch<int>("view"));
        for (QLineEdit *box : rig.panel.valueBoxes)
            box->setText("-");
        rig.record({{-5, 1200, 0, 2100, 0, 3000}});
        QCOMPARE(rig.valueTexts(), fetch<QStringList>("texts"));
    }

    // The options that take effect at once: W keeps the axis minimum, the full scales retitle
    // the legend, line width and legend visibility follow, a hidden channel's box is cleared.
    void settingsApplyAtOnce() {
        GraphRig rig(dir_->path(), kStart);
        SettingsStore &s = rig.state.Store;
        s.set(&AppSettings::PointsOnScreen, 500);
        s.set(&AppSettings::FullScale, 0, 5);
        s.set(&AppSettings::LineWidth, 4);
        s.set(&AppSettings::LegendHidden, 1);
        s.set(&AppSettings::ChannelHidden, 5, 1);
        s.set(&AppSettings::ViewInterval, 2, 700);
        rig.recording().applySettings();
        QCOMPARE(rig.recorder().axis(), (AxisWindow{0, 500}));
        QCOMPARE(rig.recording().chart().series(0)->name(), QStringLiteral("CO : 5 %"));
        QCOMPARE(rig.recording().chart().series(2)->pen().width(), 4);
        QVERIFY(!rig.plot->legend->visible());
        QVERIFY(!rig.panel.channelBoxes[5]->isChecked());
        QVERIFY(!rig.recording().chart().series(5)->visible());
        QCOMPARE(rig.timer.interval(), 700);
    }
};

QTEST_MAIN(TestGraphRecording)
#include "test_graph_recording.moc"
