// The graph recorder's tick on a full record, and the graph file against plain file I/O of
// the same bytes. Run: build/bench/bench_graph
#include "graph_file.h"
#include "graph_recorder.h"
#include "safe_file.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kFileSamples = 32768;

ReadingSample readingOf(int i) {
    return {qint16(i % 2000), qint16(i % 5000), 1420, 55, 1003, qint16(800 + i % 100)};
}

QTime timeOf(int i) {
    return QTime(0, 0).addSecs(i % 86400);
}

GraphBuffer fileGraph() {
    GraphBuffer buffer;
    for (int i = 0; i < kFileSamples; ++i)
        buffer.append(readingOf(i), timeOf(i).msecsSinceStartOfDay());
    return buffer;
}

const GraphFile::Header kHeader{QDate(2024, 12, 7), "А123ВС77", "Иванов"};

QTemporaryDir &folder() {
    static QTemporaryDir dir;
    return dir;
}

// Arguments: capacity K, one-point (1) or block (0) scrolling.
void BM_TickOnFullRecord(benchmark::State &state) {
    RecorderSettings settings;
    settings.totalPoints = int(state.range(0));
    settings.shiftByOnePoint = state.range(1) != 0;
    GraphRecorder recorder(settings);
    recorder.start();
    int i = 0;
    for (; i <= settings.totalPoints; ++i)
        recorder.tick(readingOf(i), timeOf(i));
    for (auto _ : state) {
        benchmark::DoNotOptimize(recorder.tick(readingOf(i), timeOf(i)));
        ++i;
    }
    state.counters["count"] = recorder.count();
}
BENCHMARK(BM_TickOnFullRecord)->ArgsProduct({{1000, 100000}, {1, 0}});

void BM_GraphFileSave(benchmark::State &state) {
    const GraphBuffer graph = fileGraph();
    const QString path = folder().filePath("graph.dan");
    for (auto _ : state)
        benchmark::DoNotOptimize(GraphFile::save(path, graph, kHeader).ok);
}
BENCHMARK(BM_GraphFileSave)->Unit(benchmark::kMicrosecond);

void BM_PlainSafeWrite(benchmark::State &state) {
    const QByteArray bytes = GraphFile::encode(fileGraph(), kHeader);
    const QString path = folder().filePath("plain-safe.dan");
    for (auto _ : state)
        benchmark::DoNotOptimize(SafeFile::write(path, bytes).ok);
}
BENCHMARK(BM_PlainSafeWrite)->Unit(benchmark::kMicrosecond);

void BM_PlainFileWrite(benchmark::State &state) {
    const QByteArray bytes = GraphFile::encode(fileGraph(), kHeader);
    const QString path = folder().filePath("plain.dan");
    for (auto _ : state) {
        QFile file(path);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        benchmark::DoNotOptimize(file.write(bytes));
    }
}
BENCHMARK(BM_PlainFileWrite)->Unit(benchmark::kMicrosecond);

void BM_GraphFileOpen(benchmark::State &state) {
    const QString path = folder().filePath("open.dan");
    GraphFile::save(path, fileGraph(), kHeader);
    for (auto _ : state) {
        const GraphFile::ReadResult read = GraphFile::open(path);
        benchmark::DoNotOptimize(read.samples.data());
    }
}
BENCHMARK(BM_GraphFileOpen)->Unit(benchmark::kMicrosecond);

// The decoding alone, from bytes already in memory.
void BM_GraphFileDecode(benchmark::State &state) {
    const QByteArray bytes = GraphFile::encode(fileGraph(), kHeader);
    for (auto _ : state) {
        const GraphFile::ReadResult read = GraphFile::decode(bytes);
        benchmark::DoNotOptimize(read.samples.data());
    }
}
BENCHMARK(BM_GraphFileDecode)->Unit(benchmark::kMicrosecond);

// Opening as the program does: the file, then the samples into the record.
void BM_GraphFileOpenAndLoad(benchmark::State &state) {
    const QString path = folder().filePath("open.dan");
    GraphFile::save(path, fileGraph(), kHeader);
    GraphRecorder recorder;
    for (auto _ : state) {
        GraphFile::ReadResult read = GraphFile::open(path);
        recorder.load(std::move(read.samples), read.date, QDate(2024, 1, 1));
        benchmark::DoNotOptimize(recorder.count());
    }
}
BENCHMARK(BM_GraphFileOpenAndLoad)->Unit(benchmark::kMicrosecond);

void BM_PlainFileRead(benchmark::State &state) {
    const QString path = folder().filePath("open.dan");
    GraphFile::save(path, fileGraph(), kHeader);
    for (auto _ : state) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(file.readAll());
    }
}
BENCHMARK(BM_PlainFileRead)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
