#include "app_settings.h"
#include "bar_diagram.h"
#include "diagram_refresh.h"
#include "norms_panel.h"
#include "run_state.h"
#include "scripted_prompts.h"
#include "view_panels.h"

#include "qcustomplot.h"

#include <QApplication>
#include <QTimer>

#include <benchmark/benchmark.h>

namespace {

// The diagram view shown at the size of a 1024 x 768 window, in "авто-перекл." with CO over its
// limit on every other tick, so that every tick changes colours and values.
struct ShownDiagrams {
    QWidget root;
    ViewPanels panels = ViewPanels::create(&root);
    RunState state;
    CurrentReadings readings; // in place of the readings source
    QTimer timerDia;
    ScriptedPrompts prompts;
    NormsPanel norms{panels.normsControls, panels.normsGrid, state.Store,
                     state.Flags,          prompts,          &root};
    DiagramRefresh diagrams{timerDia, state, norms, panels.diagramCharts, panels.diagramPanel};

    ShownDiagrams() {
        state.bindReadings(readings);
        state.Store.set(&AppSettings::SpeedMode, 2);
        state.Store.set(&AppSettings::AlarmStyle, 4);
        root.resize(1024, 700);
        panels.diagramPanel->setGeometry(0, 0, 830, 650);
        for (int i = 0; i < 6; ++i)
            panels.diagramCharts[i]->parentWidget()->setGeometry(i * 138 + 1, 1, 137, 550);
        for (QCustomPlot *chart : panels.diagramCharts)
            chart->setGeometry(3, 5, 129, 540);
        diagrams.applyColours(Qt::lightGray);
        norms.startUp();
        panels.diagramPanel->show();
        root.show();
    }

    void tick(int n) {
        readings.sample = {qint16(n % 2 ? 500 : 100), qint16(n % 900),           1400, 50,
                           qint16(990 + n % 20),      qint16(n % 2 ? 2600 : 800)};
        diagrams.TimerDiaTimer();
    }
};

} // namespace

// One TimerDia tick: the automatic switch, the six looks and the chart items; the replot
// itself is queued for the event loop.
static void DiagramTickWithoutReplot(benchmark::State &state) {
    ShownDiagrams view;
    int n = 0;
    for (auto _ : state)
        view.tick(++n);
}
BENCHMARK(DiagramTickWithoutReplot);

// One tick followed by the drawing of all six charts, as the screen sees it.
static void DiagramTickWithReplot(benchmark::State &state) {
    ShownDiagrams view;
    int n = 0;
    for (auto _ : state) {
        view.tick(++n);
        for (QCustomPlot *chart : view.panels.diagramCharts)
            chart->replot(QCustomPlot::rpImmediateRefresh);
    }
}
BENCHMARK(DiagramTickWithReplot)->Unit(benchmark::kMillisecond);
