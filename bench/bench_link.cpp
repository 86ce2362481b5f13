#include "tvelantar.h"

#include <QtGlobal>

#include <benchmark/benchmark.h>

#include <vector>

// The polling parser and the decode pass: the work of every receive tick and of the end of
// every poll cycle. The line brings at most 9600 / 11 = 872.7 bytes a second (8 data bits,
// no parity, 2 stop bits), so the parser's bytes per second are set against that.

namespace {

// A realistic stream: the answers of one normal poll cycle (word answers and a byte answer),
// repeated, with a stray byte now and then as a noisy line would have.
std::vector<quint8> answerStream(int cycles) {
    const int words[] = {307, 315, 309, 311, 313, 335, 882, 1353};
    std::vector<quint8> bytes;
    for (int cycle = 0; cycle < cycles; ++cycle) {
        for (int address : words) {
            const int value = 100 + cycle % 50;
            bytes.insert(bytes.end(), {quint8(0x98 + (address >> 8)), quint8(address & 0xFF),
                                       quint8(value & 0xFF), quint8(value >> 8)});
        }
        const quint8 h = 0x90, l = 54, d = 0x40;
        bytes.insert(bytes.end(), {h, l, d, quint8(h + l + d)});
        if (cycle % 7 == 0)
            bytes.push_back(0x5A); // noise
    }
    return bytes;
}

} // namespace

static void PollingParser(benchmark::State &state) {
    const std::vector<quint8> stream = answerStream(1000);
    TVelantar analyser;
    for (auto _ : state) {
        analyser.ParsePollingBytes(stream);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(qint64(state.iterations()) * qint64(stream.size()));
    // How many times faster than the line can deliver.
    constexpr double lineBytesPerSecond = 9600.0 / 11.0;
    state.counters["x_line_rate"] = benchmark::Counter(
        double(stream.size()) / lineBytesPerSecond, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(PollingParser);

static void DecodePass(benchmark::State &state) {
    TVelantar analyser;
    analyser.ParsePollingBytes(answerStream(1));
    for (auto _ : state) {
        analyser.Decode();
        benchmark::DoNotOptimize(analyser.co);
    }
}
BENCHMARK(DecodePass);

BENCHMARK_MAIN();
