#include "archive_csv.h"
#include "archive_register.h"
#include "fake_test_archive.h"
#include "text_file_1251.h"

#include <QtTest>

// What the archive dialog writes: the CSV a Russian spreadsheet opens and the register's lines
// and PDF; no window is shown.
class TestArchiveFiles : public QObject {
    Q_OBJECT

    static QDateTime at(int day, int hour) {
        return QDateTime(QDate(2026, 12, day), QTime(hour, 5, 7));
    }

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void csvFieldIsQuotedOnlyWhereNeeded_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("cell");
        QTest::newRow("plain") << "А123ВС77"
                               << "А123ВС77";
        QTest::newRow("separator") << "Иванов; Петров"
                                   << "\"Иванов; Петров\"";
        QTest::newRow("quote") << "ООО \"Ромашка\""
                               << "\"ООО \"\"Ромашка\"\"\"";
        QTest::newRow("line end") << "a\r\nb"
                                  << "\"a\r\nb\"";
        QTest::newRow("bare line feed") << "a\nb"
                                        << "\"a\nb\"";
    }
    void csvFieldIsQuotedOnlyWhereNeeded() {
        QFETCH(QString, text);
        QFETCH(QString, cell);
        QCOMPARE(ArchiveCsv::field(text), cell);
    }

    void numbersGetADecimalComma_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("cell");
        QTest::newRow("point") << "1.25"
                               << "1,25";
        QTest::newRow("negative") << "-0.5"
                                  << "-0,5";
        QTest::newRow("already comma") << "1,25"
                                       << "1,25";
        QTest::newRow("whole") << "780"
                               << "780";
        QTest::newRow("not a number") << "А1.2"
                                      << "А1.2";
        QTest::newRow("two points") << "1.2.3"
                                    << "1.2.3";
    }
    void numbersGetADecimalComma() {
        QFETCH(QString, text);
        QFETCH(QString, cell);
        QCOMPARE(ArchiveCsv::decimalComma(text), cell);
    }

    // Read back as a spreadsheet on a Russian Windows reads a double-clicked file: windows-1251
    // without a byte order mark, rows by CR LF, cells by ";".
    void csvReadsBackInWindows1251() {
        ArchiveRecord measured =
            FakeTestArchive::sample("a", at(1, 9), "А123ВС77", "Петров; сын", ArchiveVerdict::Fail,
                                    {"1.25", "120", "14.10", "0.50", "1.012", "780"});
        measured.recordSlots[1] = measured.recordSlots[0];
        measured.recordSlots[1].recorded = true;
        const ArchiveRecord empty = FakeTestArchive::sample("b", at(2, 10), "В456ОР99", "Сидоров",
                                                            ArchiveVerdict::NotJudged);
        const QByteArray bytes = ArchiveCsv::encode({measured, empty});

        QVERIFY(!bytes.startsWith("\xEF\xBB\xBF"));
        QVERIFY(bytes.contains(QByteArray("\xC0"
                                          "123\xC2\xD1"
                                          "77"))); // "А123ВС77" in 1251
        QVERIFY(bytes.endsWith("\r\n"));
        QCOMPARE(bytes.count("\r\n"), bytes.count('\n'));
        const QStringList rows = TextFile1251::decode(bytes).split("\r\n", Qt::SkipEmptyParts);
        // The header, two recorded slots of the first test, one row for the second.
        QCOMPARE(rows.size(), 4);
        const QStringList header = rows[0].split(';');
        QCOMPARE(header.mid(0, 3), (QStringList{"Дата", "Время", "Номер"}));
        QCOMPARE(header.size(), rows[3].split(';').size());
        const QStringList cells = rows[1].split(';');
        QCOMPARE(cells[0], QStringLiteral("01.12.2026"));
        QCOMPARE(cells[2], QStringLiteral("А123ВС77"));
        QVERIFY(rows[1].contains(QStringLiteral("\"Владелец: Петров; сын\"")));
        QVERIFY(rows[1].contains(QStringLiteral(";не соответствует;Nмин;1,25;120;14,10;")));
        QVERIFY(rows[2].contains(QStringLiteral(";Nпов;1,25;")));
        QVERIFY(rows[3].contains(QStringLiteral("В456ОР99")));
    }

    void registerHasOneLineATestOldestFirst() {
        FakeTestArchive archive;
        archive.add(
            FakeTestArchive::sample("new", at(3, 12), "В456ОР99", "", ArchiveVerdict::Pass));
        archive.add(FakeTestArchive::sample("old", at(1, 9), "А123ВС77", "", ArchiveVerdict::Fail));
        const QStringList lines = ArchiveRegister::lines(archive.find({}), "  ПТО N 1  ",
                                                         {QDate(2026, 12, 1), QDate(2026, 12, 9)});
        QCOMPARE(lines.value(0), QStringLiteral("Реестр испытаний с 01.12.2026 по 09.12.2026"));
        QCOMPARE(lines.value(1), QStringLiteral("ПТО N 1"));
        const QStringList tests = lines.filter(QRegularExpression("^\\s*\\d+ "));
        QCOMPARE(tests.size(), 2);
        for (const auto &[line, expected] :
             {std::pair{tests[0], QStringList{"1", "01.12.2026 09:05:07", "А123ВС77", "M1,N1",
                                              "не соответствует"}},
              std::pair{tests[1], QStringList{"2", "03.12.2026 12:05:07", "В456ОР99", "M1,N1",
                                              "соответствует"}}}) {
            qsizetype from = 0;
            for (const QString &part : expected) {
                from = line.indexOf(part, from);
                QVERIFY2(from >= 0, qPrintable(line + " / " + part));
            }
        }
        QCOMPARE(lines.last(), QStringLiteral("Всего испытаний: 2"));
        QVERIFY(ArchiveRegister::pdf(lines).startsWith("%PDF"));
    }
};

QTEST_MAIN(TestArchiveFiles)
#include "test_archive_files.moc"
