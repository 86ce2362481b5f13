#include "clock.h"
#include "serial_trace.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <vector>

// The serial trace's cost per block of bytes: one formatted line and one write to the file,
// with the computer's clock, as in the program. A four-byte request takes 4 * 11 / 9600 s
// = 4.6 ms on the line (8 data bits, no parity, 2 stop bits), so a line of the trace must
// cost a small fraction of that for the poll cycle to keep its pace.

namespace {

void traceBlock(benchmark::State &state) {
    QTemporaryDir folder;
    const SystemClock clock;
    SerialTrace trace(folder.filePath("trace.txt"), clock);
    if (!trace.open()) {
        state.SkipWithError("cannot create the trace file");
        return;
    }
    const std::vector<quint8> block(size_t(state.range(0)), 0x99);
    for (auto _ : state)
        trace.record(SerialTrace::Direction::Sent, block.data(), int(block.size()));
    state.SetItemsProcessed(state.iterations());
}

} // namespace

// 4 bytes: a request or a word answer; 64: a receive tick that collected several answers.
BENCHMARK(traceBlock)->Arg(4)->Arg(64)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
