#include "fixed_clock.h"
#include "graph_file.h"
#include "graph_journal.h"
#include "graph_test_window.h"
#include "graph_view.h"
#include "journal_recovery.h"
#include "scripted_prompts.h"
#include "termination_signals.h"
#include "test_files.h"
#include "tform1.h"
#include "view_ids.h"

#include <QPushButton>
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

// The main window started in the given folder with no serial ports.
struct Window : GraphTestWindow {
    using GraphTestWindow::GraphTestWindow;
    using GraphTestWindow::record;

    QString graphFolder() const { return window->workingFolder().filePath(u"\\Graph"); }
    QString inGraph(const QString &name) const { return QDir(graphFolder()).filePath(name); }
    QStringList graphFiles() const {
        return QDir(graphFolder()).entryList(QDir::Files, QDir::Name);
    }
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
    void terminate() {
        window->terminate();
        QTRY_VERIFY_WITH_TIMEOUT(!window->isVisible(), 10000);
    }
};

// What is done to the record after three samples.
const std::map<QString, std::function<void(Window &)>> kActions = {
    {"closed without saving",
     [](Window &w) {
         w.prompts.answers = {UserPrompts::Answer::No};
         QVERIFY(w.window->close());
     }},
    {"ended from outside, unsaved", [](Window &w) { w.terminate(); }},
    {"ended from outside after a save",
     [](Window &w) {
         w.saveAs("g.dan");
         w.terminate();
     }},
    {"ended from outside, saved as recovered",
     [](Window &w) {
         // A file of the same name stays as it is.
         QVERIFY(TestFiles::putBytes(w.inGraph("Восстановлен_2026-05-13_22-00.dan"), "old"));
         QVERIFY(!w.document().saveRecovered(w.graphFolder(), w.clock.now()).isEmpty());
         QCOMPARE(TestFiles::fileBytes(w.inGraph("Восстановлен_2026-05-13_22-00.dan")), "old");
         QVERIFY(!w.window->state().Flags.GraphUnsaved);
         w.terminate();
     }},
};

} // namespace

class TestGraphRecovery : public QObject {
    Q_OBJECT

    QTemporaryDir *dir_ = nullptr;

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        qputenv("VELANTAR_PORTS", "");
    }
    void init() { dir_ = new QTemporaryDir; }
    void cleanup() { delete dir_; }

    // The journal at the window's end: a normal end removes it; an end from outside saves the
    // unsaved graph as a recovered graph file and removes it. (The journal's life while the
    // program runs is tested on the graph view alone, in tests/views.)
    void journalLife_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("files"); // in Graph afterwards
        QTest::newRow("closed without saving") << "closed without saving" << QStringList();
        QTest::newRow("ended from outside, unsaved: saved as recovered")
            << "ended from outside, unsaved" << QStringList{"Восстановлен_2026-05-13_22-00.dan"};
        QTest::newRow("ended from outside after a save")
            << "ended from outside after a save" << QStringList{"g.dan"};
        QTest::newRow("ended from outside, saved as recovered")
            << "ended from outside, saved as recovered"
            << QStringList{"Восстановлен_2026-05-13_22-00.dan",
                           "Восстановлен_2026-05-13_22-00_2.dan"};
    }
    void journalLife() {
        QFETCH(QString, action);
        Window w(dir_->path(), kRecorded);
        w.record(0, 3);
        kActions.at(action)(w);
        QCOMPARE(w.graphFiles(), fetch<QStringList>("files"));
    }

    // A logout or SIGTERM while the start-up question is open: the question ends as if
    // cancelled (the record kept as a graph file), and the window closes without another.
    void endedFromOutsideDuringTheQuestion() {
        {
            Window crashed(dir_->path(), kRecorded);
            crashed.record(0, 5);
        }
        TerminationSignals termination;
        ScriptedPrompts prompts;
        prompts.whileAsking = [&](const QString &) { emit termination.terminationRequested(); };
        FixedClock clock(kRestarted);
        TForm1::Environment environment;
        environment.workingDirectory = dir_->path();
        environment.prompts = &prompts;
        environment.clock = &clock;
        environment.termination = &termination;
        TForm1 window(environment);
        window.show();
        QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), 10000);
        QCOMPARE(prompts.shown.count(JournalRecovery::kQuestion.toString()), 1);
        const QString kept = QDir(dir_->path()).filePath("Graph/Восстановлен_2026-05-14_14-05.dan");
        QCOMPARE(GraphFile::open(kept).samples.size(), size_t(5));
        QVERIFY(!QFile::exists(QDir(dir_->path()).filePath("Graph/" + kJournal)));
    }

    // A journal left by a crash (the window gone without closing) at the next start: the
    // record comes back in the graph view. (Every finding and answer is tested on the graph
    // view alone, in tests/views.)
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
    }
    void recoveryAtStart() {
        QFETCH(QString, damage);
        QFETCH(int, restored);
        QFETCH(QStringList, files);
        QFETCH(QString, told);
        {
            Window crashed(dir_->path(), kRecorded);
            crashed.window->state().Vehicle.NumberText = QStringLiteral("А123ВС");
            crashed.window->state().Vehicle.DetailText = QStringLiteral("Иванов");
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

        Window w(dir_->path(), kRestarted, {fetch<UserPrompts::Answer>("answer")});
        const QString question = JournalRecovery::kQuestion.toString();
        QCOMPARE(w.prompts.shown.contains(question), fetch<bool>("asked"));
        const GraphBuffer &record = w.graph().recorder().buffer();
        QCOMPARE(record.count(), restored);
        for (int i = 0; i < restored; ++i) {
            QCOMPARE(record.reading(i), readingAt(i));
            QCOMPARE(record.timeLabel(i), kRecorded.addSecs(i).time().toString("HH:mm:ss "));
        }
        const RunState &state = w.window->state();
        QCOMPARE(state.Flags.GraphUnsaved, restored > 0);
        if (restored > 0) {
            QCOMPARE(state.Settings.CurrentView, int(ViewId::Graph));
            QCOMPARE(w.graph().recorder().graphDate(), kRecorded.date());
            QCOMPARE(state.Vehicle.NumberText, QStringLiteral("А123ВС"));
            QCOMPARE(state.Vehicle.DetailText, QStringLiteral("Иванов"));
            // The journal is whole again, the cut-off end gone.
            const GraphJournal::Contents journal = GraphJournal::read(journalPath);
            QCOMPARE(journal.status, GraphJournal::ReadStatus::Ok);
            QCOMPARE(int(journal.samples.size()), restored);
        }
        QCOMPARE(w.graphFiles(), files);
        if (fetch<int>("keptSamples") >= 0) {
            const GraphFile::ReadResult kept = GraphFile::open(w.inGraph(files.first()));
            QCOMPARE(kept.status, GraphFile::ReadStatus::Ok);
            QCOMPARE(int(kept.samples.size()), fetch<int>("keptSamples"));
            QCOMPARE(kept.date, kRecorded.date());
            QCOMPARE(kept.numberText, std::optional(QStringLiteral("А123ВС")));
        }
        const QStringList messages = w.prompts.shown.filter(told.isEmpty() ? question : told);
        QCOMPARE(messages.size(), told.isEmpty() ? int(fetch<bool>("asked")) : 1);
    }
};

QTEST_MAIN(TestGraphRecovery)
#include "test_graph_recovery.moc"
