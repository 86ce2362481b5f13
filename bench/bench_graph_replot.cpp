// How long one redraw of the graph chart takes, with the record holding 1 000 or 100 000
// samples and the time axis showing W = 250 or 2 000 positions, at the default 2-pixel pen.
// Only the visible window is handed to the chart, so the redraw should not grow with the
// record; at W = 2 000 a record of 1 000 samples fills half the window, so it draws half the
// points of a full one.
#include "clock.h"
#include "graph_chart.h"
#include "graph_recorder.h"

#include "paper_plot.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

struct ShownGraph {
    SystemClock clock;
    PaperPlot plot;
    GraphRecorder recorder;
    GraphChart chart{&plot, recorder, clock};

    ShownGraph(int stored, int pointsOnScreen)
        : recorder(RecorderSettings{pointsOnScreen, 25, stored, true,
                                    RecorderSettings::FullAction::Shift}) {
        GraphChart::Look look;
        const QColor colours[] = {Qt::magenta, Qt::yellow, Qt::blue,
                                  Qt::cyan,    Qt::green,  Qt::darkYellow};
        for (int channel = 0; channel < kChannelCount; ++channel) {
            look.channelColours[channel] = colours[channel];
            look.titles[channel] = QStringLiteral("channel %1").arg(channel);
        }
        look.lineWidth = 2; // the default
        chart.setLook(look);
        plot.resize(1000, 600);
        plot.show();
        recorder.start();
        QTime time(8, 0);
        for (int i = 0; i < stored; ++i) {
            const double wave = std::sin(i / 37.0);
            const ReadingSample reading{qint16(300 + 200 * wave),  qint16(2000 + 1500 * wave),
                                        qint16(1400 + 300 * wave), qint16(200 + 150 * wave),
                                        qint16(1000 + 100 * wave), qint16(2500 + 2000 * wave)};
            recorder.tick(reading, time);
            time = time.addSecs(1);
        }
    }
};

void graphRedraw(benchmark::State &state) {
    ShownGraph graph(int(state.range(0)), int(state.range(1)));
    for (auto _ : state) {
        graph.chart.refresh();
        graph.plot.replot(QCustomPlot::rpImmediateRefresh);
    }
}
BENCHMARK(graphRedraw)
    ->ArgNames({"stored", "W"})
    ->Args({1000, 250})
    ->Args({100000, 250})
    ->Args({1000, 2000})
    ->Args({100000, 2000})
    // A record just long enough to fill the W = 2000 window: the same points drawn as with
    // 100 000 stored, so the two should cost the same.
    ->Args({2000, 2000})
    ->Unit(benchmark::kMillisecond);

} // namespace
