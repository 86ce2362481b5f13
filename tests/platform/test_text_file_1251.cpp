#include "text_file_1251.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "test_files.h"

using namespace TestFiles;

class TestTextFile1251 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
    void codePage();
    void charactersOutsideTheCodePageBecomeQuestionMarks();
    void lineSplitting_data();
    void lineSplitting();
    void readLinesFromFile();
    void readFailures();
    void firstLine();
    void firstLineBeyondOneReadChunk();
    void readsStopAtTheByteLimit_data();
    void readsStopAtTheByteLimit();
    void writeEndsEveryLineWithCrLf();
    void writeWithoutLastLineEnd();
    void failedWriteLeavesOldFileWhole();
    void writeIntoMissingFolderFails();
};

void TestTextFile1251::codePage() {
    const QString text = QStringLiteral("Привет Ёё №€«»");
    const QByteArray bytes = QByteArray::fromHex("cff0e8e2e5f220a8b820b988abbb");
    QCOMPARE(TextFile1251::encode(text), bytes);
    QCOMPARE(TextFile1251::decode(bytes), text);

    // Every byte decodes to one character and encodes back to itself.
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString decoded = TextFile1251::decode(all);
    QCOMPARE(decoded.size(), 256);
    QCOMPARE(TextFile1251::encode(decoded), all);
}

void TestTextFile1251::charactersOutsideTheCodePageBecomeQuestionMarks() {
    // A character outside the BMP is one '?', not two; a genuine control character stays.
    QCOMPARE(TextFile1251::encode(QStringLiteral("А✓б😀в\x1a")),
             QByteArray::fromHex("c03fe13fe21a"));
    QCOMPARE(TextFile1251::encode(QStringLiteral("日本")), QByteArray("??"));
}

void TestTextFile1251::lineSplitting_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("crlf") << "a\r\nb\r\n" << QStringList{"a", "b"};
    QTest::newRow("no last end") << "a\r\nb" << QStringList{"a", "b"};
    QTest::newRow("bare lf") << "a\nb\n" << QStringList{"a", "b"};
    QTest::newRow("bare cr") << "a\rb" << QStringList{"a", "b"};
    QTest::newRow("mixed") << "a\r\nb\nc\r\r\nd" << QStringList{"a", "b", "c", "", "d"};
    QTest::newRow("empty lines kept") << "\r\n\r\nx\r\n" << QStringList{"", "", "x"};
    QTest::newRow("lf cr is two ends") << "a\n\rb" << QStringList{"a", "", "b"};
    QTest::newRow("empty") << "" << QStringList{};
    QTest::newRow("one end") << "\r\n" << QStringList{""};
}

void TestTextFile1251::lineSplitting() {
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(TextFile1251::splitLines(text), lines);
}

void TestTextFile1251::readLinesFromFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath("doc.txt");

    QVERIFY(putBytes(path, QByteArray::fromHex("cff0e8e2e5f20d0a0d0a4f4b0a6c617374")));
    const auto read = TextFile1251::readLines(path);
    QVERIFY(read.ok);
    QCOMPARE(read.lines, (QStringList{"Привет", "", "OK", "last"}));
    // Only the first bytes asked for: the lines they hold, the last one cut.
    QCOMPARE(TextFile1251::readLines(path, 11).lines, (QStringList{"Привет", "", "O"}));

    QVERIFY(putBytes(path, QByteArray()));
    const auto empty = TextFile1251::readLines(path);
    QVERIFY(empty.ok);
    QVERIFY(empty.lines.isEmpty());
}

void TestTextFile1251::readFailures() {
    QTemporaryDir dir;
    QVERIFY(!TextFile1251::readLines(dir.filePath("missing.txt")).ok);
    QVERIFY(!TextFile1251::readFirstLine(dir.filePath("missing.txt")).ok);
    QVERIFY(QDir(dir.path()).mkdir("folder"));
    QVERIFY(!TextFile1251::readLines(dir.filePath("folder")).ok);
    QVERIFY(!TextFile1251::readFirstLine(dir.filePath("folder")).ok);
}

void TestTextFile1251::firstLine() {
    QTemporaryDir dir;
    const QString path = dir.filePath("one.txt");

    QVERIFY(putBytes(path, "\xd1\xf2\xe0\xed\xf6\xe8\xff\r\nsecond\r\n"));
    auto first = TextFile1251::readFirstLine(path);
    QVERIFY(first.ok);
    QCOMPARE(first.line, QStringLiteral("Станция"));

    QVERIFY(putBytes(path, "lf only\nsecond"));
    QCOMPARE(TextFile1251::readFirstLine(path).line, QStringLiteral("lf only"));

    QVERIFY(putBytes(path, "no end"));
    QCOMPARE(TextFile1251::readFirstLine(path).line, QStringLiteral("no end"));

    QVERIFY(putBytes(path, "\r\nsecond"));
    first = TextFile1251::readFirstLine(path);
    QVERIFY(first.ok);
    QCOMPARE(first.line, QString());

    QVERIFY(putBytes(path, QByteArray()));
    first = TextFile1251::readFirstLine(path);
    QVERIFY(first.ok);
    QCOMPARE(first.line, QString());
}

void TestTextFile1251::firstLineBeyondOneReadChunk() {
    QTemporaryDir dir;
    const QString path = dir.filePath("long.txt");

    // A line end that falls in a later read than the line's start, and one split by a read.
    const QByteArray longLine(10000, '\xc6'); // Ж
    QVERIFY(putBytes(path, longLine + "\r\nnext"));
    QCOMPARE(TextFile1251::readFirstLine(path).line, QString(10000, u'Ж'));

    const QByteArray upToBoundary(4095, 'x');
    QVERIFY(putBytes(path, upToBoundary + "\r\nnext"));
    QCOMPARE(TextFile1251::readFirstLine(path).line, QString(4095, u'x'));

    QVERIFY(putBytes(path, longLine));
    QCOMPARE(TextFile1251::readFirstLine(path).line.size(), 10000);
}

void TestTextFile1251::readsStopAtTheByteLimit_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint64>("maxBytes");
    QTest::addColumn<QString>("firstLine");
    QTest::addColumn<QStringList>("lines");
    const QByteArray huge(4 * 1024 * 1024, 'x');
    QTest::newRow("no line end") << huge << qint64(64) << QString(64, u'x')
                                 << QStringList{QString(64, u'x')};
    QTest::newRow("limit beyond one read")
        << huge << qint64(5000) << QString(5000, u'x') << QStringList{QString(5000, u'x')};
    QTest::newRow("line end before the limit")
        << QByteArray("\xc6\xc6\r\nsecond") << qint64(64) << QStringLiteral("ЖЖ")
        << QStringList{QStringLiteral("ЖЖ"), "second"};
    QTest::newRow("line end right after the limit")
        << QByteArray(64, 'x') + "\r\nsecond" << qint64(64) << QString(64, u'x')
        << QStringList{QString(64, u'x')};
    QTest::newRow("limit between CR and LF")
        << QByteArray("ab\r\ncd") << qint64(3) << "ab" << QStringList{"ab"};
    QTest::newRow("limit inside the second line")
        << QByteArray("ab\r\ncdef") << qint64(6) << "ab" << QStringList{"ab", "cd"};
    QTest::newRow("zero") << QByteArray("abc") << qint64(0) << QString() << QStringList();
    QTest::newRow("no limit") << QByteArray("ab\ncd") << TextFile1251::kWholeFile << "ab"
                              << QStringList{"ab", "cd"};
}

// Over a buffer, so the test sees how far each read went.
void TestTextFile1251::readsStopAtTheByteLimit() {
    QFETCH(QByteArray, bytes);
    QFETCH(qint64, maxBytes);
    QFETCH(QString, firstLine);
    QFETCH(QStringList, lines);
    const qint64 readable = maxBytes < 0 ? bytes.size() : maxBytes;

    QBuffer buffer(&bytes);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    const TextFile1251::FirstLineResult first = TextFile1251::readFirstLine(buffer, maxBytes);
    QVERIFY(first.ok);
    QCOMPARE(first.line, firstLine);
    QVERIFY(buffer.pos() <= readable);

    QVERIFY(buffer.seek(0));
    const TextFile1251::ReadResult all = TextFile1251::readLines(buffer, maxBytes);
    QVERIFY(all.ok);
    QCOMPARE(all.lines, lines);
    QCOMPARE(buffer.pos(), qMin<qint64>(readable, bytes.size()));
}

void TestTextFile1251::writeEndsEveryLineWithCrLf() {
    QTemporaryDir dir;
    const QString path = dir.filePath("out.txt");

    QVERIFY(TextFile1251::writeLines(path, {"Ёж", "", "✓"}));
    QCOMPARE(fileBytes(path), QByteArray::fromHex("a8e60d0a0d0a3f0d0a"));
    QCOMPARE(TextFile1251::readLines(path).lines, (QStringList{"Ёж", "", "?"}));

    // Writing replaces the whole old content.
    QVERIFY(TextFile1251::writeLines(path, {"a"}));
    QCOMPARE(fileBytes(path), QByteArray("a\r\n"));

    QVERIFY(TextFile1251::writeLines(path, {}));
    QCOMPARE(fileBytes(path), QByteArray());
}

void TestTextFile1251::writeWithoutLastLineEnd() {
    QTemporaryDir dir;
    const QString path = dir.filePath("out.txt");
    QVERIFY(TextFile1251::writeLines(path, {"a", "b"}, TextFile1251::LastLineEnd::Unterminated));
    QCOMPARE(fileBytes(path), QByteArray("a\r\nb"));
}

void TestTextFile1251::failedWriteLeavesOldFileWhole() {
    if (!kFullDiskPossible)
        QSKIP("no full disk can be made here");
    QTemporaryDir dir;
    const QString path = dir.filePath("old.txt");
    const QByteArray old = "old content\r\n";
    QVERIFY(putBytes(path, old));

    const QStringList many(100, QStringLiteral("a line long enough to exceed the limit"));
    bool written = true;
    {
        FileSizeLimit limit(16);
        written = TextFile1251::writeLines(path, many);
    }
    QVERIFY(!written);
    QCOMPARE(fileBytes(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"old.txt"});
}

void TestTextFile1251::writeIntoMissingFolderFails() {
    QTemporaryDir dir;
    QVERIFY(!TextFile1251::writeLines(dir.filePath("no/such/folder/x.txt"), {"a"}));
    QVERIFY(QDir(dir.path()).mkdir("folder"));
    QVERIFY(!TextFile1251::writeLines(dir.filePath("folder"), {"a"}));
    QVERIFY(QFileInfo(dir.filePath("folder")).isDir());
}

QTEST_GUILESS_MAIN(TestTextFile1251)
#include "test_text_file_1251.moc"
