#include "bgr_color.h"
#include "fixed_clock.h"
#include "graph_file.h"
#include "graph_test_window.h"
#include "graph_view.h"
#include "readings_source_probe.h"
#include "report_wiring.h"
#include "scripted_prompts.h"
#include "test_files.h"
#include "tform1.h"
#include "tform2.h"
#include "tpagesdlg.h"
#include "view_ids.h"

#include "qcustomplot.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <optional>

Q_DECLARE_METATYPE(UserPrompts::Answer)

namespace {

// The value of a column of the current test row, inside an expression.
template <typename T> T fetch(const char *column) {
    return *static_cast<T *>(QTest::qData(column, qMetaTypeId<T>()));
}

const QDate kToday(2026, 5, 14);

// The main window in the graph view, started at 1024 x 768 in a folder of its own with no
// serial ports.
struct GraphWindow : GraphTestWindow {
    GraphWindow(const QString &folder, bool graphView = true)
        : GraphTestWindow(folder, QDateTime(kToday, QTime(14, 5, 9)), {}, QSize(1024, 768)) {
        if (graphView)
            window->selectView(ViewId::Graph);
    }

    QCustomPlot *chart() { return window->findChild<QCustomPlot *>("Chart3"); }
    QTimer *timer() { return window->findChild<QTimer *>("TimerGRP"); }
    template <typename T = QPushButton> T *control(const QString &name) {
        return window->findChild<T *>(name);
    }
    QStringList valueTexts() {
        QStringList texts;
        for (int i = 1; i <= 6; ++i)
            texts << control<QLineEdit>(QStringLiteral("Edit%1").arg(i))->text();
        return texts;
    }
    // Lays the chart out now, as the screen would at its next drawing.
    void drawChart() {
        graph().recording().chart().refresh();
        chart()->replot(QCustomPlot::rpImmediateRefresh);
    }
};

const QList<ReadingSample> kThreeReadings = {
    {150, 123, 1452, 47, 998, 785}, {250, 500, 1400, 50, 0, 2600}, {58, 142, 1452, 47, 1010, 790}};

} // namespace

// The graph view inside the main window: what only the whole window shows (the chart as the
// layout sizes it, the options dialog, the menu and the side panel's buttons, the report and
// the settings between runs). The graph's parts are tested on their own in tests/views.
class TestGraphView : public QObject {
    Q_OBJECT

    QTemporaryDir *dir_ = nullptr;

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        qputenv("VELANTAR_PORTS", "");
    }
    void init() { dir_ = new QTemporaryDir; }
    void cleanup() { delete dir_; }

    // The time axis labels stand at least one label height apart, whatever the width of the
    // window and the chart; a cleared record shows "00:00:00 " at position 0.
    void timeLabelsNeverOverlap_data() {
        QTest::addColumn<int>("pointsOnScreen");
        QTest::addColumn<QSize>("windowSize");
        QTest::newRow("W 250, small window") << 250 << QSize(640, 480);
        QTest::newRow("W 2000, large window") << 2000 << QSize(1280, 1000);
        QTest::newRow("W 50, large window") << 50 << QSize(1280, 1000);
    }
    void timeLabelsNeverOverlap() {
        GraphWindow w(dir_->path());
        w.window->resize(fetch<QSize>("windowSize"));
        w.window->state().Store.set(&AppSettings::PointsOnScreen, fetch<int>("pointsOnScreen"));
        w.graph().recording().applySettings();
        w.drawChart();
        QCOMPARE(w.chart()->xAxis->tickVectorLabels().value(0), QStringLiteral("00:00:00 "));
        // Every text of the chart takes the size the layout gives the chart.
        const int points = w.chart()->font().pointSize();
        QCOMPARE(w.graph().recording().chart().footer()->font().pointSize(), points);
        QCOMPARE(w.chart()->xAxis->tickLabelFont().pointSize(), points);

        QList<ReadingSample> readings(2100, ReadingSample{150, 123, 1452, 47, 998, 785});
        w.record(readings);
        w.drawChart();
        w.drawChart(); // the second drawing knows the margins of the first
        const QVector<double> ticks = w.chart()->xAxis->tickVector();
        QVERIFY(ticks.size() >= 3);
        const double labelHeight = QFontMetricsF(w.chart()->xAxis->tickLabelFont()).height();
        for (int i = 1; i < ticks.size(); ++i)
            QVERIFY(w.chart()->xAxis->coordToPixel(ticks[i]) -
                        w.chart()->xAxis->coordToPixel(ticks[i - 1]) >=
                    labelHeight);
        const int newest = int(ticks.last());
        QCOMPARE(w.chart()->xAxis->tickVectorLabels().last(),
                 w.graph().recorder().axisLabel(newest));
    }

    // A click on the legend opens the options dialog on its page "Управл.".
    void legendClickOpensTheControlPage() {
        GraphWindow w(dir_->path());
        w.drawChart();
        int shownPage = -1;
        QTimer watcher;
        connect(&watcher, &QTimer::timeout, [&] {
            if (QApplication::activeModalWidget() != &w.window->options())
                return;
            shownPage = w.window->options().pages()->currentIndex();
            w.window->options().reject();
        });
        watcher.start(10);
        QTest::mouseClick(w.chart(), Qt::LeftButton, {}, w.chart()->legend->outerRect().center());
        QTRY_COMPARE_WITH_TIMEOUT(shownPage, int(TPagesDlg::Control), 10000);
    }

    // A hidden channel is still recorded, and stays hidden in the next run.
    void hiddenChannelRecordedAndKept() {
        {
            GraphWindow w(dir_->path());
            w.control<QCheckBox>("CheckBox2")->click();
            QVERIFY(!w.graph().recording().chart().series(1)->visible());
            w.record({kThreeReadings[0]});
            QCOMPARE(w.graph().recorder().buffer().chartValue(0, 1), 24);
            w.prompts.answers = {UserPrompts::Answer::No}; // the unsaved graph
            QVERIFY(w.window->close());
        }
        GraphWindow next(dir_->path());
        QVERIFY(!next.control<QCheckBox>("CheckBox2")->isChecked());
        QVERIFY(!next.graph().recording().chart().series(1)->visible());
        QVERIFY(next.graph().recording().chart().series(0)->visible());
        QCOMPARE(next.window->state().Settings.ChannelHidden[1], 1);
    }

    // "Сохранить график" from another view saves into "Graph" under the suggested name;
    // "Открыть" brings the samples, the date and the trimmed vehicle texts back, with the
    // captions and the report following.
    void saveThenOpenRoundTrip() {
        GraphWindow w(dir_->path(), false);
        w.window->state().Vehicle.NumberText = QStringLiteral("123");
        w.window->state().Vehicle.DetailText = QStringLiteral("Иванов");
        w.record(kThreeReadings);
        const QString path = dir_->filePath("Graph/round.dan");
        w.dialogs.answers = {path};
        w.window->findChild<QAction *>("N10")->trigger();
        QCOMPARE(w.window->state().Settings.CurrentView, ViewId::Graph);
        QVERIFY(!w.graph().isRecording());
        QCOMPARE(w.dialogs.proposedNames, QStringList{"123_05-14_14-05"});
        QCOMPARE(w.dialogs.shownFolders, QStringList{dir_->filePath("Graph")});
        QCOMPARE(w.dialogs.filters.first(),
                 QStringLiteral("Файлы данных (*.dan);;Метафайлы (*.emf);;Точечные рисунки "
                                "(*.bmp);;Текстовые файлы (*.txt)"));
        QCOMPARE(w.dialogs.overwriteQuestions, 1);
        QVERIFY(!w.window->state().Flags.GraphUnsaved);
        QCOMPARE(QFileInfo(path).size(), 16 * 6);

        w.prompts.answers = {UserPrompts::Answer::Yes};
        w.control("BitBtn3")->click();
        QCOMPARE(w.graph().recorder().count(), 0);
        w.window->state().Vehicle.NumberText = QStringLiteral("999");
        w.clock.time = w.clock.time.addDays(3);
        w.dialogs.answers = {path};
        w.control("BitBtn2")->click();
        QCOMPARE(w.dialogs.filters.last(), QStringLiteral("Файлы данных (*.dan)"));
        QCOMPARE(w.graph().recorder().count(), 3);
        QCOMPARE(w.graph().recorder().graphDate(), kToday);
        QCOMPARE(w.graph().recorder().axis(), (AxisWindow{0, 250}));
        QCOMPARE(w.graph().recorder().buffer().timeLabel(2), QStringLiteral("14:05:11 "));
        QCOMPARE(w.window->state().Vehicle.NumberText, QStringLiteral("123"));
        QCOMPARE(w.window->state().Vehicle.DetailText, QStringLiteral("Иванов"));
        QVERIFY(w.graph().recording().chart().footer()->text().startsWith(
            QStringLiteral("№ авт.:   123")));
        QVERIFY(
            w.graph().recording().chart().footer()->text().endsWith(QStringLiteral("14.05.2026")));
        QVERIFY(w.control<QPlainTextEdit>("Memo10")->toPlainText().contains("123"));
        QCOMPARE(w.prompts.shown.size(), 1); // the erase question only

        // A damaged file keeps what came before the damage and names the file.
        QByteArray bytes = TestFiles::fileBytes(path);
        bytes[16 * 3 + 12] = char(25); // the third sample's hour
        QVERIFY(TestFiles::putBytes(path, bytes));
        w.dialogs.answers = {path};
        w.control("BitBtn2")->click();
        QCOMPARE(w.graph().recorder().count(), 2);
        QCOMPARE(w.prompts.shown.filter(QDir::toNativeSeparators(path)).size(), 1);
    }

    // "Открыть график", "Сохранить график" and "Печать графика" from another view show the
    // graph view before their dialog.
    void menuShowsTheGraphView_data() {
        QTest::addColumn<QString>("item");
        QTest::newRow("open") << "N9";
        QTest::newRow("save") << "N10";
        QTest::newRow("print") << "N11";
    }
    void menuShowsTheGraphView() {
        QFETCH(QString, item);
        GraphWindow w(dir_->path(), false);
        w.printer.confirm = false;
        w.window->findChild<QAction *>(item)->trigger();
        QCOMPARE(w.window->state().Settings.CurrentView, ViewId::Graph);
        QCOMPARE(w.dialogs.filters.size() + w.printer.shown, 1);
    }

    // "Запись" and "Останов" lie under the report view's record buttons: outside the graph
    // view neither is visible or takes the focus, whether or not the graph is recording, and
    // the graph view shows the one its recording state calls for.
    void recordingPairOnlyInTheGraphView_data() {
        QTest::addColumn<int>("view");
        QTest::addColumn<bool>("recording");
        QTest::newRow("report, idle") << int(ViewId::Report) << false;
        QTest::newRow("report, recording") << int(ViewId::Report) << true;
        QTest::newRow("table, recording") << int(ViewId::Table) << true;
        QTest::newRow("graph, idle") << int(ViewId::Graph) << false;
        QTest::newRow("graph, recording") << int(ViewId::Graph) << true;
    }
    void recordingPairOnlyInTheGraphView() {
        QFETCH(int, view);
        QFETCH(bool, recording);
        GraphWindow w(dir_->path(), false);
        w.window->selectView(view);
        if (recording)
            w.control("BitBtn7")->click(); // as the start at link-up does
        const bool graphView = view == ViewId::Graph;
        QCOMPARE(w.control("BitBtn7")->isVisible(), graphView && !recording);
        QCOMPARE(w.control("BitBtn6")->isVisible(), graphView && recording);
        for (int step = 0; step < 40; ++step) { // around the whole Tab chain
            QWidget *focused = QApplication::focusWidget();
            QVERIFY(graphView ||
                    (focused != w.control("BitBtn7") && focused != w.control("BitBtn6")));
            if (focused)
                QTest::keyClick(focused, Qt::Key_Tab);
        }
        w.window->selectView(ViewId::Graph);
        QCOMPARE(w.control("BitBtn7")->isVisible(), !recording);
        QCOMPARE(w.control("BitBtn6")->isVisible(), recording);
    }

    // The vehicle data dialog dates the graph today only when "ОК" closes it; the captions
    // follow either way.
    void vehicleDialogDatesTheGraphOnOk_data() {
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QDate>("date");
        QTest::newRow("ОК") << true << kToday.addDays(1);
        QTest::newRow("Отмена") << false << kToday;
    }
    void vehicleDialogDatesTheGraphOnOk() {
        QFETCH(bool, ok);
        QFETCH(QDate, date);
        GraphWindow w(dir_->path());
        w.clock.time = w.clock.time.addDays(1);
        TForm2 &dialog = w.window->report().vehicleDialog();
        dialog.runModal = [&](QDialog &) {
            w.window->state().Vehicle.NumberText = QStringLiteral("  77 ");
            return int(ok ? QDialog::Accepted : QDialog::Rejected);
        };
        dialog.execute();
        QCOMPARE(w.graph().recorder().graphDate(), date);
        QCOMPARE(w.window->state().Vehicle.NumberText, QStringLiteral("77"));
        QVERIFY(w.graph().recording().chart().footer()->text().endsWith(
            QLocale().toString(date, QLocale::ShortFormat)));
    }
};

QTEST_MAIN(TestGraphView)
#include "test_graph_view.moc"
