#include "archive_csv.h"
#include "archive_register.h"
#include "fake_test_archive.h"
#include "safe_file.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include <algorithm>

// What the archive dialog writes: the CSV a Russian spreadsheet opens and the register's lines
// and PDF; no window is shown.
class TestArchiveFiles : public QObject {
    Q_OBJECT

    // One cell of a spreadsheet as LibreOffice saved it: its value type and its value (the
    // text for a string).
    struct Cell {
        QString type;
        QString value;
        friend bool operator==(const Cell &, const Cell &) = default;
    };
    using SheetCells = QList<QList<Cell>>;
    friend char *toString(const Cell &cell) {
        return QTest::toString(QString(cell.type + u' ' + cell.value));
    }

    // The rows of the first table of a flat OpenDocument spreadsheet, repeated cells spelled
    // out, empty ones as empty cells.
    static SheetCells readSheet(const QString &path) {
        QFile file(path);
        SheetCells rows;
        if (!file.open(QIODevice::ReadOnly))
            return rows;
        QXmlStreamReader xml(&file);
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement())
                continue;
            if (xml.name() == u"table-row") {
                rows.append(QList<Cell>());
            } else if (xml.name() == u"table-cell" && !rows.isEmpty()) {
                const QXmlStreamAttributes attributes = xml.attributes();
                Cell cell{attributes.value("office:value-type").toString(),
                          attributes.value("office:value").toString()};
                const int repeated =
                    qMax(1, attributes.value("table:number-columns-repeated").toInt());
                QString text;
                while (xml.readNextStartElement())
                    if (xml.name() == u"p")
                        text += xml.readElementText(QXmlStreamReader::IncludeChildElements);
                    else
                        xml.skipCurrentElement();
                if (cell.value.isEmpty())
                    cell.value = text;
                for (int i = 0; i < repeated && i < 64; ++i)
                    rows.last() << cell;
            }
        }
        // Trailing empty rows and cells are the sheet's padding.
        while (!rows.isEmpty() && std::all_of(rows.last().begin(), rows.last().end(),
                                              [](const Cell &c) { return c.type.isEmpty(); }))
            rows.removeLast();
        return rows;
    }

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

    static QList<ArchiveRecord> exportedTests() {
        ArchiveRecord measured =
            FakeTestArchive::sample("a", at(1, 9), "А123ВС77", "Петров; сын", ArchiveVerdict::Fail,
                                    {"1.25", "120", "14.10", "0.50", "1.012", "780"});
        measured.recordSlots[1] = measured.recordSlots[0];
        measured.recordSlots[1].recorded = true;
        const ArchiveRecord empty = FakeTestArchive::sample("b", at(2, 10), "В456ОР99", "Сидоров",
                                                            ArchiveVerdict::NotJudged);
        return {measured, empty};
    }

    // Read back byte by byte: the mark, then UTF-8 rows by CR LF, cells by ";".
    void csvRowsAreOneARecordedSlot() {
        const QByteArray bytes = ArchiveCsv::encode(exportedTests());
        QVERIFY(bytes.startsWith(ArchiveCsv::kByteOrderMark));
        QVERIFY(bytes.endsWith("\r\n"));
        QCOMPARE(bytes.count("\r\n"), bytes.count('\n'));
        const QStringList rows = QString::fromUtf8(bytes.mid(ArchiveCsv::kByteOrderMark.size()))
                                     .split("\r\n", Qt::SkipEmptyParts);
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

    // A real spreadsheet opens the export as the import dialog of a Russian Linux desktop
    // preselects it (";" as separator, Russian number format, the system's UTF-8 unless the
    // file's mark says otherwise): letters, the quoted cell and the decimal comma come out as
    // meant, and a reading is a number, not text.
    void spreadsheetOpensTheExport() {
        const QString office = QStandardPaths::findExecutable(QStringLiteral("libreoffice"));
        if (office.isEmpty())
            QSKIP("libreoffice is not installed (package libreoffice-calc-nogui)");
        QTemporaryDir dir;
        const QString csv = dir.filePath("export.csv");
        QVERIFY(SafeFile::write(csv, ArchiveCsv::encode(exportedTests())).ok);
        QProcess convert;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("LANG", "C.UTF-8");
        environment.insert("LC_ALL", "C.UTF-8");
        convert.setProcessEnvironment(environment);
        convert.start(office, {"--headless", "-env:UserInstallation=file://" + dir.filePath("lo"),
                               "--infilter=Text - txt - csv (StarCalc):59,34,SYSTEM,1,,1049",
                               "--convert-to", "fods", "--outdir", dir.path(), csv});
        QVERIFY(convert.waitForFinished(180000));
        const SheetCells sheet = readSheet(dir.filePath("export.fods"));
        QVERIFY2(sheet.size() == 4,
                 qPrintable("package libreoffice-calc-nogui? " + convert.readAllStandardError()));
        QCOMPARE(sheet[0].mid(0, 4), (QList<Cell>{{"string", "Дата"},
                                                  {"string", "Время"},
                                                  {"string", "Номер"},
                                                  {"string", "Данные ТС"}}));
        QCOMPARE(sheet[1].value(2), (Cell{"string", "А123ВС77"}));
        QCOMPARE(sheet[1].value(3), (Cell{"string", "Владелец: Петров; сын"}));
        const int co = int(sheet[0].indexOf(Cell{"string", "Запись"})) + 1;
        QCOMPARE(sheet[1].value(co - 1), (Cell{"string", "Nмин"}));
        QCOMPARE(sheet[1].value(co), (Cell{"float", "1.25"}));
        QCOMPARE(sheet[1].value(0).type, QStringLiteral("date"));
        QCOMPARE(sheet[3].value(2), (Cell{"string", "В456ОР99"}));
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
             {std::pair{tests[0], QStringList{"1", "01.12.2026 09:05", "А123ВС77", "M1,N1",
                                              "не соответствует"}},
              std::pair{tests[1], QStringList{"2", "03.12.2026 12:05", "В456ОР99", "M1,N1",
                                              "соответствует"}}}) {
            qsizetype from = 0;
            for (const QString &part : expected) {
                from = line.indexOf(part, from);
                QVERIFY2(from >= 0, qPrintable(line + " / " + part));
            }
        }
        // The verdicts stand in one column under the heading.
        const QString heading = lines.value(3);
        QCOMPARE(tests[0].indexOf(QStringLiteral("не соответствует")),
                 heading.indexOf(QStringLiteral("Заключение")));
        QCOMPARE(tests[1].indexOf(QStringLiteral("соответствует")),
                 heading.indexOf(QStringLiteral("Заключение")));
        QCOMPARE(lines.last(), QStringLiteral("Всего испытаний: 2"));
        QVERIFY(ArchiveRegister::pdf(lines).startsWith("%PDF"));
    }
};

QTEST_MAIN(TestArchiveFiles)
#include "test_archive_files.moc"
