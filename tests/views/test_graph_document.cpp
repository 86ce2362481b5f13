#include "bgr_color.h"
#include "graph_export_registry.h"
#include "graph_file.h"
#include "graph_rig.h"
#include "test_files.h"

#include <QAction>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

Q_DECLARE_METATYPE(UserPrompts::Answer)

namespace {

// The value of a column of the current test row, inside an expression.
template <typename T> T fetch(const char *column) {
    return *static_cast<T *>(QTest::qData(column, qMetaTypeId<T>()));
}

const QDate kToday(2026, 5, 14);
const QDateTime kStart(kToday, QTime(14, 5, 9));

const QList<ReadingSample> kThreeReadings = {
    {150, 123, 1452, 47, 998, 785}, {250, 500, 1400, 50, 0, 2600}, {58, 142, 1452, 47, 1010, 790}};

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

// Three readings recorded for vehicle "123", owner "Иванов", and saved as `name` in "Graph".
QString savedThreeReadings(GraphRig &rig, const QString &name) {
    rig.state.Vehicle.NumberText = QStringLiteral("123");
    rig.state.Vehicle.DetailText = QStringLiteral("Иванов");
    rig.record(kThreeReadings);
    const QString path = rig.inGraph(name);
    rig.dialogs.answers = {path};
    rig.document().save();
    return path;
}

} // namespace

// The graph's document on its own: save by type through the export registry, open, clear,
// print, the menu's commands, and the unsaved flag.
class TestGraphDocument : public QObject {
    Q_OBJECT

    QTemporaryDir *dir_ = nullptr;

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
    void init() { dir_ = new QTemporaryDir; }
    void cleanup() { delete dir_; }

    // The format a save writes: the name's extension when the registry has it, otherwise the
    // chosen type, otherwise the graph file.
    void formatOfTheChosenName_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("filter"); // index into the save filters; -1: none
        QTest::addColumn<int>("format"); // index into the registry
        QTest::newRow("extension wins") << "a/graph.BMP" << 0 << 2;
        QTest::newRow("no extension: the type") << "graph" << 1 << 1;
        QTest::newRow("other extension: the type") << "graph.v2" << 3 << 3;
        QTest::newRow("nothing tells") << "graph" << -1 << 0;
    }
    void formatOfTheChosenName() {
        QFETCH(QString, path);
        const QString chosen = GraphExportRegistry::saveFilters().value(fetch<int>("filter"));
        QCOMPARE(&GraphExportRegistry::formatOf(path, chosen),
                 &GraphExportRegistry::formats()[fetch<int>("format")]);
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
        GraphRig rig(dir_->path(), kStart);
        rig.record(kThreeReadings.mid(0, samples));
        rig.prompts.answers = {fetch<UserPrompts::Answer>("answer")};
        rig.document().clear();
        QCOMPARE(rig.prompts.shown.count(QStringLiteral("Вы действительно хотите стереть текущий "
                                                        "график ?")),
                 fetch<int>("questions"));
        QCOMPARE(rig.recorder().count(), fetch<int>("countAfter"));
    }

    // "Сохранить" stops, saves into "Graph" under the suggested name and clears the unsaved
    // flag; "Открыть" brings the samples, the date and the trimmed vehicle texts back, with
    // the captions following and the report told.
    void saveThenOpenRoundTrip() {
        GraphRig rig(dir_->path(), kStart);
        QSignalSpy vehicleTexts(&rig.document(), &GraphDocument::vehicleTextsLoaded);
        const QString path = savedThreeReadings(rig, "round.dan");
        QVERIFY(!rig.recording().isRecording());
        QCOMPARE(rig.dialogs.proposedNames, QStringList{"123_05-14_14-05"});
        QCOMPARE(rig.dialogs.shownFolders, QStringList{rig.graphFolder()});
        QCOMPARE(rig.dialogs.filters.first(), GraphExportRegistry::saveFilters().join(";;"));
        QCOMPARE(rig.dialogs.overwriteQuestions, 1);
        QVERIFY(!rig.document().unsaved());
        QCOMPARE(QFileInfo(path).size(), 16 * 6);

        rig.prompts.answers = {UserPrompts::Answer::Yes};
        rig.document().clear();
        QCOMPARE(rig.recorder().count(), 0);
        rig.state.Vehicle.NumberText = QStringLiteral("999");
        rig.clock.time = rig.clock.time.addDays(3);
        rig.dialogs.answers = {path};
        rig.document().open();
        QCOMPARE(rig.dialogs.filters.last(), QStringLiteral("Файлы данных (*.dan)"));
        QCOMPARE(rig.recorder().count(), 3);
        QCOMPARE(rig.recorder().graphDate(), kToday);
        QCOMPARE(rig.recorder().axis(), (AxisWindow{0, 250}));
        QCOMPARE(rig.recorder().buffer().timeLabel(2), QStringLiteral("14:05:11 "));
        QCOMPARE(rig.state.Vehicle.NumberText, QStringLiteral("123"));
        QCOMPARE(rig.state.Vehicle.DetailText, QStringLiteral("Иванов"));
        GraphChart &chart = rig.recording().chart();
        QVERIFY(chart.footer()->text().startsWith(QStringLiteral("№ авт.:   123")));
        QVERIFY(chart.footer()->text().endsWith(QStringLiteral("14.05.2026")));
        QCOMPARE(vehicleTexts.count(), 1);
        QCOMPARE(rig.prompts.shown.size(), 1); // the erase question only

        // A damaged file keeps what came before the damage and names the file.
        QByteArray bytes = TestFiles::fileBytes(path);
        bytes[16 * 3 + 12] = char(25); // the third sample's hour
        QVERIFY(TestFiles::putBytes(path, bytes));
        rig.dialogs.answers = {path};
        rig.document().open();
        QCOMPARE(rig.recorder().count(), 2);
        QCOMPARE(rig.prompts.shown.filter(QDir::toNativeSeparators(path)).size(), 1);
    }

    // A damaged file's load ends at the damage: the vehicle texts after it are not read, and
    // the ones in force stay, in the state and on the chart.
    void damagedFileLeavesTheTextsItDidNotReach_data() {
        QTest::addColumn<int>("offset"); // where the damage is written; -1: the file is cut
        QTest::addColumn<QByteArray>("damage");
        QTest::addColumn<int>("size"); // what the file is cut to
        QTest::addColumn<int>("samples");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("detail");
        // Three samples: header, three sample records, the number, the detail.
        QTest::newRow("hour 25 in the third sample")
            << 16 * 3 + 12 << QByteArray(1, char(25)) << 16 * 6 << 2 << "999"
            << "Петров";
        QTest::newRow("negative year") << 10 << QByteArray("\xff\xff") << 16 * 6 << 0 << "999"
                                       << "Петров";
        QTest::newRow("cut in the samples") << -1 << QByteArray() << 16 * 3 << 2 << "999"
                                            << "Петров";
        QTest::newRow("cut in the detail") << -1 << QByteArray() << 16 * 5 + 4 << 3 << "123"
                                           << "Петров";
    }
    void damagedFileLeavesTheTextsItDidNotReach() {
        GraphRig rig(dir_->path(), kStart);
        const QString path = savedThreeReadings(rig, "damaged.dan");
        QByteArray bytes = TestFiles::fileBytes(path);
        if (const int offset = fetch<int>("offset"); offset >= 0)
            bytes.replace(offset, fetch<QByteArray>("damage").size(), fetch<QByteArray>("damage"));
        QVERIFY(TestFiles::putBytes(path, bytes.left(fetch<int>("size"))));

        rig.state.Vehicle.NumberText = QStringLiteral("999");
        rig.state.Vehicle.DetailText = QStringLiteral("Петров");
        rig.dialogs.answers = {path};
        rig.document().open();
        QCOMPARE(rig.recorder().count(), fetch<int>("samples"));
        QTEST(rig.state.Vehicle.NumberText, "number");
        QTEST(rig.state.Vehicle.DetailText, "detail");
        const QString footer = rig.recording().chart().footer()->text();
        QVERIFY2(footer.contains(fetch<QString>("number")) &&
                     footer.contains(fetch<QString>("detail")),
                 qPrintable(footer));
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
        GraphRig rig(dir_->path(), kStart);
        rig.record({kThreeReadings[0]});
        rig.prompts.answers = {fetch<UserPrompts::Answer>("answer")};
        rig.document().open();
        QCOMPARE(rig.prompts.shown,
                 QStringList{QStringLiteral("Текущий график не сохранен.  Сохранить ?")});
        QVERIFY(!rig.recording().isRecording());
        QCOMPARE(rig.dialogs.overwriteQuestions, fetch<int>("saveDialogs"));
        QCOMPARE(rig.dialogs.filters.size(), fetch<int>("saveDialogs") + fetch<int>("openDialogs"));
        QCOMPARE(rig.recorder().count(), 1);
    }

    // Every format of the registry by the chosen file: the graph file, the picture exports of
    // the chart (the bitmap on white, the metafile as shown, read by an independent viewer)
    // and the text table.
    void exportsByType_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("starts");
        QTest::newRow("graph file") << "graph.dan" << QByteArray::fromHex("0200");
        QTest::newRow("metafile") << "graph.emf" << QByteArray::fromHex("01000000");
        QTest::newRow("bitmap") << "graph.bmp" << QByteArray("BM");
        QTest::newRow("text") << "graph.txt" << QByteArray("CO\tCH\tCO2\tO2\tlamb\tn\tTime\r\n");
    }
    void exportsByType() {
        QFETCH(QString, name);
        GraphRig rig(dir_->path(), kStart);
        rig.record(kThreeReadings);
        const QString path = rig.inGraph(name);
        rig.dialogs.answers = {path};
        rig.document().save();
        QVERIFY(!rig.state.Flags.GraphUnsaved);
        QVERIFY(TestFiles::fileBytes(path).startsWith(fetch<QByteArray>("starts")));
        // The chart on screen has its own background back.
        QCOMPARE(rig.recording().chart().paper(), colorFromBgr(rig.state.Settings.GraphBackColor));
        if (name.endsWith("bmp")) {
            const QImage picture(path);
            QCOMPARE(picture.size(), rig.plot->size());
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
        GraphRig rig(dir_->path(), kStart);
        rig.record(kThreeReadings);
        const QString path = rig.inGraph(name);
        TestFiles::putBytes(path, "old");
        rig.dialogs.answers = {path};
        {
            std::optional<TestFiles::FileSizeLimit> limit;
            if (sizeLimit)
                limit.emplace(rlim_t(sizeLimit));
            rig.document().save();
        }
        QVERIFY(rig.state.Flags.GraphUnsaved);
        QCOMPARE(rig.prompts.shown.size(), 1);
        QVERIFY(rig.prompts.shown[0].startsWith(QStringLiteral("График не сохранен в файл ") +
                                                QDir::toNativeSeparators(path) + ": "));
        QVERIFY(rig.prompts.shown[0].size() > QDir::toNativeSeparators(path).size() + 30);
        QCOMPARE(TestFiles::fileBytes(path), QByteArray(sizeLimit ? "old" : "<unreadable>"));
    }

    // More samples than a graph file holds: the newest are written and the user is told.
    void longGraphKeepsTheNewestSamples() {
        GraphRig rig(dir_->path(), kStart);
        rig.state.Store.set(&AppSettings::TotalPoints, 40000);
        rig.recording().applySettings();
        rig.record(QList<ReadingSample>(GraphFile::kMaxSamples + 2, kThreeReadings[0]));
        const QString path = rig.inGraph("long.dan");
        rig.dialogs.answers = {path};
        rig.document().save();
        QCOMPARE(QFileInfo(path).size(), 16 * (GraphFile::kMaxSamples + 3));
        QCOMPARE(rig.prompts.shown.size(), 1);
        QVERIFY(rig.prompts.shown[0].contains(QStringLiteral("32768")));
        QVERIFY(rig.prompts.shown[0].contains(QStringLiteral("32770")));
        QVERIFY(!rig.state.Flags.GraphUnsaved);
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
        GraphRig rig(dir_->path(), kStart);
        rig.record(kThreeReadings);
        rig.printer.confirm = confirm;
        rig.document().print();
        QCOMPARE(rig.printer.shown, 1);
        QVERIFY(!rig.recording().isRecording());
        QCOMPARE(rig.recording().chart().paper(), QColor(Qt::black));
        QCOMPARE(rig.plot->axisRect()->backgroundBrush().color(), QColor(Qt::black));
        QCOMPARE(rig.printer.printer.pageLayout().orientation(), QPageLayout::Portrait);
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

    // The menu's "Открыть график", "Сохранить график" and "Печать графика": each asks for the
    // graph view first, then runs its command.
    void menuAsksForTheGraphViewFirst_data() {
        QTest::addColumn<int>("item"); // 0 open, 1 save, 2 print
        QTest::addColumn<int>("fileDialogs");
        QTest::addColumn<int>("printDialogs");
        QTest::newRow("open") << 0 << 1 << 0;
        QTest::newRow("save") << 1 << 1 << 0;
        QTest::newRow("print") << 2 << 0 << 1;
    }
    void menuAsksForTheGraphViewFirst() {
        GraphRig rig(dir_->path(), kStart);
        QAction items[3];
        rig.document().bindMenu(&items[0], &items[1], &items[2]);
        const auto dialogs = [&rig] {
            return QStringLiteral("%1 %2").arg(rig.dialogs.filters.size()).arg(rig.printer.shown);
        };
        QStringList atViewRequests;
        connect(&rig.document(), &GraphDocument::showGraphViewRequested,
                [&] { atViewRequests << dialogs(); });
        rig.printer.confirm = false;
        items[fetch<int>("item")].trigger();
        QVERIFY(items[fetch<int>("item")].isEnabled());
        QCOMPARE(atViewRequests, QStringList{QStringLiteral("0 0")});
        QCOMPARE(
            dialogs(),
            QStringLiteral("%1 %2").arg(fetch<int>("fileDialogs")).arg(fetch<int>("printDialogs")));
    }

    // "Настроить" asks for the options at "График".
    void configureAsksForTheOptions() {
        GraphRig rig(dir_->path(), kStart);
        QSignalSpy options(&rig.document(), &GraphDocument::graphOptionsRequested);
        rig.document().configure();
        QCOMPARE(options.count(), 1);
    }
};

QTEST_MAIN(TestGraphDocument)
#include "test_graph_document.moc"
