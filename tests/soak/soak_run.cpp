#include "soak_run.h"

#include "demonstration_controller.h"
#include "graph_view.h"
#include "report_document.h"
#include "report_wiring.h"
#include "station.h"
#include "test_files.h"
#include "tform1.h"

#include <QtTest>

namespace {

constexpr int kRecoveryTimeoutMs = 60000;
constexpr int kSampleTimeoutMs = 20000;

} // namespace

SoakRun::SoakRun(Station &station, unsigned seed, int minutes, qint64 memoryLimitKb)
    : station_(station), seed_(seed), runMs_(qint64(minutes) * 60000),
      memoryLimitKb_(memoryLimitKb), plan_(seed, runMs_), samples_(station.window()) {}

void SoakRun::fail(const QString &what) {
    const QString line = QStringLiteral("[%1 s] %2").arg(clock_.elapsed() / 1000).arg(what);
    failures_ << line;
    qWarning().noquote() << "FAILED:" << line;
}

int SoakRun::run() {
    clock_.start();
    if (!station_.waitLive(kRecoveryTimeoutMs))
        fail("no readings at start");
    station_.keepRecording();
    samples_.resync();
    while (true) {
        const FaultStep step = plan_.next(clock_.elapsed());
        if (clock_.elapsed() + step.pauseMs >= runMs_)
            break;
        QTest::qWait(step.pauseMs);
        perform(step);
        ++faults_[std::size_t(step.fault)];
    }
    QTest::qWait(int(qMax<qint64>(0, runMs_ - clock_.elapsed())));
    finalChecks();
    printFigures();
    return failures_.isEmpty() ? 0 : 1;
}

void SoakRun::perform(const FaultStep &step) {
    switch (step.fault) {
    case Fault::Silence:
        silence(step.durationMs);
        break;
    case Fault::Garbage:
        garbage(step.garbageBytes);
        break;
    case Fault::PortGone:
        portGone(step.durationMs);
        break;
    case Fault::Demonstration:
        demonstration(step.durationMs);
        break;
    case Fault::Connect:
        station_.click("ToolButton14");
        break;
    case Fault::GraphSaveOpen:
        graphSavedAndOpened();
        break;
    case Fault::ReportSave:
        reportSaved();
        break;
    case Fault::FullDiskSave:
        fullDiskSave();
        break;
    }
    recover(step.fault);
}

void SoakRun::recover(Fault fault) {
    QElapsedTimer since;
    since.start();
    if (!station_.waitLive(kRecoveryTimeoutMs)) {
        fail("no readings " + QString::number(kRecoveryTimeoutMs / 1000) + " s after " +
             faultName(fault));
        station_.click("ToolButton14"); // "Связь", so the run goes on
        station_.waitLive(kRecoveryTimeoutMs);
    }
    longestRecoveryMs_ = qMax(longestRecoveryMs_, since.elapsed());
    station_.keepRecording();
}

bool SoakRun::waitSample(int timeoutMs) {
    const int before = samples_.samples();
    return QTest::qWaitFor([&] { return samples_.samples() > before; }, timeoutMs);
}

void SoakRun::silence(int durationMs) {
    station_.emulator().command("silent on");
    QTest::qWait(durationMs);
    station_.emulator().command("silent off");
}

void SoakRun::garbage(int bytes) {
    station_.emulator().command("garbage " + QString::number(bytes));
}

void SoakRun::portGone(int durationMs) {
    station_.killEmulator();
    QTest::qWait(durationMs);
    if (!station_.restartEmulator())
        fail("the emulator could not be started again");
}

void SoakRun::demonstration(int durationMs) {
    DemonstrationController &demonstration = station_.window().demonstration();
    station_.click("ToolButton5");
    if (!demonstration.isRunning())
        fail("the demonstration did not start");
    QTest::qWait(durationMs);
    station_.click("ToolButton5");
    if (demonstration.isRunning())
        fail("the demonstration did not stop");
    station_.click("ToolButton14");
}

void SoakRun::checkJournal(const char *when) {
    const GraphView &graph = station_.window().graph();
    const QString why =
        WrittenFiles::journalMismatch(graph.journal().path(), graph.recorder().buffer());
    if (!why.isEmpty())
        fail(QStringLiteral("%1: %2").arg(when, why));
}

void SoakRun::graphSavedAndOpened() {
    GraphView &graph = station_.window().graph();
    if (!waitSample(kSampleTimeoutMs))
        fail("no sample before the graph save");
    checkJournal("before the graph save");
    const QString path = station_.folderPath(
        QStringLiteral("Graph/graph_%1.dan").arg(++filesSaved_, 4, 10, QChar('0')));
    station_.dialogs().answers = {path};
    graph.save();
    if (station_.window().state().Flags.GraphUnsaved)
        fail("the graph was not saved to " + path);
    if (QFile::exists(graph.journal().path()))
        fail("the journal stayed after the graph was saved");
    files_.expectGraph(path, graph.recorder().buffer());
    const int saved = graph.recorder().count();

    station_.dialogs().answers = {path};
    graph.document().open();
    if (graph.recorder().count() != saved)
        fail(QStringLiteral("the graph opened with %1 samples, %2 saved")
                 .arg(graph.recorder().count())
                 .arg(saved));
    samples_.resync();
}

bool SoakRun::saveReport(const QString &path) {
    ReportDocument &report = station_.window().report().document();
    station_.dialogs().answers = {path};
    report.save();
    return !report.unsaved();
}

void SoakRun::reportSaved() {
    ReportDocument &report = station_.window().report().document();
    report.record(0); // "Nмин."
    const QString path = station_.folderPath(
        QStringLiteral("Text/report_%1.txt").arg(++filesSaved_, 4, 10, QChar('0')));
    if (!saveReport(path))
        fail("the report was not saved to " + path);
    files_.expectReport(path, report.lines());
}

// One save on a full disk (a file size limit of a few bytes, in force only around the save):
// the failure is told, the file saved before stays whole and no temporary file is left.
void SoakRun::fullDiskSave() {
    ReportDocument &report = station_.window().report().document();
    const QString path = station_.folderPath("Text/full_disk.txt");
    report.record(0);
    if (!saveReport(path))
        fail("the report was not saved before the full disk");
    const QByteArray before = TestFiles::fileBytes(path);
    report.record(0);
    const qsizetype told = station_.prompts().shown.size();
    bool saved = false;
    {
        const TestFiles::FileSizeLimit fullDisk(16);
        saved = saveReport(path);
    }
    if (saved)
        fail("the report save on the full disk was taken as done");
    if (TestFiles::fileBytes(path) != before)
        fail("the report saved before the full disk was not left whole");
    const QStringList messages = station_.prompts().shown.mid(told);
    if (messages.size() != 1 || !messages.first().startsWith("Отчет не сохранен в файл"))
        fail("the full disk was not told: " + messages.join(" | "));
    const QStringList left =
        QDir(station_.folderPath("Text")).entryList(QDir::Files | QDir::Hidden);
    for (const QString &name : left)
        if (name.startsWith('.'))
            fail("a temporary file was left: " + name);
    if (!saveReport(path))
        fail("the report was not saved after the disk had room again");
    files_.expectReport(path, report.lines());
}

void SoakRun::finalChecks() {
    if (!station_.waitLive(90000))
        fail("the program no longer polls at the end");
    else if (!waitSample(kSampleTimeoutMs))
        fail("no sample at the end");
    checkJournal("at the end");
    for (const QString &problem : files_.check())
        fail(problem);
    if (samples_.notCurrentSamples() > 0)
        fail(QStringLiteral("%1 samples recorded while the readings were not current")
                 .arg(samples_.notCurrentSamples()));
    if (samples_.sourcelessSamples() > 0)
        fail(QStringLiteral("%1 samples recorded while neither the link polled nor the "
                            "demonstration ran")
                 .arg(samples_.sourcelessSamples()));
    memoryAtEnd_ = memory_.sampleNow();
    const qint64 growthKb = memoryAtEnd_.peakKb - memoryAtEnd_.peakAtBaselineKb;
    if (memoryLimitKb_ <= 0)
        return;
    if (!memoryAtEnd_.baselineTaken)
        fail("the run was too short for a memory baseline");
    else if (growthKb >= memoryLimitKb_)
        fail(QStringLiteral("peak memory grew by %1 kB after the first minute").arg(growthKb));
}

void SoakRun::printFigures() const {
    QTextStream out(stdout);
    out << "soak: " << runMs_ / 60000 << " min, seed " << seed_ << ", " << clock_.elapsed() / 1000
        << " s\n";
    for (int kind = 0; kind < kFaultKinds; ++kind)
        out << "  fault " << faultName(Fault(kind)) << ": " << faults_[std::size_t(kind)] << "\n";
    out << "  longest wait for the readings after a fault: " << longestRecoveryMs_ << " ms\n";
    out << "  samples recorded: " << samples_.samples() << ", gaps: " << samples_.gaps()
        << ", samples while not current: " << samples_.notCurrentSamples()
        << ", samples while neither polling nor demonstrating: " << samples_.sourcelessSamples()
        << "\n";
    const GraphView &graph = station_.window().graph();
    out << "  record at the end: " << graph.recorder().count() << " samples\n";
    out << "  memory: RSS at 1 min " << memoryAtEnd_.rssAtBaselineKb << " kB (peak "
        << memoryAtEnd_.peakAtBaselineKb << " kB), peak at the end " << memoryAtEnd_.peakKb
        << " kB (+" << memoryAtEnd_.peakKb - memoryAtEnd_.peakAtBaselineKb
        << " kB), RSS at the end " << memoryAtEnd_.rssKb << " kB\n";
    out << "  files written and read back: " << files_.count() << "\n";
    QMap<QString, int> told;
    for (const QString &text : station_.prompts().shown)
        ++told[text];
    for (auto it = told.cbegin(); it != told.cend(); ++it)
        out << "  told " << it.value() << "x: " << QString(it.key()).replace('\n', ' ') << "\n";
    out << (failures_.isEmpty() ? "soak: every check passed\n" : "soak: FAILED\n");
    for (const QString &failure : failures_)
        out << "  " << failure << "\n";
}
