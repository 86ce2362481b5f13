// The graph journal: what one sample costs while recording (the tick, its record appended,
// and a sync to disk every five seconds of recording), writing the journal anew from the
// largest record, and reading the largest journal back at start-up.
// Run: build/bench/bench_graph_journal
#include "graph_journal.h"
#include "graph_recorder.h"
#include "journal_writer.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

const QDateTime kStart(QDate(2026, 12, 8), QTime(8, 0));
const GraphJournal::RecordInfo kInfo{kStart.date(), "А123ВС77", "Иванов"};

ReadingSample readingOf(int i) {
    return {qint16(i % 2000), qint16(i % 5000), 1420, 55, 1003, qint16(800 + i % 100)};
}

QTemporaryDir &folder() {
    static QTemporaryDir dir;
    return dir;
}

GraphRecorder fullRecorder(int totalPoints) {
    RecorderSettings settings;
    settings.totalPoints = totalPoints;
    GraphRecorder recorder(settings);
    recorder.start();
    for (int i = 0; i <= totalPoints; ++i)
        recorder.tick(readingOf(i), kStart.time());
    return recorder;
}

// Arguments: capacity K, milliseconds between samples (0: no sync after the first).
void BM_JournalSample(benchmark::State &state) {
    GraphRecorder recorder = fullRecorder(int(state.range(0)));
    const QString path = folder().filePath("sample.jrn");
    QFile::remove(path);
    JournalWriter writer(path);
    QDateTime now = kStart;
    int i = 0;
    for (auto _ : state) {
        const TickResult tick = recorder.tick(readingOf(i++), now.time());
        benchmark::DoNotOptimize(
            writer.sampleTaken(recorder.buffer(), tick.droppedOldest, kInfo, now));
        now = now.addMSecs(state.range(1));
    }
    const double samples = double(state.iterations());
    state.counters["writes/sample"] = writer.counters().writeCalls / samples;
    state.counters["syncs/sample"] = writer.counters().syncs / samples;
    state.counters["rewrites"] = writer.counters().rewrites;
}
BENCHMARK(BM_JournalSample)
    ->ArgsProduct({{1000, 100000}, {0, 1000}})
    ->Unit(benchmark::kMicrosecond);

// The journal written anew from a record of 100 001 samples, synced.
void BM_JournalRewrite(benchmark::State &state) {
    const GraphRecorder recorder = fullRecorder(100000);
    JournalWriter writer(folder().filePath("rewrite.jrn"));
    for (auto _ : state)
        benchmark::DoNotOptimize(writer.rewrite(recorder.buffer(), kInfo, kStart));
}
BENCHMARK(BM_JournalRewrite)->Unit(benchmark::kMillisecond);

// About the largest journal the writer keeps (100 001 samples, and 24 990 dropped ones with
// their drop records: 150 000 records), read and
// put into the record.
void BM_JournalReadAndRestore(benchmark::State &state) {
    const QString path = folder().filePath("read.jrn");
    {
        GraphRecorder recorder = fullRecorder(100000);
        JournalWriter writer(path);
        writer.rewrite(recorder.buffer(), kInfo, kStart);
        for (int i = 0; i < 24990; ++i) {
            const TickResult tick = recorder.tick(readingOf(i), kStart.time());
            writer.sampleTaken(recorder.buffer(), tick.droppedOldest, kInfo, kStart);
        }
    }
    for (auto _ : state) {
        const GraphJournal::Contents journal = GraphJournal::read(path);
        GraphRecorder restored;
        restored.restore(journal, kStart.date());
        benchmark::DoNotOptimize(restored.count());
    }
    state.counters["bytes"] = double(QFile(path).size());
}
BENCHMARK(BM_JournalReadAndRestore)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
