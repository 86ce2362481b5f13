#include "app_settings.h"
#include "calibration_gas_kits.h"
#include "test_files.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

// Kit k, cylinder s, word w holds 1000 k + 100 s + w + 1, negated for kit 3.
CalibrationGasKits numberedKits() {
    CalibrationGasKits kits;
    for (int k = 0; k < 4; ++k)
        for (int s = 0; s < 3; ++s)
            for (int w = 0; w < 8; ++w) {
                const qint16 value = qint16((k == 3 ? -1 : 1) * (1000 * k + 100 * s + w + 1));
                if (w < 3)
                    kits[k].cylinders[s].gas[w] = value;
                else
                    kits[k].cylinders[s].reserved[w - 3] = value;
            }
    return kits;
}

QByteArray numberedBytes() {
    QByteArray bytes;
    for (int k = 0; k < 4; ++k)
        for (int s = 0; s < 3; ++s)
            for (int w = 0; w < 8; ++w) {
                const quint16 value = quint16((k == 3 ? -1 : 1) * (1000 * k + 100 * s + w + 1));
                bytes.append(char(value & 0xFF)).append(char(value >> 8));
            }
    return bytes;
}

QStringList column(const CalibrationGasGrid::ValueTable &table, int kit) {
    QStringList cells;
    for (const auto &row : table)
        cells << row[kit];
    return cells;
}

} // namespace

class TestCalibrationGasKits : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void defaultGrid() {
        using namespace CalibrationGasGrid;
        const ValueTable table = tableFromKits(DefaultCalibrationGasKits());
        const QStringList defaults = {"89",   "299", "499",  "398", "1802",
                                      "1001", "695", "3000", "1507"};
        for (int kit = 0; kit < 4; ++kit)
            QCOMPARE(column(table, kit), defaults);
        QStringList titles;
        for (int row = 0; row < kRowCount; ++row)
            titles << title(row, 0) + u'|' + title(row, 1) + u'|' + title(row, 5);
        QCOMPARE(titles,
                 (QStringList{"|Компл.|    3", "ПГС 1|   CO|", "ПГС 1|   CH|", "ПГС 1|   CO2|",
                              "ПГС 2|   CO|", "ПГС 2|   CH|", "ПГС 2|   CO2|", "ПГС 3|   CO|",
                              "ПГС 3|   CH|", "ПГС 3|   CO2|"}));
        QCOMPARE(rowOf(2, 1), 8);
        QCOMPARE(columnOf(3), 5);
    }

    void cellParsing_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("stored");
        QTest::newRow("integer") << "1802" << 1802;
        QTest::newRow("blanks around") << "  42 " << 42;
        QTest::newRow("lowest") << "-32768" << -32768;
        QTest::newRow("highest") << "32767" << 32767;
        QTest::newRow("40000") << "40000" << 0;
        QTest::newRow("below the range") << "-32769" << 0;
        QTest::newRow("point fraction") << "1.5" << 0;
        QTest::newRow("comma fraction") << "1,5" << 0;
        QTest::newRow("letters") << "abc" << 0;
        QTest::newRow("digits then letters") << "12abc" << 0;
        QTest::newRow("hexadecimal") << "0x10" << 0;
        QTest::newRow("empty") << "" << 0;
    }
    void cellParsing() {
        QFETCH(QString, text);
        QTEST(int(CalibrationGasGrid::parseCell(text)), "stored");
    }

    void fileBytes() {
        QCOMPARE(CalibrationGasFile::encode(numberedKits()), numberedBytes());
        QCOMPARE(numberedBytes().size(), 192);
    }

    void fileDecode_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("kitsFromFile");
        QTest::newRow("empty") << 0 << 0;
        QTest::newRow("96 bytes: kits 0 and 1") << 96 << 2;
        QTest::newRow("part of a third kit") << 140 << 2;
        QTest::newRow("whole") << 192 << 4;
        QTest::newRow("longer") << 300 << 4;
    }
    void fileDecode() {
        QFETCH(int, size);
        QFETCH(int, kitsFromFile);
        const QByteArray bytes = (numberedBytes() + QByteArray(200, '\x55')).left(size);
        const CalibrationGasKits kits = CalibrationGasFile::decode(bytes);
        for (int k = 0; k < 4; ++k)
            QCOMPARE(kits[k], k < kitsFromFile ? numberedKits()[k] : CalibrationGasKit::defaults());
    }

    void fileOnDisk() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QString::fromUtf16(CalibrationGasFile::FileName));
        QCOMPARE(CalibrationGasFile::load(path), DefaultCalibrationGasKits());
        QVERIFY(CalibrationGasFile::save(path, numberedKits()).ok);
        QCOMPARE(CalibrationGasFile::load(path), numberedKits());
        {
            TestFiles::FileSizeLimit full(10);
            QVERIFY(!CalibrationGasFile::save(path, DefaultCalibrationGasKits()).ok);
        }
        QCOMPARE(TestFiles::fileBytes(path), numberedBytes());
    }

    void gridOperations() {
        using namespace CalibrationGasGrid;
        const ValueTable start = tableFromKits(numberedKits());
        ValueTable table = start;
        copyKitToWorking(table, 1); // "0 <-- N" with item "    2 "
        QCOMPARE(column(table, 0), column(start, 2));
        table[0][0] = "7";
        copyWorkingToKit(table, 2); // "0 --> N" with item "    3 "
        QCOMPARE(column(table, 3), column(table, 0));
        const ValueTable before = table;
        copyKitToWorking(table, -1); // no item selected
        copyWorkingToKit(table, 3);
        QCOMPARE(table, before);

        fillWorkingFromAnalyser(table, {1, 2, 3, 4, 5, 6, 7, 8, -9});
        QCOMPARE(column(table, 0), (QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "-9"}));

        CalibrationGasKits kits = numberedKits();
        ChangeFlags flags;
        table[4][1] = "40000";
        acceptTable(table, kits, flags);
        QVERIFY(flags.CalibrationGasChanged);
        QCOMPARE(kits[0].value(2, 2), qint16(-9));
        QCOMPARE(kits[1].value(1, 1), qint16(0));
        QCOMPARE(kits[3].value(0, 0), qint16(7));
        QCOMPARE(kits[1].cylinders[2].reserved, numberedKits()[1].cylinders[2].reserved);

        ChangeFlags untouched;
        CalibrationGasKits same = DefaultCalibrationGasKits();
        acceptTable(tableFromKits(same), same, untouched);
        QVERIFY(untouched.CalibrationGasChanged);
        QCOMPARE(same, DefaultCalibrationGasKits());
    }
};

QTEST_GUILESS_MAIN(TestCalibrationGasKits)
#include "test_calibration_gas_kits.moc"
