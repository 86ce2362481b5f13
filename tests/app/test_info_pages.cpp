#include "info_pages.h"

#include <QSet>
#include <QtTest>

namespace {

// The three-page set: number 0 with a picture and a text, number 4 with a picture only,
// number 7 with a text only.
const QStringList ThreePages = {"Inf0.jpg", "Inf0.txt", "Inf4.bmp", "Inf7.txt"};

QString info(const QString &name) {
    return QStringLiteral("/station/Info/") + name;
}

QString nameOf(const QString &path) {
    return path.isEmpty() ? QStringLiteral("-") : path.section('/', -1);
}

struct Rig {
    QSet<QString> files;
    InfoPages pages{[this](const QString &path) { return files.contains(path); }};

    explicit Rig(const QStringList &names) {
        for (const QString &name : names)
            files.insert(info(name));
        pages.build(QStringLiteral("/station"));
    }
};

} // namespace

class TestInfoPages : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
    void pageList_data();
    void pageList();
    void selector_data();
    void selector();
    void shownFiles_data();
    void shownFiles();
    void pageAfterIdentification_data();
    void pageAfterIdentification();
};

void TestInfoPages::pageList_data() {
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("pages"); // "picture text" of each page

    QTest::newRow("numbers with gaps are packed")
        << ThreePages << QStringList{"Inf0.jpg Inf0.txt", "Inf4.bmp -", "- Inf7.txt"};
    QTest::newRow("jpg before bmp")
        << QStringList{"Inf2.bmp", "Inf2.jpg"} << QStringList{"Inf2.jpg -"};
    QTest::newRow("other names ignored")
        << QStringList{"Inf9.txt", "Inf10.txt", "Inf01.txt", "Inf3.png"}
        << QStringList{"- Inf9.txt"};
    QTest::newRow("no files") << QStringList{} << QStringList{};
}

void TestInfoPages::pageList() {
    QFETCH(QStringList, files);
    QFETCH(QStringList, pages);

    const Rig rig(files);
    QCOMPARE(rig.pages.count(), pages.size());
    QCOMPARE(rig.pages.lastPage(), qMax(0, int(pages.size()) - 1));
    QStringList built;
    for (int i = 0; i < InfoPages::SlotCount; ++i) {
        const InfoPages::Page &page = rig.pages.slot(i);
        if (page != InfoPages::Page{})
            built << nameOf(page.picture) + ' ' + nameOf(page.text);
    }
    QCOMPARE(built, pages);
}

// The selector's position after its own move by one, the position it must show then, and
// the page that becomes current.
void TestInfoPages::selector_data() {
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<int>("moved");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("page");

    QStringList tenPages;
    for (int n = 0; n < 10; ++n)
        tenPages << QString("Inf%1.txt").arg(n);
    QTest::newRow("forward") << ThreePages << 2 << 2 << 1;
    QTest::newRow("forward past the last wraps to the first") << ThreePages << 4 << 1 << 0;
    QTest::newRow("back before the first wraps to the last") << ThreePages << 0 << 3 << 2;
    QTest::newRow("top of the range wraps") << tenPages << 11 << 1 << 0;
    QTest::newRow("no pages, forward") << QStringList{} << 2 << 1 << 0;
    QTest::newRow("no pages, back") << QStringList{} << 0 << 1 << 0;
}

void TestInfoPages::selector() {
    QFETCH(QStringList, files);
    QFETCH(int, moved);
    QFETCH(int, position);
    QFETCH(int, page);

    Rig rig(files);
    QCOMPARE(rig.pages.selectorClicked(moved), position);
    QCOMPARE(rig.pages.currentPage(), page);
}

// What showing a page loads; "-" keeps what the view showed before.
void TestInfoPages::shownFiles_data() {
    QTest::addColumn<int>("moved");
    QTest::addColumn<QString>("removedLater");
    QTest::addColumn<QString>("shown");

    QTest::newRow("first page") << 1 << ""
                                << "Inf0.jpg Inf0.txt";
    QTest::newRow("no text: the text stays") << 2 << ""
                                             << "Inf4.bmp -";
    QTest::newRow("no picture: the picture stays") << 3 << ""
                                                   << "- Inf7.txt";
    QTest::newRow("file removed after start-up") << 2 << "Inf4.bmp"
                                                 << "- -";
}

void TestInfoPages::shownFiles() {
    QFETCH(int, moved);
    QFETCH(QString, removedLater);
    QFETCH(QString, shown);

    Rig rig(ThreePages);
    rig.files.remove(info(removedLater));
    rig.pages.selectorClicked(moved);
    const InfoPages::Page content = rig.pages.currentContent();
    QCOMPARE(nameOf(content.picture) + ' ' + nameOf(content.text), shown);
    QVERIFY(content.picture.isEmpty() || content.picture == info(nameOf(content.picture)));
}

void TestInfoPages::pageAfterIdentification_data() {
    QTest::addColumn<AnalyserKind>("kind");
    QTest::addColumn<int>("page");
    QTest::newRow("four-component") << AnalyserKind::FourComponent << 0;
    QTest::newRow("two-component") << AnalyserKind::TwoComponent << 2;
    QTest::newRow("unknown type") << AnalyserKind::Unknown << 2;
}

void TestInfoPages::pageAfterIdentification() {
    QFETCH(AnalyserKind, kind);
    QFETCH(int, page);

    Rig rig(ThreePages);
    rig.pages.showForAnalyser(kind);
    QCOMPARE(rig.pages.currentPage(), page);
    // The selector still stands at its start: the next forward click shows page 1.
    QCOMPARE(rig.pages.selectorClicked(InfoPages::SelectorStart + 1), 2);
    QCOMPARE(rig.pages.currentPage(), 1);
}

QTEST_GUILESS_MAIN(TestInfoPages)
#include "test_info_pages.moc"
