#include "header_normalizer.h"

#include <QRandomGenerator>
#include <QtTest>

namespace {

// "abc...xyzABC...": distinct characters, so a test sees which ones were kept.
QString run(int length) {
    static const QString alphabet =
        QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");
    QString s;
    for (int i = 0; i < length; ++i)
        s += alphabet[i % alphabet.size()];
    return s;
}

bool withinLimits(const QStringList &lines) {
    for (const QString &line : lines)
        if (line.size() > MaxHeaderLineLength)
            return false;
    return HeaderTotal(lines) <= MaxHeaderTotal;
}

// The rule as plainly stated: passes that split a line in place until a pass splits nothing,
// then characters and empty lines removed one at a time from the end; the position is moved
// as the lines move. Slow on big inputs, so the tests compare against it on small ones.
QStringList referenceNormalize(QStringList lines, HeaderPosition &position) {
    for (bool split = true; split;) {
        split = false;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (lines[i].size() <= 21)
                continue;
            const QString rest = lines[i].mid(21, 63);
            lines[i].truncate(21);
            lines.insert(i + 1, rest);
            split = true;
            if (position.line > i) {
                ++position.line;
            } else if (position.line == i && position.column > 21) {
                position = {int(i + 1), std::min(position.column - 21, int(rest.size()))};
            }
        }
    }
    while (HeaderTotal(lines) > 63) {
        if (lines.last().isEmpty())
            lines.removeLast();
        else
            lines.last().chop(1);
    }
    if (lines.isEmpty())
        position = {};
    else if (position.line < 0)
        position = {0, 0};
    else if (position.line >= lines.size())
        position = {int(lines.size() - 1), int(lines.last().size())};
    else
        position.column = std::clamp(position.column, 0, int(lines[position.line].size()));
    return lines;
}

} // namespace

class TestHeaderNormalizer : public QObject {
    Q_OBJECT

private slots:
    void wrapping() {
        const QString line25 = run(25);
        QCOMPARE(NormalizeHeader({line25}), QStringList({line25.left(21), line25.mid(21)}));

        // One 100-character line wraps into four lines of 21 (characters 1 to 84); the size
        // rule then deletes the fourth and shortens the third.
        const QString line100 = run(100);
        QCOMPARE(NormalizeHeader({line100}),
                 QStringList({line100.mid(0, 21), line100.mid(21, 21), line100.mid(42, 18)}));

        // A split line pushes the lines below down, and they are wrapped in turn.
        QCOMPARE(NormalizeHeader({"123456789012345678901XY", "A", "abcdefghijklmnopqrstuvw"}),
                 QStringList({"123456789012345678901", "XY", "A", "abcdefghijklmnopqrstu", "vw"}));
    }

    void sizeRule() {
        const QStringList three21 = {run(21), "ABCDEFGHIJKLMNOPQRSTU", "абвгдеёжзийклмнопрсту"};
        QCOMPARE(HeaderTotal(three21), 66);
        QCOMPARE(NormalizeHeader(three21),
                 QStringList({three21[0], three21[1], "абвгдеёжзийклмнопр"}));

        // T = 22 + 22 + 19 + 1 = 64: the empty last line goes, no character is removed.
        const QStringList emptyLast = {run(21), run(21), run(18), ""};
        QCOMPARE(NormalizeHeader(emptyLast), emptyLast.mid(0, 3));

        // Several empty last lines go one by one; empty lines above them stay.
        QStringList readBack = {"ABC", "DEF"};
        for (int i = 0; i < 58; ++i)
            readBack << QString();
        QCOMPARE(HeaderTotal(readBack), 66);
        const QStringList kept = NormalizeHeader(readBack);
        QCOMPARE(kept.size(), 57);
        QCOMPARE(kept.mid(0, 2), QStringList({"ABC", "DEF"}));
        QCOMPARE(HeaderTotal(kept), 63);
    }

    void cyrillicCountsCharactersNotBytes() {
        // 25 Cyrillic letters are 50 bytes in UTF-8 and 25 characters on the printer.
        const QString line25 = QString(21, QChar(u'Ж')) + QStringLiteral("ЭЮЯЁ");
        QCOMPARE(line25.toUtf8().size(), 50);
        QCOMPARE(NormalizeHeader({line25}),
                 QStringList({QString(21, QChar(u'Ж')), QStringLiteral("ЭЮЯЁ")}));

        const QStringList fits = {QStringLiteral("ГАЗОАНАЛИЗАТОР ВЕЛАНТ"), QStringLiteral("ПУНКТ"),
                                  QStringLiteral("ТЕЛ. 123-45-67")};
        QCOMPARE(NormalizeHeader(fits), fits);
    }

    void textWithinLimitsIsLeftAlone() {
        QCOMPARE(NormalizeHeader({}), QStringList());
        QCOMPARE(NormalizeHeader({""}), QStringList({""}));
        const QStringList exact = {run(21), run(21), run(18)};
        QCOMPARE(HeaderTotal(exact), 63);
        QCOMPARE(NormalizeHeader(exact), exact);
    }

    void resultIsAlwaysWithinLimitsAndStable() {
        QRandomGenerator random(20031);
        for (int round = 0; round < 500; ++round) {
            QStringList lines;
            const int count = random.bounded(0, 8);
            for (int i = 0; i < count; ++i)
                lines << run(random.bounded(0, 85));
            const QStringList once = NormalizeHeader(lines);
            QVERIFY2(withinLimits(once), qPrintable(lines.join('|')));
            QCOMPARE(NormalizeHeader(once), once);
            // Nothing is reordered: the result's text is a prefix of the wrapped input.
            QVERIFY(lines.join(QString()).startsWith(once.join(QString())));
        }
    }

    void sameAsThePlainRule_data() {
        QTest::addColumn<int>("maxLines");
        QTest::addColumn<int>("maxLength");
        QTest::newRow("few lines, any length") << 6 << 200;
        QTest::newRow("many short lines") << 120 << 30;
        QTest::newRow("many empty or tiny lines") << 100 << 2;
    }

    void sameAsThePlainRule() {
        QFETCH(int, maxLines);
        QFETCH(int, maxLength);
        QRandomGenerator random(52033);
        for (int round = 0; round < 400; ++round) {
            QStringList lines;
            const int count = random.bounded(0, maxLines + 1);
            for (int i = 0; i < count; ++i)
                lines << run(random.bounded(0, maxLength + 1));
            const HeaderPosition start{random.bounded(-1, count + 2), random.bounded(-1, 120)};
            HeaderPosition expectedPosition = start;
            HeaderPosition position = start;
            const QStringList expected = referenceNormalize(lines, expectedPosition);
            QCOMPARE(NormalizeHeader(lines, &position), expected);
            QCOMPARE(position, expectedPosition);
        }
    }

    void cursorFollowsTheTypedText() {
        // Typing the 22nd character: the cursor goes with it to the new line.
        HeaderPosition typed{0, 22};
        NormalizeHeader({run(21) + "x", "below"}, &typed);
        QCOMPARE(typed, HeaderPosition({1, 1}));

        // A cursor at or before the split point stays where it was.
        HeaderPosition inside{0, 21};
        NormalizeHeader({run(25)}, &inside);
        QCOMPARE(inside, HeaderPosition({0, 21}));

        // Lines below a split move down by one.
        HeaderPosition below{1, 2};
        NormalizeHeader({run(25), "abc"}, &below);
        QCOMPARE(below, HeaderPosition({2, 2}));

        // A pasted 100-character line with the cursor at its end: the text after the 60th
        // character is gone, so the cursor ends at the end of the last line.
        HeaderPosition pasted{0, 100};
        NormalizeHeader({run(100)}, &pasted);
        QCOMPARE(pasted, HeaderPosition({2, 18}));

        HeaderPosition onDeleted{3, 0};
        NormalizeHeader({run(21), run(21), run(19), ""}, &onDeleted);
        QCOMPARE(onDeleted, HeaderPosition({2, 18}));
    }
};

QTEST_GUILESS_MAIN(TestHeaderNormalizer)
#include "test_header_normalizer.moc"
