#include "options/graph_file_estimate.h"

#include <QtTest>

// Memo9 of the graph page: the largest graph file of a whole recording and its fill time.
class TestGraphFileEstimate : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void memoLines_data() {
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("intervalMs");
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("time");
        // 16 bytes for each of points + 1 samples and the three other records.
        QTest::newRow("2000 points at 300 ms") << 2000 << 300 << "32.064"
                                               << "0 час. 10 мин. 0 сек.";
        QTest::newRow("the smallest") << 50 << 100 << "864"
                                      << "0 час. 0 мин. 5 сек.";
        // 32 766 points fill exactly the 32 768 samples a file can count.
        QTest::newRow("the last size not capped") << 32766 << 1000 << "524.320"
                                                  << "9 час. 6 мин. 6 сек.";
        QTest::newRow("capped at what a file counts") << 32767 << 1000 << "524.336"
                                                      << "9 час. 6 мин. 7 сек.";
        QTest::newRow("the largest") << 100000 << 20000 << "524.336"
                                     << "555 час. 33 мин. 20 сек.";
        QTest::newRow("seconds cut toward zero") << 999 << 1001 << "16.048"
                                                 << "0 час. 16 мин. 39 сек.";
    }
    void memoLines() {
        QFETCH(int, points);
        QFETCH(int, intervalMs);
        QFETCH(QString, size);
        QFETCH(QString, time);
        QCOMPARE(GraphFileEstimate::memoLines(points, intervalMs),
                 (QStringList{"   Max.размер файла (*.dan):  " + size + "  байт",
                              "   Время заполнения:  " + time}));
    }

    void groupedNumber_data() {
        QTest::addColumn<qint64>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("below a thousand") << qint64(999) << "999";
        QTest::newRow("zero") << qint64(0) << "0";
        QTest::newRow("a thousand") << qint64(1000) << "1.000";
        QTest::newRow("zeros inside groups") << qint64(1002003) << "1.002.003";
        QTest::newRow("up to 999999") << qint64(999999) << "999.999";
        QTest::newRow("negative") << qint64(-1500045) << "-1.500.045";
    }
    void groupedNumber() {
        QFETCH(qint64, value);
        QFETCH(QString, text);
        QCOMPARE(GraphFileEstimate::groupedNumber(value), text);
    }
};

QTEST_MAIN(TestGraphFileEstimate)
#include "test_graph_file_estimate.moc"
