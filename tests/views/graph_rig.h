#pragma once

#include "fixed_clock.h"
#include "graph_view.h"
#include "run_state.h"
#include "scripted_file_dialogs.h"
#include "scripted_print_service.h"
#include "scripted_prompts.h"
#include "services.h"
#include "working_folder.h"

#include "paper_plot.h"

#include <QCheckBox>
#include <QDateTime>
#include <QDir>
#include <QLineEdit>
#include <QList>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <memory>

// The graph view on its own, with its controls in a window of 1024 x 768 pixels, scripted
// prompts, file dialogs, clock and printer (printing into "printed.pdf" of the folder), in a
// working folder of its own, started as the main window starts it. record() drives the graph
// as its timer would, one reading a second.
struct GraphRig {
    ScriptedPrompts prompts;
    ScriptedFileDialogs dialogs;
    FixedClock clock;
    ScriptedPrintService printer;
    WorkingFolder folder;
    Services services;
    RunState state;
    // The readings the graph samples; the rig plays their source.
    CurrentReadings readings{.ReadingsCurrent = true}; // live, as a feed delivers them
    QTimer timer;
    QWidget window;
    QCustomPlot *plot = nullptr;
    GraphPanelControls panel;
    std::unique_ptr<GraphView> graph;
    int graphViewRequests = 0; // GraphView::showGraphViewRequested

    enum class Plot { Paper, Plain }; // the program's chart, or QCustomPlot's own
    GraphRig(const QString &dir, const QDateTime &now, QList<UserPrompts::Answer> answers = {},
             Plot kind = Plot::Paper)
        : clock(now), printer(QDir(dir).filePath("printed.pdf")), folder(dir) {
        state.bindReadings(readings);
        folder.createSubfolders();
        prompts.answers = answers;
        services = {&prompts, &clock, &dialogs, &printer, &folder};
        window.resize(1024, 768);
        plot = kind == Plot::Paper ? new PaperPlot(&window) : new QCustomPlot(&window);
        plot->setObjectName("Chart3");
        plot->setGeometry(0, 0, 800, 600);
        panel.record = new QPushButton(QStringLiteral("Запись"), &window);
        panel.stop = new QPushButton(QStringLiteral("Останов"), &window);
        panel.stop->hide();
        for (int channel = 0; channel < kChannelCount; ++channel) {
            panel.channelBoxes[channel] = new QCheckBox(&window);
            panel.channelBoxes[channel]->setChecked(true);
            panel.valueBoxes[channel] = new QLineEdit(&window);
        }
        graph = std::make_unique<GraphView>(state, services, timer,
                                            GraphView::Controls{plot, panel, &window});
        QObject::connect(graph.get(), &GraphView::showGraphViewRequested,
                         [this] { ++graphViewRequests; });
        recording().ClearGraph();
        recording().applyLook();
        recording().applyScaleAtStart();
        graph->recovery().offerRecovery();
        recording().UpdateGraphCaptions();
        window.show();
    }

    GraphRecording &recording() { return graph->recording(); }
    GraphDocument &document() { return graph->document(); }
    const GraphRecorder &recorder() { return recording().recorder(); }
    QString graphFolder() const { return folder.filePath(DataFileNames::GraphFolder); }
    QString inGraph(const QString &name) const { return QDir(graphFolder()).filePath(name); }
    QStringList graphFiles() const {
        return QDir(graphFolder()).entryList(QDir::Files, QDir::Name);
    }

    QStringList valueTexts() const {
        QStringList texts;
        for (QLineEdit *box : panel.valueBoxes)
            texts << box->text();
        return texts;
    }
    // Lays the chart out now, as the screen would at its next drawing.
    void drawChart() {
        recording().chart().refresh();
        plot->replot(QCustomPlot::rpImmediateRefresh);
    }

    // "Запись" when the graph is not recording, then one tick per reading, one second apart.
    void record(const QList<ReadingSample> &readings) {
        if (!recording().isRecording())
            panel.record->click();
        for (const ReadingSample &reading : readings) {
            this->readings.sample = reading;
            recording().TimerGRPTimer();
            clock.time = clock.time.addSecs(1);
        }
    }
};
