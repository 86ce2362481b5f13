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
        graph().chart().refresh();
        chart()->replot(QCustomPlot::rpImmediateRefresh);
    }
};

// How many pixels of an image match a test.
template <typename Test> int countPixels(const QImage &image, Test test) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += test(image.pixelColor(x, y));
    return n;
}

bool isWhite(const QColor &c) {
    return c.red() > 240 && c.green() > 240 && c.blue() > 240;
}
bool isBlue(const QColor &c) { // the CO2 line
    return c.blue() > 200 && c.red() < 80 && c.green() < 80;
}

const QList<ReadingSample> kThreeReadings = {
    {150, 123, 1452, 47, 998, 785}, {250, 500, 1400, 50, 0, 2600}, {58, 142, 1452, 47, 1010, 790}};

} // namespace

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

    // "Запись" and "Останов" with the sampling timer: each letter of the script is a press of
    // "Запись" (R) or "Останов" (S), or a TimerGRP tick (T). K = 50 and the stop setting, so
    // the 52nd tick finds the record full.
    void recordingStates_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("ticks"); // how many times the script's T runs
        QTest::addColumn<bool>("recording");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("finishedMessages");
        QTest::addColumn<bool>("unsaved");
        QTest::newRow("fresh window") << "" << 0 << false << 0 << 0 << false;
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
        GraphWindow w(dir_->path());
        w.window->state().Store.set(&AppSettings::TotalPoints, 50);
        w.window->state().Store.set(&AppSettings::GraphFullAction, 1);
        w.graph().applySettings();
        for (QChar step : script) {
            if (step == u'R')
                w.control("BitBtn7")->click();
            else if (step == u'S')
                w.control("BitBtn6")->click();
            else
                for (int i = 0; i < ticks; ++i)
                    w.graph().TimerGRPTimer();
        }
        QCOMPARE(w.graph().isRecording(), recording);
        QCOMPARE(w.timer()->isActive(), recording);
        QCOMPARE(w.control("BitBtn7")->isVisible(), !recording);
        QCOMPARE(w.control("BitBtn6")->isVisible(), recording);
        QCOMPARE(w.graph().recorder().count(), fetch<int>("count"));
        QCOMPARE(w.prompts.shown.count(QStringLiteral("Запись графика закончена.")),
                 fetch<int>("finishedMessages"));
        QCOMPARE(w.window->state().Flags.GraphUnsaved, fetch<bool>("unsaved"));
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
        GraphWindow w(dir_->path());
        w.record(kThreeReadings);
        if (!fetch<bool>("recording"))
            w.control("BitBtn6")->click();
        for (int i = 1; i <= 6; ++i)
            w.control<QLineEdit>(QStringLiteral("Edit%1").arg(i))->setText("-");
        w.drawChart();
        const int x = qRound(w.chart()->xAxis->coordToPixel(position));
        QTest::mouseClick(w.chart(), Qt::LeftButton, {},
                          QPoint(x, w.chart()->axisRect()->center().y()));

        QCPGraph *marker = w.graph().chart().marker();
        if (texts.isEmpty()) {
            QCOMPARE(w.valueTexts(), QStringList(6, "-"));
            QVERIFY(marker->data()->isEmpty());
            return;
        }
        QCOMPARE(w.valueTexts(), texts);
        QCOMPARE(marker->objectName(), QStringLiteral("Series8"));
        QCOMPARE(marker->data()->size(), 2);
        QCOMPARE(marker->data()->at(0)->key, double(qRound(position)));
        QCOMPARE(marker->data()->at(1)->value, 999.0);
        QCOMPARE(marker->pen(), QPen(Qt::red, 2));
        // "Запись" takes the marker away.
        w.control("BitBtn7")->click();
        QVERIFY(marker->data()->isEmpty());
    }

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
        w.graph().applySettings();
        w.drawChart();
        QCOMPARE(w.chart()->xAxis->tickVectorLabels().value(0), QStringLiteral("00:00:00 "));
        // Every text of the chart takes the size the layout gives the chart.
        const int points = w.chart()->font().pointSize();
        QCOMPARE(w.graph().chart().footer()->font().pointSize(), points);
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

    // A lost link leaves a gap: ticks while the readings are not current take no sample,
    // and recording goes on once they are current again.
    void lostLinkLeavesAGap() {
        GraphWindow w(dir_->path());
        w.record({kThreeReadings[0]});
        ReadingsSourceProbe::setCurrent(w.window->readingsSource(), false);
        w.record({kThreeReadings[1], kThreeReadings[1]});
        QCOMPARE(w.graph().recorder().count(), 1);
        QVERIFY(w.timer()->isActive());
        ReadingsSourceProbe::setCurrent(w.window->readingsSource(), true);
        w.record({kThreeReadings[2]});
        QCOMPARE(w.graph().recorder().count(), 2);
        QCOMPARE(w.graph().recorder().axisLabel(1).trimmed(), QStringLiteral("14:05:12"));
    }

    // A hidden channel is still recorded, and stays hidden in the next run.
    void hiddenChannelRecordedAndKept() {
        {
            GraphWindow w(dir_->path());
            w.control<QCheckBox>("CheckBox2")->click();
            QVERIFY(!w.graph().chart().series(1)->visible());
            w.record({kThreeReadings[0]});
            QCOMPARE(w.graph().recorder().buffer().chartValue(0, 1), 24);
            w.prompts.answers = {UserPrompts::Answer::No}; // the unsaved graph
            QVERIFY(w.window->close());
        }
        GraphWindow next(dir_->path());
        QVERIFY(!next.control<QCheckBox>("CheckBox2")->isChecked());
        QVERIFY(!next.graph().chart().series(1)->visible());
        QVERIFY(next.graph().chart().series(0)->visible());
        QCOMPARE(next.window->state().Settings.ChannelHidden[1], 1);
    }

    void clearAsksWithTwoSamplesOrMore_data() {
        QTest::addColumn<int>("samples");
        QTest::addColumn<UserPrompts::Answer>("answer");
        QTest::addColumn<int>("questions");
        QTest::addColumn<int>("countAfter");
        QTest::newRow("one sample: nothing") << 1 << UserPrompts::Answer::Yes << 0 << 1;
        QTest::newRow("two, yes") << 2 << UserPrompts::Answer::Yes << 1 << 0;
        QTest::newRow("two, no") << 2 << UserPrompts::Answer::No << 1 << 2;
    }
    void clearAsksWithTwoSamplesOrMore() {
        QFETCH(int, samples);
        GraphWindow w(dir_->path());
        w.record(kThreeReadings.mid(0, samples));
        w.prompts.answers = {fetch<UserPrompts::Answer>("answer")};
        w.control("BitBtn3")->click();
        QCOMPARE(w.prompts.shown.count(QStringLiteral("Вы действительно хотите стереть текущий "
                                                      "график ?")),
                 fetch<int>("questions"));
        QCOMPARE(w.graph().recorder().count(), fetch<int>("countAfter"));
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
        QVERIFY(w.graph().chart().footer()->text().startsWith(QStringLiteral("№ авт.:   123")));
        QVERIFY(w.graph().chart().footer()->text().endsWith(QStringLiteral("14.05.2026")));
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

    // Before a file replaces an unsaved graph: Yes saves instead, No opens, Cancel does
    // nothing.
    void openAsksAboutAnUnsavedGraph_data() {
        QTest::addColumn<UserPrompts::Answer>("answer");
        QTest::addColumn<int>("saveDialogs");
        QTest::addColumn<int>("openDialogs");
        QTest::newRow("yes: save") << UserPrompts::Answer::Yes << 1 << 0;
        QTest::newRow("no: open") << UserPrompts::Answer::No << 0 << 1;
        QTest::newRow("cancel") << UserPrompts::Answer::Cancel << 0 << 0;
    }
    void openAsksAboutAnUnsavedGraph() {
        GraphWindow w(dir_->path());
        w.record({kThreeReadings[0]});
        w.prompts.answers = {fetch<UserPrompts::Answer>("answer")};
        w.control("BitBtn2")->click();
        QCOMPARE(w.prompts.shown,
                 QStringList{QStringLiteral("Текущий график не сохранен.  Сохранить ?")});
        QVERIFY(!w.graph().isRecording());
        QCOMPARE(w.dialogs.overwriteQuestions, fetch<int>("saveDialogs"));
        QCOMPARE(w.dialogs.filters.size(), fetch<int>("saveDialogs") + fetch<int>("openDialogs"));
        QCOMPARE(w.graph().recorder().count(), 1);
    }

    // The four types by the chosen file: the picture exports are the chart (the bitmap on
    // white, the metafile as shown, read by an independent viewer), the text file the table.
    void exportsByType_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("starts");
        QTest::newRow("bitmap") << "graph.bmp" << QByteArray("BM");
        QTest::newRow("metafile") << "graph.emf" << QByteArray::fromHex("01000000");
        QTest::newRow("text") << "graph.txt" << QByteArray("CO\tCH\tCO2\tO2\tlamb\tn\tTime\r\n");
    }
    void exportsByType() {
        QFETCH(QString, name);
        GraphWindow w(dir_->path());
        w.record(kThreeReadings);
        const QString path = dir_->filePath("Graph/" + name);
        w.dialogs.answers = {path};
        w.control("BitBtn1")->click();
        QVERIFY(!w.window->state().Flags.GraphUnsaved);
        QVERIFY(TestFiles::fileBytes(path).startsWith(fetch<QByteArray>("starts")));
        // The chart on screen has its own background back.
        QCOMPARE(w.graph().chart().paper(),
                 colorFromBgr(w.window->state().Settings.GraphBackColor));
        if (name.endsWith("bmp")) {
            const QImage picture(path);
            QCOMPARE(picture.size(), w.chart()->size());
            QCOMPARE(picture.pixelColor(0, 0), QColor(Qt::white));
            QVERIFY(countPixels(picture, isWhite) > picture.width() * picture.height() * 8 / 10);
            QVERIFY(countPixels(picture, isBlue) > 50);
        } else if (name.endsWith("emf")) {
            QCOMPARE(TestFiles::fileBytes(path).mid(40, 4), QByteArray(" EMF"));
            // An independent viewer shows the lines in their colours.
            const QString office = QStandardPaths::findExecutable("libreoffice");
            if (office.isEmpty())
                QSKIP("libreoffice is not installed (package libreoffice-draw-nogui)");
            QProcess convert;
            convert.start(office,
                          {"--headless", "-env:UserInstallation=file://" + dir_->filePath("lo"),
                           "--convert-to", "png", "--outdir", dir_->path(), path});
            QVERIFY(convert.waitForFinished(180000));
            const QImage png(dir_->filePath("graph.png"));
            QVERIFY2(!png.isNull(), convert.readAllStandardError().constData());
            QVERIFY(countPixels(png, isBlue) > 20);
        }
    }

    // A save that cannot be written names the file and the reason, and the graph stays
    // unsaved; an old file of that name is left whole.
    void failedSaveKeepsTheGraphUnsaved_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("sizeLimit"); // bytes a file may take; 0: no limit
        QTest::newRow("graph file, no folder") << "absent/graph.dan" << 0;
        QTest::newRow("text, no folder") << "absent/graph.txt" << 0;
        QTest::newRow("bitmap, disk full") << "graph.bmp" << 64;
        QTest::newRow("metafile, disk full") << "graph.emf" << 64;
    }
    void failedSaveKeepsTheGraphUnsaved() {
        QFETCH(QString, name);
        QFETCH(int, sizeLimit);
        GraphWindow w(dir_->path());
        w.record(kThreeReadings);
        const QString path = dir_->filePath("Graph/" + name);
        TestFiles::putBytes(path, "old");
        w.dialogs.answers = {path};
        {
            std::optional<TestFiles::FileSizeLimit> limit;
            if (sizeLimit)
                limit.emplace(rlim_t(sizeLimit));
            w.control("BitBtn1")->click();
        }
        QVERIFY(w.window->state().Flags.GraphUnsaved);
        QCOMPARE(w.prompts.shown.size(), 1);
        QVERIFY(w.prompts.shown[0].startsWith(QStringLiteral("График не сохранен в файл ") +
                                              QDir::toNativeSeparators(path) + ": "));
        QVERIFY(w.prompts.shown[0].size() > QDir::toNativeSeparators(path).size() + 30);
        QCOMPARE(TestFiles::fileBytes(path), QByteArray(sizeLimit ? "old" : "<unreadable>"));
    }

    // More samples than a graph file holds: the newest are written and the user is told.
    void longGraphKeepsTheNewestSamples() {
        GraphWindow w(dir_->path(), false);
        w.window->state().Store.set(&AppSettings::TotalPoints, 40000);
        w.graph().applySettings();
        w.record(QList<ReadingSample>(GraphFile::kMaxSamples + 2, kThreeReadings[0]));
        const QString path = dir_->filePath("Graph/long.dan");
        w.dialogs.answers = {path};
        w.window->findChild<QAction *>("N10")->trigger();
        QCOMPARE(QFileInfo(path).size(), 16 * (GraphFile::kMaxSamples + 3));
        QCOMPARE(w.prompts.shown.size(), 1);
        QVERIFY(w.prompts.shown[0].contains(QStringLiteral("32768")));
        QVERIFY(w.prompts.shown[0].contains(QStringLiteral("32770")));
        QVERIFY(!w.window->state().Flags.GraphUnsaved);
    }

    // Printing stops the recording and prints one landscape page with the plot on white; the
    // printer's orientation and the chart's background come back, also when cancelled.
    void printsOneLandscapePage_data() {
        QTest::addColumn<bool>("confirm");
        QTest::newRow("printed") << true;
        QTest::newRow("cancelled") << false;
    }
    void printsOneLandscapePage() {
        QFETCH(bool, confirm);
        GraphWindow w(dir_->path(), false);
        w.record(kThreeReadings);
        w.printer.confirm = confirm;
        w.window->findChild<QAction *>("N11")->trigger();
        QCOMPARE(w.printer.shown, 1);
        QVERIFY(!w.graph().isRecording());
        QCOMPARE(w.window->state().Settings.CurrentView, ViewId::Graph);
        QCOMPARE(w.graph().chart().paper(), QColor(Qt::black));
        QCOMPARE(w.chart()->axisRect()->backgroundBrush().color(), QColor(Qt::black));
        QCOMPARE(w.printer.printer.pageLayout().orientation(), QPageLayout::Portrait);
        const QString pdf = dir_->filePath("printed.pdf");
        QCOMPARE(QFile::exists(pdf), confirm);
        if (!confirm)
            return;
        QProcess info;
        info.start("pdfinfo", {pdf});
        QVERIFY(info.waitForFinished(30000));
        const QString out = QString::fromUtf8(info.readAllStandardOutput());
        QVERIFY2(out.contains(QRegularExpression("Pages:\\s+1\\n")), qPrintable(out));
        const QRegularExpressionMatch size =
            QRegularExpression("Page size:\\s+([\\d.]+) x ([\\d.]+)").match(out);
        QVERIFY(size.captured(1).toDouble() > size.captured(2).toDouble());
        QProcess raster;
        raster.start("pdftoppm", {"-r", "20", "-png", "-singlefile", pdf, dir_->filePath("page")});
        QVERIFY(raster.waitForFinished(30000));
        const QImage page(dir_->filePath("page.png"));
        QVERIFY(countPixels(page, isWhite) > page.width() * page.height() * 7 / 10);
        QVERIFY(countPixels(page, isBlue) > 0);
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
        QVERIFY(w.graph().chart().footer()->text().endsWith(
            QLocale().toString(date, QLocale::ShortFormat)));
    }

    // The options that take effect at once: W keeps the axis minimum, the full scales retitle
    // the legend, line width and legend visibility follow.
    void settingsApplyAtOnce() {
        GraphWindow w(dir_->path());
        SettingsStore &s = w.window->state().Store;
        s.set(&AppSettings::PointsOnScreen, 500);
        s.set(&AppSettings::FullScale, 0, 5);
        s.set(&AppSettings::LineWidth, 4);
        s.set(&AppSettings::LegendHidden, 1);
        s.set(&AppSettings::ChannelHidden, 5, 1);
        w.graph().applySettings();
        QCOMPARE(w.graph().recorder().axis(), (AxisWindow{0, 500}));
        QCOMPARE(w.graph().chart().series(0)->name(), QStringLiteral("CO : 5 %"));
        QCOMPARE(w.graph().chart().series(2)->pen().width(), 4);
        QVERIFY(!w.chart()->legend->visible());
        QVERIFY(!w.control<QCheckBox>("CheckBox6")->isChecked());
        QVERIFY(!w.graph().chart().series(5)->visible());
    }
};

QTEST_MAIN(TestGraphView)
#include "test_graph_view.moc"
