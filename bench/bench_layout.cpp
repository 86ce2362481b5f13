#include "view_ids.h"
#include "window_layout.h"

#include <benchmark/benchmark.h>

// One proportional layout pass, as every view switch and every resize runs it: the status
// line and every control of the view, from the client size alone.
static void LayoutPass(benchmark::State &state) {
    WindowLayout::Input input;
    input.clientWidth = 1024;
    input.clientHeight = 700;
    input.currentView = int(state.range(0));
    for (auto _ : state) {
        WindowLayout::Layout layout = WindowLayout::compute(input);
        benchmark::DoNotOptimize(layout);
    }
}
BENCHMARK(LayoutPass)
    ->Arg(ViewId::Readings)
    ->Arg(ViewId::Table)
    ->Arg(ViewId::Report)
    ->Arg(ViewId::Diagram)
    ->Arg(ViewId::Graph);

BENCHMARK_MAIN();
