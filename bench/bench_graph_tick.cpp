// One whole graph tick as the program runs it (TimerGRPTimer): the sample appended to the
// record, its journal record written, the value boxes set and the chart redrawn, on a full
// record of 100 000 samples that scrolls by one point, at the fastest sampling (100 ms) and
// W = 250 or 2 000 positions on screen, the default 2-pixel pen on a chart of 800 x 600.
// The record is filled either at that sampling or a sample a second (a one-second recording
// brought back from its journal, as scripts/measure's worst case has it): then every label of
// the time axis shows a new time at every scroll, where at 100 ms the labels' texts recur.
// The append alone is bench_graph's TickOnFullRecord. Run: build/bench/bench_graph_tick
#include "graph_recorder.h"
#include "graph_rig.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

constexpr int kTotalPoints = 100000;
constexpr int kIntervalMs = 100;

ReadingSample waveAt(int i) {
    const double wave = std::sin(i / 37.0);
    return {qint16(300 + 200 * wave), qint16(2000 + 1500 * wave), qint16(1400 + 300 * wave),
            qint16(200 + 150 * wave), qint16(1000 + 100 * wave),  qint16(2500 + 2000 * wave)};
}

// The rig's timer driven by hand: one reading, one tick, the clock a sampling interval on.
void tick(GraphRig &rig, int i, int advanceMs = kIntervalMs) {
    rig.readings.sample = waveAt(i);
    rig.recording().TimerGRPTimer();
    rig.timer.stop(); // the ticks come from here alone
    rig.clock.time = rig.clock.time.addMSecs(advanceMs);
}

void wholeTick(benchmark::State &state) {
    QTemporaryDir dir;
    GraphRig rig(dir.path(), QDateTime(QDate(2026, 12, 9), QTime(8, 0)));
    rig.state.Store.set(&AppSettings::PointsOnScreen, int(state.range(0)));
    rig.state.Store.set(&AppSettings::TotalPoints, kTotalPoints);
    rig.state.Store.set(&AppSettings::ViewInterval, 2, kIntervalMs);
    rig.recording().applySettings();
    // Filled while hidden, so that only the measured ticks draw.
    rig.window.hide();
    rig.panel.record->click();
    int i = 0;
    for (; i <= kTotalPoints; ++i)
        tick(rig, i, int(state.range(1)));
    rig.window.show();
    QCoreApplication::processEvents();
    int redraws = 0;
    QObject::connect(rig.plot, &QCustomPlot::afterReplot, [&redraws] { ++redraws; });
    for (auto _ : state) {
        tick(rig, i++);
        // A redraw for every tick, as at W = 250, whatever the chart's pace would wait for
        // (at W = 2 000 it draws every third tick in the program), with the window's repaint.
        rig.plot->replot(QCustomPlot::rpImmediateRefresh);
        QCoreApplication::processEvents();
    }
    state.counters["count"] = rig.recorder().count();
    // At least 1: the forced redraw, and now and then the chart's own.
    state.counters["redraws_per_tick"] = double(redraws) / double(state.iterations());
}
// A fixed count: filling the record of 100 000 samples takes longer than the ticks measured.
BENCHMARK(wholeTick)
    ->ArgNames({"W", "filledEveryMs"})
    ->ArgsProduct({{250, 2000}, {kIntervalMs, 1000}})
    ->Iterations(50)
    ->Unit(benchmark::kMillisecond);

} // namespace
