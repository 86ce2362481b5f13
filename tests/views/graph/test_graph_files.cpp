#include "graph_captions.h"
#include "graph_file.h"
#include "graph_recorder.h"
#include "graph_text_export.h"
#include "test_files.h"
#include "test_rows.h"
#include "text_file_1251.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <algorithm>

namespace {

// What a test row expects of a text the load did not reach.
const QString NotRead = QStringLiteral("(not read)");

qint16 int16At(const QByteArray &bytes, int offset) {
    return qFromLittleEndian<qint16>(bytes.constData() + offset);
}

// Sample i holds CO = i, CH 123 ppm (kept as 120 at the default 5000 ppm), lambda 0 in
// sample 1, and a time with milliseconds, which the file drops.
GraphBuffer sampleGraph(int n) {
    GraphBuffer buffer;
    for (int i = 0; i < n; ++i)
        buffer.append({qint16(i % 30000), 123, 1420, 55, qint16(i == 1 ? 0 : 1003), 820},
                      QTime(14, 5, 9).addSecs(i).msecsSinceStartOfDay() + 250);
    return buffer;
}

const GraphFile::Header kHeader{QDate(2024, 12, 7), "123", " Иванов  "};

QByteArray patched(QByteArray bytes, int offset, const QByteArray &with) {
    return bytes.replace(offset, with.size(), with);
}

// A device that cannot tell its size, as a pipe.
class Pipe : public QIODevice {
public:
    explicit Pipe(const QByteArray &bytes) : bytes_(bytes) { open(QIODevice::ReadOnly); }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *data, qint64 size) override {
        const qint64 n = std::min<qint64>(size, bytes_.size() - at_);
        std::copy_n(bytes_.constData() + at_, n, data);
        at_ += n;
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray bytes_;
    qint64 at_ = 0;
};

} // namespace

Q_DECLARE_METATYPE(ReadingSample)

class TestGraphFiles : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void roundTrip_data() {
        QTest::addColumn<int>("samples");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("detail");
        QTest::newRow("empty graph: 48 bytes, count -1") << 0 << ""
                                                         << "Лада";
        QTest::newRow("three samples, texts trimmed") << 3 << "  А123ВС "
                                                      << "Иванов  ";
        QTest::newRow("15-character number") << 2 << "А123ВС777RUS-01"
                                             << "";
    }
    void roundTrip() {
        QFETCH(int, samples);
        QFETCH(QString, number);
        const GraphBuffer graph = sampleGraph(samples);
        const GraphFile::Header header{QDate(2024, 12, 7), number, fetch<QString>("detail")};
        QBuffer device;
        device.open(QIODevice::WriteOnly);
        const GraphFile::WriteResult written = GraphFile::write(device, graph, header);
        QVERIFY(written.ok && !written.cut && written.samplesWritten == samples);
        const QByteArray bytes = device.data();
        QCOMPARE(bytes.size(), 16 * (samples + 3));
        QCOMPARE(int16At(bytes, 0), qint16(samples - 1));
        QCOMPARE(bytes.mid(2, 14), QByteArray(8, '\0') + "\xe8\x07\x0c\x07" + QByteArray(2, '\0'));
        if (samples > 0)
            QCOMPARE(bytes.mid(16, 16), QByteArray("\x00\x00\x78\x00\x8c\x05\x37\x00"
                                                   "\xea\x03\x34\x03\x0e\x05\x09\x00",
                                                   16));
        QCOMPARE(bytes.mid(16 * (samples + 1), 16),
                 TextFile1251::encode(number.leftJustified(15)) + QByteArray(1, '\0'));

        device.close();
        device.open(QIODevice::ReadOnly);
        const GraphFile::ReadResult read = GraphFile::read(device);
        QCOMPARE(read.status, GraphFile::ReadStatus::Ok);
        QCOMPARE(read.date, header.date);
        QCOMPARE(read.numberText, std::optional(number.trimmed()));
        QCOMPARE(read.detailText, std::optional(header.detailText.trimmed()));
        QCOMPARE(int(read.samples.size()), samples);
        for (int i = 0; i < samples; ++i) {
            QCOMPARE(read.samples[i].reading, graph.recorded(i));
            QCOMPARE(GraphBuffer::timeLabelText(read.samples[i].msecsOfDay), graph.timeLabel(i));
        }
    }

    // A damaged file keeps the samples before the damage and says it is damaged.
    void damagedFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("damaged");
        QTest::addColumn<int>("samples");
        QTest::addColumn<bool>("dateValid");
        QTest::addColumn<QString>("number");
        const QByteArray good = GraphFile::encode(sampleGraph(3), kHeader);
        const QString none = NotRead;
        QTest::newRow("cut mid-record") << good.left(16 * 3 + 7) << true << 2 << true << none;
        QTest::newRow("count beyond the file")
            << patched(good, 0, "\x09") << true << 3 << true << none;
        QTest::newRow("count -2") << patched(good, 0, "\xfe\xff") << true << 0 << true << none;
        QTest::newRow("negative year")
            << patched(good, 10, "\xff\xff") << true << 0 << false << none;
        QTest::newRow("month 13") << patched(good, 12, "\x0d") << true << 0 << false << none;
        QTest::newRow("hour 24 in sample 1")
            << patched(good, 44, "\x18") << true << 1 << true << none;
        QTest::newRow("minute 60 in sample 0")
            << patched(good, 29, "\x3c") << true << 0 << true << none;
        QTest::newRow("empty file") << QByteArray() << true << 0 << false << none;
        QTest::newRow("header only") << good.left(16) << true << 0 << true << none;
        QTest::newRow("extra bytes ignored") << good + "xyz" << false << 3 << true << "123";
        QTest::newRow("text ends at a zero byte")
            << patched(good, 16 * 4 + 2, QByteArray(1, '\0')) << false << 3 << true << "12";
        QTest::newRow("cut in the detail text") << good.chopped(3) << true << 3 << true << "123";
        // The samples are checked in blocks: a bad time deep in a long file.
        const QByteArray long600 = GraphFile::encode(sampleGraph(600), kHeader);
        QTest::newRow("second 60 in sample 300 of 600")
            << patched(long600, 16 * 301 + 14, "\x3c") << true << 300 << true << none;
        QTest::newRow("hour 200 in the last of 600")
            << patched(long600, 16 * 600 + 12, "\xc8") << true << 599 << true << none;
        QTest::newRow("600 samples, cut in the number")
            << long600.left(16 * 601 + 5) << true << 600 << true << none;
    }
    void damagedFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, samples);
        // A file, and a device that cannot tell how much it holds.
        for (const bool sequential : {false, true}) {
            QBuffer file(&bytes);
            file.open(QIODevice::ReadOnly);
            Pipe pipe(bytes);
            const GraphFile::ReadResult read =
                GraphFile::read(sequential ? static_cast<QIODevice &>(pipe) : file);
            QTEST(read.status == GraphFile::ReadStatus::Damaged, "damaged");
            QCOMPARE(int(read.samples.size()), samples);
            QTEST(read.date.isValid(), "dateValid");
            QTEST(read.numberText.value_or(NotRead), "number");
            QCOMPARE(read.detailText.has_value(), read.status == GraphFile::ReadStatus::Ok);
            for (int i = 0; i < samples; ++i)
                QCOMPARE(read.samples[i].reading.co, qint16(i));
        }
    }

    // A file opened and saved again is the same file: the samples keep the values the file
    // gave them, on the per-mille grid of the full scales or not.
    void openedAndSavedAgainIsTheSameFile_data() {
        QTest::addColumn<QList<ReadingSample>>("cycle"); // repeated to the sample count
        QTest::addColumn<int>("samples");
        const QList<ReadingSample> offTheGrid = {{1, 123, 1421, 3, 1234, 2554},
                                                 {-5, 4999, 1, 2099, 0, 32767}};
        QTest::newRow("off the grid") << offTheGrid << 2;
        QTest::newRow("32 768 samples") << offTheGrid << 32768;
        QTest::newRow("on the grid") << QList<ReadingSample>{{100, 120, 1420, 50, 1000, 820}} << 1;
    }
    void openedAndSavedAgainIsTheSameFile() {
        QFETCH(QList<ReadingSample>, cycle);
        QFETCH(int, samples);
        QByteArray file(16 * (samples + 3), '\0');
        qToLittleEndian<qint16>(qint16(samples - 1), file.data());
        file.replace(10, 4, QByteArray("\xe8\x07\x0c\x07"));
        for (int i = 0; i < samples; ++i) {
            char *record = file.data() + 16 * (i + 1);
            const ReadingSample &sample = cycle[i % cycle.size()];
            for (Channel channel : kAllChannels)
                qToLittleEndian<qint16>(sample.value(channel), record + 2 * index(channel));
            record[12] = char(i / 3600 % 24), record[13] = char(i / 60 % 60),
            record[14] = char(i % 60);
        }
        file.replace(16 * (samples + 1), 15, TextFile1251::encode(QString(15, u' ')));
        file.replace(16 * (samples + 2), 15, TextFile1251::encode(QString(15, u' ')));

        const GraphFile::ReadResult read = GraphFile::decode(file);
        QCOMPARE(read.status, GraphFile::ReadStatus::Ok);
        GraphRecorder recorder(RecorderSettings{});
        recorder.load(read.samples, read.date, QDate(2025, 1, 1));
        const QByteArray saved = GraphFile::encode(recorder.buffer(), {read.date, "", ""});
        QCOMPARE(saved.size(), file.size());
        QVERIFY(saved == file);
    }

    // The 16-bit count holds at most 32 768 samples: a longer record gives its newest ones.
    void longRecords_data() {
        QTest::addColumn<int>("samples");
        QTest::addColumn<bool>("cut");
        QTest::newRow("32 768 fit") << 32768 << false;
        QTest::newRow("40 000 give the newest 32 768") << 40000 << true;
    }
    void longRecords() {
        QFETCH(int, samples);
        QTemporaryDir dir;
        const QString path = dir.filePath("long.dan");
        const GraphFile::WriteResult written = GraphFile::save(path, sampleGraph(samples), kHeader);
        QVERIFY(written.ok && written.samplesWritten == 32768);
        QTEST(written.cut, "cut");
        const GraphFile::ReadResult read = GraphFile::open(path);
        QCOMPARE(read.status, GraphFile::ReadStatus::Ok);
        QCOMPARE(int(read.samples.size()), 32768);
        QCOMPARE(read.samples.front().reading.co, qint16(samples - 32768));
        QCOMPARE(read.samples.back().reading.co, qint16((samples - 1) % 30000));
    }

    // A write that fails gives the system's reason.
    void failedWrites_data() {
        QTest::addColumn<bool>("readOnlyFolder");
        QTest::newRow("write-protected folder") << true;
        QTest::newRow("full disk") << false;
    }
    void failedWrites() {
        QFETCH(bool, readOnlyFolder);
        if (readOnlyFolder && !TestFiles::foldersCanBeWriteProtected())
            QSKIP("root writes into a write-protected folder all the same");
        if (!readOnlyFolder && !TestFiles::kFullDiskPossible)
            QSKIP("no full disk can be made here");
        QTemporaryDir dir;
        const QString path = dir.filePath("graph.dan");
        // A writable file in a write-protected folder is written in place, so only a new
        // file fails there; on a full disk the old file must stay whole.
        QVERIFY(readOnlyFolder || TestFiles::putBytes(path, "old"));
        const GraphBuffer graph = sampleGraph(200);
        GraphTextExporter exporter(graph, {});
        const auto all = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
        QFile::setPermissions(dir.path(), readOnlyFolder ? all & ~QFile::WriteOwner : all);
        std::optional<TestFiles::FileSizeLimit> limit;
        if (!readOnlyFolder)
            limit.emplace(100);
        const GraphFile::WriteResult written = GraphFile::save(path, graph, kHeader);
        const GraphExporter::Result exported = exporter.exportTo(dir.filePath("graph.txt"));
        limit.reset();
        QFile::setPermissions(dir.path(), all);
        QVERIFY(!written.ok && !written.error.isEmpty());
        QVERIFY(!exported.ok && !exported.error.isEmpty());
        QCOMPARE(TestFiles::fileBytes(path), readOnlyFolder ? "<unreadable>" : "old");
        const GraphFile::ReadResult missing = GraphFile::open(dir.filePath("missing.dan"));
        QVERIFY(missing.status == GraphFile::ReadStatus::Unreadable && !missing.error.isEmpty());
    }

    void textExport_data() {
        QTest::addColumn<int>("samples");
        QTest::addColumn<QByteArray>("table");
        QTest::newRow("two samples, lambda 0 as 0,000")
            << 2
            << QByteArray("CO\tCH\tCO2\tO2\tlamb\tn\tTime\r\n"
                          "0,00\t120\t14,20\t0,55\t1,002\t820\t14:05:09 \r\n"
                          "0,01\t120\t14,20\t0,55\t0,000\t820\t14:05:10 \r\n");
        QTest::newRow("empty graph") << 0 << QByteArray("CO\tCH\tCO2\tO2\tlamb\tn\tTime\r\n");
    }
    void textExport() {
        const GraphCaptions captions{"СТО:  Тест", "№ авт.:   123"};
        QTemporaryDir dir;
        const QString path = dir.filePath("graph.txt");
        const GraphBuffer graph = sampleGraph(fetch<int>("samples"));
        QVERIFY(GraphTextExporter(graph, captions).exportTo(path).ok);
        QCOMPARE(TestFiles::fileBytes(path), fetch<QByteArray>("table") +
                                                 "\r\n\xb9 \xe0\xe2\xf2.:   123"
                                                 "\r\n\r\n\xd1\xd2\xce:  \xd2\xe5\xf1\xf2\r\n\r\n");
    }

    // Title, footer and the trimming of the vehicle texts that comes before them.
    void captions_data() {
        QTest::addColumn<QStringList>("inputs"); // station, number, label, detail
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("footer");
        const QString f = "ABCDEFGHIJKLMNO";
        QTest::newRow("empty number")
            << QStringList{"ООО Тест", "", "Владелец:", "Иванов"} << "СТО:  ООО Тест"
            << "№ авт.:       Владелец:   Иванов    Дата: 07.12.2024";
        QTest::newRow("15 characters are not cut")
            << QStringList{"", f, f, f} << "СТО:  "
            << "№ авт.:   " + f + "    " + f + "   " + f + "    Дата: 07.12.2024";
        QTest::newRow("longer pieces cut at 25, 44, 62")
            << QStringList{QString(80, 'x'), f + "PQ", f + "PQ", f + "PQ"}
            << "СТО:  " + QString(64, 'x')
            << "№ авт.:   " + f + "    " + f + "   " + f + "    Дата: 07.12.2024";
        QTest::newRow("stored texts trimmed")
            << QStringList{"", "  12  ", "VIN:", " " + f + "P"} << "СТО:  "
            << "№ авт.:   12    VIN:   " + f + "    Дата: 07.12.2024";
    }
    void captions() {
        QFETCH(QStringList, inputs);
        const GraphCaptions c = GraphCaptionText::captions(
            {inputs[0], GraphCaptionText::trimmedVehicleText(inputs[1]), inputs[2],
             GraphCaptionText::trimmedVehicleText(inputs[3]), QDate(2024, 12, 7)});
        QTEST(c.title, "title");
        QTEST(c.footer, "footer");
    }

    void suggestedNames_data() {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("name");
        QTest::newRow("with a number") << "123"
                                       << "123_12-07_14-05";
        QTest::newRow("without a number") << ""
                                          << "12-07_14-05";
        QTest::newRow("15 spaces") << QString(15, ' ') << "12-07_14-05";
        QTest::newRow("123 after a save and an open")
            << GraphFile::decode(GraphFile::encode(GraphBuffer(), kHeader)).numberText.value()
            << "123_12-07_14-05";
        QTest::newRow("characters no file name holds") << "А/1:2*3?\"<>|\\\tB"
                                                       << "А_1_2_3_______B_12-07_14-05";
    }
    void suggestedNames() {
        const QDateTime now(QDate(2024, 12, 7), QTime(14, 5, 59));
        QTEST(GraphCaptionText::suggestedFileName(fetch<QString>("number"), now), "name");
    }
};

QTEST_GUILESS_MAIN(TestGraphFiles)
#include "test_graph_files.moc"
