#include "graph_file.h"
#include "graph_journal.h"
#include "graph_rig.h"
#include "journal_recovery.h"
#include "test_files.h"

#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <map>

Q_DECLARE_METATYPE(UserPrompts::Answer)

namespace {

// The value of a column of the current test row, inside an expression.
template <typename T> T fetch(const char *column) {
    return *static_cast<T *>(QTest::qData(column, qMetaTypeId<T>()));
}

const QDateTime kRecorded(QDate(2026, 5, 13), QTime(22, 0, 0));
const QDateTime kRestarted(QDate(2026, 5, 14), QTime(14, 5, 9));
const QString kJournal = QStringLiteral("Журнал_записи.jrn");

ReadingSample readingAt(int i) {
    return {qint16(150 + 10 * i), qint16(123 + i), 1452, 47, 998, qint16(785 + i)};
}

struct Rig : GraphRig {
    using GraphRig::GraphRig;
    using GraphRig::record;

    void record(int from, int n) {
        QList<ReadingSample> readings;
        for (int i = from; i < from + n; ++i)
            readings << readingAt(i);
        record(readings);
    }
    void saveAs(const QString &name) {
        dialogs.answers = {inGraph(name)};
        document().save();
    }
};

// What is done to the record after three samples.
const std::map<QString, std::function<void(Rig &)>> kActions = {
    {"recording", [](Rig &) {}},
    {"saved as a graph file", [](Rig &r) { r.saveAs("g.dan"); }},
    {"exported as text", [](Rig &r) { r.saveAs("g.txt"); }},
    {"erased",
     [](Rig &r) {
         r.prompts.answers = {UserPrompts::Answer::Yes};
         r.document().clear();
     }},
    {"saved, recording again",
     [](Rig &r) {
         r.saveAs("g.dan");
         r.record(3, 1);
     }},
    {"saved, recording again, file opened",
     [](Rig &r) {
         r.saveAs("g.dan");
         r.record(3, 1);
         r.prompts.answers = {UserPrompts::Answer::No}; // the unsaved graph
         r.dialogs.answers = {r.inGraph("g.dan")};
         r.document().open();
     }},
    {"ended after the user was asked", [](Rig &r) { r.document().closeJournalAtExit(true); }},
    {"ended from outside, unsaved", [](Rig &r) { r.document().closeJournalAtExit(false); }},
    {"ended from outside after a save",
     [](Rig &r) {
         r.saveAs("g.dan");
         r.document().closeJournalAtExit(false);
     }},
    {"saved as recovered",
     [](Rig &r) {
         // A file of the same name stays as it is.
         QVERIFY(TestFiles::putBytes(r.inGraph("Восстановлен_2026-05-13_22-00.dan"), "old"));
         QVERIFY(!r.document().saveRecovered(r.graphFolder(), r.clock.now()).isEmpty());
         QCOMPARE(TestFiles::fileBytes(r.inGraph("Восстановлен_2026-05-13_22-00.dan")), "old");
         QVERIFY(!r.state.Flags.GraphUnsaved);
     }},
};

} // namespace

// The graph journal's life and the recovery at start, on the graph view alone.
class TestGraphRecoveryAtStart : public QObject {
    Q_OBJECT

    QTemporaryDir *dir_ = nullptr;

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
    void init() { dir_ = new QTemporaryDir; }
    void cleanup() { delete dir_; }

    // The journal lives while the record is only in memory: saving it as a graph file,
    // erasing it, opening a file and an end after the user was asked remove it; an end from
    // outside keeps it when the graph is unsaved; recording again writes the whole record anew.
    void journalLife_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("files"); // in Graph afterwards
        QTest::addColumn<int>("journalSamples");
        const QStringList journal{kJournal};
        QTest::newRow("recording") << "recording" << journal << 3;
        QTest::newRow("saved as a graph file")
            << "saved as a graph file" << QStringList{"g.dan"} << -1;
        QTest::newRow("exported as text: a text cannot be opened")
            << "exported as text" << QStringList{"g.txt", kJournal} << 3;
        QTest::newRow("erased") << "erased" << QStringList() << -1;
        QTest::newRow("saved, recording again: the whole record")
            << "saved, recording again" << QStringList{"g.dan", kJournal} << 4;
        QTest::newRow("a file opened")
            << "saved, recording again, file opened" << QStringList{"g.dan"} << -1;
        QTest::newRow("ended after the user was asked")
            << "ended after the user was asked" << QStringList() << -1;
        QTest::newRow("ended from outside, unsaved: kept for the next start")
            << "ended from outside, unsaved" << journal << 3;
        QTest::newRow("ended from outside after a save")
            << "ended from outside after a save" << QStringList{"g.dan"} << -1;
        QTest::newRow("saved as recovered, never over a file")
            << "saved as recovered"
            << QStringList{"Восстановлен_2026-05-13_22-00.dan",
                           "Восстановлен_2026-05-13_22-00_2.dan"}
            << -1;
    }
    void journalLife() {
        QFETCH(QString, action);
        QFETCH(int, journalSamples);
        Rig rig(dir_->path(), kRecorded);
        rig.record(0, 3);
        kActions.at(action)(rig);
        QCOMPARE(rig.graphFiles(), fetch<QStringList>("files"));
        if (journalSamples >= 0) {
            const GraphJournal::Contents journal = GraphJournal::read(rig.inGraph(kJournal));
            QCOMPARE(journal.status, GraphJournal::ReadStatus::Ok);
            QCOMPARE(int(journal.samples.size()), journalSamples);
        }
    }

    // A journal left by a crash (the graph gone without its end) at the next start.
    void recoveryAtStart_data() {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<UserPrompts::Answer>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<int>("restored");      // samples in the graph after start-up
        QTest::addColumn<QStringList>("files"); // in Graph after start-up
        QTest::addColumn<int>("keptSamples");   // in the first file, when it is a graph file
        QTest::addColumn<QString>("told");      // the file a message names
        using A = UserPrompts::Answer;
        const QString kept = QStringLiteral("Восстановлен_2026-05-14_14-05.dan");
        const QString keptJournal = QStringLiteral("Журнал_записи_2026-05-14_14-05.jrn");
        QTest::newRow("yes") << "" << A::Yes << true << 5 << QStringList{kJournal} << -1 << "";
        QTest::newRow("yes, journal cut by 5 bytes")
            << "cut" << A::Yes << true << 4 << QStringList{kJournal} << -1 << "";
        QTest::newRow("no: kept as a graph file")
            << "" << A::No << true << 0 << QStringList{kept} << 5 << kept;
        QTest::newRow("no, journal cut by 5 bytes")
            << "cut" << A::No << true << 0 << QStringList{kept} << 4 << kept;
        QTest::newRow("box closed: as no")
            << "" << A::Cancel << true << 0 << QStringList{kept} << 5 << kept;
        QTest::newRow("damaged beginning: kept aside, told")
            << "header" << A::Yes << false << 0 << QStringList{keptJournal} << -1 << keptJournal;
        QTest::newRow("empty journal: removed")
            << "empty" << A::Yes << false << 0 << QStringList() << -1 << "";
    }
    void recoveryAtStart() {
        QFETCH(QString, damage);
        QFETCH(int, restored);
        QFETCH(QStringList, files);
        QFETCH(QString, told);
        {
            Rig crashed(dir_->path(), kRecorded);
            crashed.state.Vehicle.NumberText = QStringLiteral("А123ВС");
            crashed.state.Vehicle.DetailText = QStringLiteral("Иванов");
            crashed.record(0, 5);
        }
        const QString journalPath = QDir(dir_->path()).filePath("Graph/" + kJournal);
        QByteArray bytes = TestFiles::fileBytes(journalPath);
        if (damage == "cut")
            bytes.chop(5);
        else if (damage == "header")
            bytes[1] = 'X';
        else if (damage == "empty")
            bytes.clear();
        QVERIFY(TestFiles::putBytes(journalPath, bytes));

        Rig rig(dir_->path(), kRestarted, {fetch<UserPrompts::Answer>("answer")});
        const QString question = JournalRecovery::kQuestion.toString();
        QCOMPARE(rig.prompts.shown.contains(question), fetch<bool>("asked"));
        const GraphBuffer &record = rig.recorder().buffer();
        QCOMPARE(record.count(), restored);
        for (int i = 0; i < restored; ++i) {
            QCOMPARE(record.reading(i), readingAt(i));
            QCOMPARE(record.timeLabel(i), kRecorded.addSecs(i).time().toString("HH:mm:ss "));
        }
        QCOMPARE(rig.state.Flags.GraphUnsaved, restored > 0);
        QCOMPARE(rig.graphViewRequests, int(restored > 0));
        if (restored > 0) {
            QCOMPARE(rig.recorder().graphDate(), kRecorded.date());
            QCOMPARE(rig.state.Vehicle.NumberText, QStringLiteral("А123ВС"));
            QCOMPARE(rig.state.Vehicle.DetailText, QStringLiteral("Иванов"));
            // The journal is whole again, the cut-off end gone.
            const GraphJournal::Contents journal = GraphJournal::read(journalPath);
            QCOMPARE(journal.status, GraphJournal::ReadStatus::Ok);
            QCOMPARE(int(journal.samples.size()), restored);
        }
        QCOMPARE(rig.graphFiles(), files);
        if (fetch<int>("keptSamples") >= 0) {
            const GraphFile::ReadResult kept = GraphFile::open(rig.inGraph(files.first()));
            QCOMPARE(kept.status, GraphFile::ReadStatus::Ok);
            QCOMPARE(int(kept.samples.size()), fetch<int>("keptSamples"));
            QCOMPARE(kept.date, kRecorded.date());
            QCOMPARE(kept.numberText, std::optional(QStringLiteral("А123ВС")));
        }
        const QStringList messages = rig.prompts.shown.filter(told.isEmpty() ? question : told);
        QCOMPARE(messages.size(), told.isEmpty() ? int(fetch<bool>("asked")) : 1);
    }
};

QTEST_MAIN(TestGraphRecoveryAtStart)
#include "test_graph_recovery_at_start.moc"
