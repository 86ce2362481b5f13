#include "info_view.h"
#include "panels/panel_builders.h"
#include "text_file_1251.h"
#include "up_down.h"
#include "view_panels.h"

#include "test_files.h"

#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

namespace {

// Page files, by name: a picture "colour:<name>" in one solid colour, "bytes:<hex>" raw
// bytes, "truncated" the first half of a JPEG, otherwise a text whose one line is the
// given content.
using Files = QList<QPair<QString, QString>>;

QImage solid(const QString &colour) {
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(QColor(colour));
    return image;
}

QByteArray jpegBytes(const QImage &image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 90);
    return bytes;
}

void writeFiles(const QString &folder, const Files &files) {
    QDir(folder).mkpath("Info");
    for (const auto &[name, content] : files) {
        const QString path = folder + "/Info/" + name;
        if (content.startsWith("colour:")) {
            QVERIFY(solid(content.mid(7)).save(path));
        } else if (content == "truncated") {
            const QByteArray whole = jpegBytes(solid("red"));
            QVERIFY(TestFiles::putBytes(path, whole.left(whole.size() / 2)));
        } else if (content == "random") {
            QByteArray noise(5000, 0);
            for (char &byte : noise)
                byte = char(QRandomGenerator::global()->bounded(256));
            QVERIFY(TestFiles::putBytes(path, noise));
        } else {
            QVERIFY(TextFile1251::writeLines(path, {content}));
        }
    }
}

// The info panel as the main window builds it, with its view over it.
struct Rig {
    QWidget window;
    ViewPanels panels;
    std::unique_ptr<InfoView> view;

    // With `shownAt`, the window is on screen and the picture has that size before the pages
    // are read.
    explicit Rig(const QString &folder, QSize shownAt = {}) {
        PanelBuilders::infoPanel(&window, panels);
        if (!shownAt.isEmpty()) {
            window.resize(1024, 768);
            window.show();
            panels.infoPanel->show();
            panels.infoImage->resize(shownAt);
        }
        view =
            std::make_unique<InfoView>(*panels.infoSelector, *panels.infoImage, *panels.infoMemo);
        view->build(folder);
    }
    int position() const { return panels.infoSelector->property("position").toInt(); }
    void click(const QString &arrow) {
        window.findChild<QToolButton *>("UpDown1" + arrow)->click();
    }
    // The picture shown: the colour of a page picture (at `across` of its width), or "design".
    QString picture(double across = 0.5) const {
        const QImage image = panels.infoImage->pixmap().toImage();
        if (image.size() == InfoView::designPicture().size())
            return "design";
        const QColor c = image.pixelColor(int(image.width() * across), image.height() / 2);
        if (c.red() > 180 && c.green() < 80 && c.blue() < 80)
            return "red";
        if (c.blue() > 180 && c.red() < 80 && c.green() < 80)
            return "blue";
        return "other";
    }
    QString text() const { return panels.infoMemo->toPlainText(); }
};

const Files ThreePages = {{"Inf0.jpg", "colour:red"},
                          {"Inf0.txt", "Страница ноль"},
                          {"Inf4.bmp", "colour:blue"},
                          {"Inf7.txt", "Страница семь"}};

} // namespace

class TestInfoView : public QObject {
    Q_OBJECT

    QTemporaryDir *dir_ = nullptr;

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
    void init() { dir_ = new QTemporaryDir; }
    void cleanup() { delete dir_; }

    void leafing_data();
    void leafing();
    void pageAfterIdentification_data();
    void pageAfterIdentification();
    void designContentWithoutPages();
    void largePictureFollowsTheShownSize();
};

// Clicks on the arrows, and after each the selector's position, the picture and the text.
void TestInfoView::leafing_data() {
    QTest::addColumn<Files>("files");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QStringList>("shown"); // "position picture text" after start and each click

    QTest::newRow("forward past the last page comes back to the first")
        << ThreePages << QStringList{"Next", "Next", "Next"}
        << QStringList{"1 red Страница ноль", "2 blue Страница ноль", "3 blue Страница семь",
                       "1 red Страница ноль"};
    QTest::newRow("back before the first page goes to the last")
        << ThreePages << QStringList{"Back", "Back"}
        << QStringList{"1 red Страница ноль", "3 red Страница семь", "2 blue Страница семь"};
    QTest::newRow("damaged pictures leave the one shown before")
        << Files{{"Inf0.jpg", "colour:red"},
                 {"Inf1.jpg", "truncated"},
                 {"Inf2.jpg", "random"},
                 {"Inf2.txt", "Два"}}
        << QStringList{"Next", "Next"} << QStringList{"1 red -", "2 red -", "3 red Два"};
}

void TestInfoView::leafing() {
    QFETCH(Files, files);
    QFETCH(QStringList, clicks);
    QFETCH(QStringList, shown);

    writeFiles(dir_->path(), files);
    Rig rig(dir_->path());
    const QString design = InfoView::designDescription().join('\n');
    const auto state = [&] {
        const QString text = rig.text() == design ? QStringLiteral("-") : rig.text();
        return QStringLiteral("%1 %2 %3").arg(rig.position()).arg(rig.picture(), text);
    };
    QStringList seen = {state()};
    for (const QString &arrow : clicks) {
        rig.click(arrow);
        seen << state();
    }
    QCOMPARE(seen, shown);
}

void TestInfoView::pageAfterIdentification_data() {
    QTest::addColumn<AnalyserKind>("kind");
    QTest::addColumn<QString>("text");

    QTest::newRow("two-component: the last page") << AnalyserKind::TwoComponent << "Страница семь";
    QTest::newRow("unknown type: the last page") << AnalyserKind::Unknown << "Страница семь";
    QTest::newRow("four-component: the first page")
        << AnalyserKind::FourComponent << "Страница ноль";
}

void TestInfoView::pageAfterIdentification() {
    QFETCH(AnalyserKind, kind);
    QFETCH(QString, text);

    writeFiles(dir_->path(), ThreePages);
    Rig rig(dir_->path());
    rig.click("Next"); // page 1, position 2
    rig.view->showPageFor(kind);
    QCOMPARE(rig.text(), text);
    QCOMPARE(rig.position(), 2); // the selector has not moved ...
    rig.click("Next");           // ... so the next click goes on from its own position
    QCOMPARE(rig.text(), QStringLiteral("Страница семь"));
    QCOMPARE(rig.position(), 3);
}

void TestInfoView::designContentWithoutPages() {
    Rig rig(dir_->path()); // no Info folder at all
    QCOMPARE(rig.picture(), QStringLiteral("design"));
    QVERIFY(rig.text().size() > 3000);
    QVERIFY(rig.text().contains(QStringLiteral("газоанализатор")));
    for (const char *arrow : {"Next", "Back"}) {
        rig.click(arrow);
        QCOMPARE(rig.position(), 1);
        QCOMPARE(rig.picture(), QStringLiteral("design"));
    }
    QCOMPARE(rig.panels.infoSelector->toolTip(), QStringLiteral("Прокрутка информации."));
}

// A page picture far larger than its place is decoded near the size it is shown at, and
// again larger when its place grows, its colours where they belong each time.
void TestInfoView::largePictureFollowsTheShownSize() {
    QDir(dir_->path()).mkpath("Info");
    QImage halves(1600, 1200, QImage::Format_RGB32);
    halves.fill(Qt::red);
    QPainter(&halves).fillRect(800, 0, 800, 1200, Qt::blue);
    QVERIFY(halves.save(dir_->path() + "/Info/Inf0.jpg", "JPG", 90));

    Rig rig(dir_->path(), QSize(200, 150));
    const auto shown = [&] {
        return QStringLiteral("%1x%2 %3 %4")
            .arg(rig.panels.infoImage->pixmap().width())
            .arg(rig.panels.infoImage->pixmap().height())
            .arg(rig.picture(0.25), rig.picture(0.75));
    };
    QCOMPARE(shown(), QStringLiteral("200x150 red blue")); // an eighth
    QVERIFY(rig.panels.infoImage->isVisible());
    rig.panels.infoImage->resize(500, 300);
    QCOMPARE(shown(), QStringLiteral("800x600 red blue")); // a half covers it
    rig.panels.infoImage->resize(300, 200);
    QCOMPARE(shown(), QStringLiteral("800x600 red blue")); // shrinking keeps what is there
}

QTEST_MAIN(TestInfoView)
#include "test_info_view.moc"
