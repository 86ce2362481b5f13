#include "graph_journal.h"
#include "graph_recorder.h"
#include "journal_recovery.h"
#include "journal_writer.h"
#include "test_files.h"
#include "test_rows.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(GraphJournal::ReadStatus)
Q_DECLARE_METATYPE(JournalRecovery::Finding)

namespace {

const QDateTime kStart(QDate(2026, 12, 8), QTime(14, 5, 0));
const FullScales kOtherScales = {20, 2000, 15, 21, 12, 9000};

ReadingSample readingAt(int i) {
    return {qint16(100 + i % 900),   qint16(123 + 7 * (i % 50)), 1452, 47,
            qint16(i % 3 ? 998 : 0), qint16(780 + i % 40)};
}

// A record made tick by tick with its journal beside it, as the graph view makes them.
struct Session {
    QString path;
    GraphRecorder recorder;
    JournalWriter writer;
    GraphJournal::RecordInfo info{kStart.date(), QStringLiteral("А123ВС"), QStringLiteral("Лада")};
    QDateTime now = kStart;
    int taken = 0;

    Session(const QString &folder, const RecorderSettings &settings)
        : path(QDir(folder).filePath("journal.jrn")), recorder(settings), writer(path) {
        recorder.clear(kStart.date());
        recorder.start();
    }

    JournalWriter::Outcome tick(int stepMs = 1000) {
        const TickResult result = recorder.tick(readingAt(taken++), now.time());
        const JournalWriter::Outcome outcome =
            writer.sampleTaken(recorder.buffer(), result.droppedOldest, info, now);
        now = now.addMSecs(stepMs);
        return outcome;
    }

    // Each word of the script is a step, "t" a tick, with "*n" repeated n times: "f" other
    // full scales, "v" other vehicle texts and date, "c" "Стереть".
    void run(const QString &script) {
        for (const QString &word : script.split(u' ', Qt::SkipEmptyParts)) {
            const int times = word.contains(u'*') ? word.section(u'*', 1).toInt() : 1;
            for (int i = 0; i < times; ++i) {
                switch (word.at(0).unicode()) {
                case 't':
                    tick();
                    break;
                case 'f':
                    recorder.setFullScales(kOtherScales);
                    writer.infoChanged(recorder.buffer(), info, now);
                    break;
                case 'v':
                    info = {QDate(2026, 12, 9), QStringLiteral("В777ОР 199 длинный номер"),
                            QStringLiteral("Иванов")};
                    writer.infoChanged(recorder.buffer(), info, now);
                    break;
                case 'c':
                    recorder.clear(kStart.date());
                    writer.remove();
                    break;
                }
            }
        }
    }
};

RecorderSettings settingsOf(int totalPoints, bool onePoint) {
    RecorderSettings settings;
    settings.totalPoints = totalPoints;
    settings.shiftByOnePoint = onePoint;
    return settings;
}

// A journal of n samples taken a second apart with the default full scales.
QByteArray journalOf(int n) {
    QTemporaryDir dir;
    Session session(dir.path(), {});
    for (int i = 0; i < n; ++i)
        session.tick();
    session.writer.close();
    return TestFiles::fileBytes(session.path);
}

QByteArray flipped(QByteArray bytes, qsizetype at) {
    bytes[at] = char(bytes[at] ^ 0x40);
    return bytes;
}

qsizetype sampleAt(int i) { // where sample i begins in journalOf()
    return GraphJournal::kHeaderBytes + qsizetype(i) * GraphJournal::kSampleRecordBytes;
}

} // namespace

class TestGraphJournal : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    // A journal read back gives the record as it stood: every sample with its readings, the
    // values it was recorded with, its time and its full scales; the date and vehicle texts.
    void roundTrip_data() {
        QTest::addColumn<int>("totalPoints");
        QTest::addColumn<bool>("onePoint");
        QTest::addColumn<QString>("script");
        QTest::newRow("twenty samples") << 1000 << true << "t*20";
        QTest::newRow("full scales changed mid-record") << 1000 << true << "t*5 f t*5";
        QTest::newRow("full scales changed, no sample since") << 1000 << true << "t*5 f";
        QTest::newRow("vehicle texts and date changed") << 1000 << true << "t*3 v t*3";
        QTest::newRow("one-point scrolling drops the oldest") << 50 << true << "t*80";
        QTest::newRow("block scrolling drops s + 1") << 100 << false << "t*130";
        QTest::newRow("written anew as drops pile up") << 50 << true << "t*3000";
        QTest::newRow("cleared mid-record: afresh") << 1000 << true << "t*10 c t*5";
    }
    void roundTrip() {
        QFETCH(QString, script);
        QTemporaryDir dir;
        Session session(dir.path(), settingsOf(fetch<int>("totalPoints"), fetch<bool>("onePoint")));
        session.run(script);

        // Read while the writer still has it open, as after a kill.
        const GraphJournal::Contents journal = GraphJournal::read(session.path);
        QCOMPARE(journal.status, GraphJournal::ReadStatus::Ok);
        GraphRecorder restored;
        restored.restore(journal, QDate(2030, 1, 1));
        const GraphBuffer &want = session.recorder.buffer();
        const GraphBuffer &got = restored.buffer();
        QCOMPARE(got.count(), want.count());
        for (int i = 0; i < want.count(); ++i) {
            QCOMPARE(got.reading(i), want.reading(i));
            QCOMPARE(got.recorded(i), want.recorded(i));
            QCOMPARE(got.msecsOfDay(i), want.msecsOfDay(i));
            QCOMPARE(got.recordedScales(i), want.recordedScales(i));
        }
        QCOMPARE(restored.graphDate(), session.info.date);
        QCOMPARE(journal.info.numberText, session.info.numberText.left(15));
        QCOMPARE(journal.info.detailText, session.info.detailText);
        // The journal stays near the record's size however long the recording.
        const qint64 bound = GraphJournal::kHeaderBytes +
                             qint64(want.count() + std::max(want.count() / 2, 1024) + 2) *
                                 GraphJournal::kSampleRecordBytes;
        QVERIFY2(QFileInfo(session.path).size() <= bound,
                 qPrintable(QString::number(QFileInfo(session.path).size())));
    }

    // The reader trusts nothing: a cut or damaged record ends the reading with every whole
    // record before it; a damaged beginning gives nothing.
    void damage_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<GraphJournal::ReadStatus>("status");
        QTest::addColumn<int>("samples");
        QTest::addColumn<JournalRecovery::Finding>("finding");
        using S = GraphJournal::ReadStatus;
        using F = JournalRecovery::Finding;
        const QByteArray ten = journalOf(10);
        const QByteArray header = ten.left(GraphJournal::kHeaderBytes);
        QTest::newRow("whole") << ten << S::Ok << 10 << F::Recoverable;
        QTest::newRow("cut by 5 bytes") << ten.chopped(5) << S::Cut << 9 << F::Recoverable;
        QTest::newRow("cut at a record's end")
            << ten.chopped(GraphJournal::kSampleRecordBytes) << S::Ok << 9 << F::Recoverable;
        QTest::newRow("a byte flipped in sample 4")
            << flipped(ten, sampleAt(4) + 3) << S::Cut << 4 << F::Recoverable;
        QTest::newRow("garbage after the last record")
            << ten + QByteArray("\x53garbage", 8) << S::Cut << 10 << F::Recoverable;
        QTest::newRow("a time past midnight")
            << header + GraphJournal::sampleRecord(readingAt(0), 1000) +
                   GraphJournal::sampleRecord(readingAt(1), 86'400'000)
            << S::Cut << 1 << F::Recoverable;
        QTest::newRow("a drop of none")
            << header + GraphJournal::dropRecord(0) << S::Cut << 0 << F::Nothing;
        QTest::newRow("a drop of more than there are")
            << ten + GraphJournal::dropRecord(1'000'000) +
                   GraphJournal::sampleRecord(readingAt(0), 5)
            << S::Ok << 1 << F::Recoverable;
        QTest::newRow("header only") << header << S::Ok << 0 << F::Nothing;
        QTest::newRow("empty file") << QByteArray() << S::Empty << 0 << F::Nothing;
        QTest::newRow("cut inside the header")
            << header.chopped(1) << S::BadHeader << 0 << F::Damaged;
        QTest::newRow("another magic") << flipped(ten, 2) << S::BadHeader << 0 << F::Damaged;
        QTest::newRow("first context damaged")
            << flipped(ten, GraphJournal::kMagicBytes + 9) << S::BadHeader << 0 << F::Damaged;

        QByteArray manySets = ten;
        for (int i = 1; i <= GraphJournal::kMaxScaleSets + 5; ++i)
            manySets += GraphJournal::contextRecord({}, {i, i, i, i, i, i}) +
                        GraphJournal::sampleRecord({}, i);
        QTest::newRow("more sets of full scales than a record has")
            << manySets << S::Cut << 10 + GraphJournal::kMaxScaleSets - 1 << F::Recoverable;
        QByteArray tooLong = header;
        const QByteArray sample = GraphJournal::sampleRecord(readingAt(3), 7);
        for (int i = 0; i < GraphJournal::kMaxRecords + 10; ++i)
            tooLong += sample;
        // The sample journals of the fuzz corpus, made from the layout in docs/JOURNAL.md
        // alone: a context change and a drop; a cut; a damaged first context.
        const auto corpus = [](const char *name) {
            return TestFiles::fileBytes(QFINDTESTDATA(
                QStringLiteral("../../fuzz/corpus/fuzz_graph_journal/") + QLatin1String(name)));
        };
        QTest::newRow("whole.jrn") << corpus("whole.jrn") << S::Ok << 5 << F::Recoverable;
        QTest::newRow("cut.jrn") << corpus("cut.jrn") << S::Cut << 3 << F::Recoverable;
        QTest::newRow("bad-header.jrn")
            << corpus("bad-header.jrn") << S::BadHeader << 0 << F::Damaged;
        QTest::newRow("more records than a journal holds")
            << tooLong << S::Cut << GraphJournal::kMaxRecords - 1 << F::Recoverable;
    }
    void damage() {
        QFETCH(QByteArray, bytes);
        QFETCH(GraphJournal::ReadStatus, status);
        QFETCH(int, samples);
        const GraphJournal::Contents journal = GraphJournal::decode(bytes);
        QCOMPARE(journal.status, status);
        QCOMPARE(int(journal.samples.size()), samples);
        QCOMPARE(JournalRecovery::findingOf(journal), fetch<JournalRecovery::Finding>("finding"));
    }

    // One write call a sample (the first sample writes the journal anew), and the journal is
    // put on the disk with the first sample five seconds or more after the last time, and at
    // "Останов".
    void writesAndSyncs_data() {
        QTest::addColumn<int>("intervalMs");
        QTest::addColumn<int>("samples");
        QTest::addColumn<bool>("stopAtEnd");
        QTest::addColumn<int>("syncs");
        QTest::newRow("1 s for 20 s") << 1000 << 20 << false << 4; // at 0, 5, 10, 15 s
        QTest::newRow("100 ms for 20 s") << 100 << 200 << false << 4;
        QTest::newRow("7 s: every sample") << 7000 << 5 << false << 5;
        QTest::newRow("stopped at 6 s") << 1000 << 7 << true << 3; // 0, 5 s and "Останов"
        QTest::newRow("stopped right after a sync") << 1000 << 6 << true << 2;
    }
    void writesAndSyncs() {
        QFETCH(int, samples);
        QTemporaryDir dir;
        Session session(dir.path(), {});
        for (int i = 0; i < samples; ++i)
            QCOMPARE(session.tick(fetch<int>("intervalMs")), JournalWriter::Outcome::Written);
        if (fetch<bool>("stopAtEnd"))
            session.writer.sync(session.now);
        QCOMPARE(session.writer.counters().rewrites, 1);
        QCOMPARE(session.writer.counters().writeCalls, samples - 1);
        QCOMPARE(session.writer.counters().syncs, fetch<int>("syncs"));
        // Every write reached the system at once: a kill now would lose nothing.
        QCOMPARE(int(GraphJournal::read(session.path).samples.size()), samples);
    }

    // A journal that cannot be written is told once, left with its whole records, tried
    // again five seconds later, and then holds the whole record.
    void failedWriteRetried() {
        if (!TestFiles::kFullDiskPossible)
            QSKIP("no full disk can be made here");
        QTemporaryDir dir;
        Session session(dir.path(), {});
        for (int i = 0; i < 3; ++i)
            session.tick();
        {
            TestFiles::FileSizeLimit full(sampleAt(3) + 5);
            QCOMPARE(session.tick(), JournalWriter::Outcome::FirstFailure);
            QVERIFY(!session.writer.lastError().isEmpty());
            QCOMPARE(session.tick(), JournalWriter::Outcome::Failed);
            QCOMPARE(session.writer.counters().rewrites, 1); // not tried within 5 s
            const GraphJournal::Contents left = GraphJournal::read(session.path);
            QCOMPARE(left.status, GraphJournal::ReadStatus::Cut);
            QCOMPARE(int(left.samples.size()), 3);
        }
        session.now = session.now.addSecs(4);
        QCOMPARE(session.tick(), JournalWriter::Outcome::Written);
        QCOMPARE(session.writer.counters().rewrites, 2);
        const GraphJournal::Contents all = GraphJournal::read(session.path);
        QCOMPARE(all.status, GraphJournal::ReadStatus::Ok);
        QCOMPARE(int(all.samples.size()), 6);
    }
};

QTEST_GUILESS_MAIN(TestGraphJournal)
#include "test_graph_journal.moc"
