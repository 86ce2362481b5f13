#pragma once

#include "graph_chart.h"
#include "graph_document.h"
#include "graph_panel_controls.h"
#include "graph_recorder.h"
#include "graph_recording.h"
#include "graph_recovery.h"
#include "journal_writer.h"

#include <QObject>

class QCustomPlot;
class QTimer;
class QWidget;
struct RunState;
struct Services;

// The graph view, put together: the record (GraphRecorder), its chart (GraphChart) and its
// journal (JournalWriter), shared by the three parts that act on them: the recording
// controller (GraphRecording), the graph's document (GraphDocument) and the recovery at start
// (GraphRecovery). The main window calls the parts and listens to the signals here.
class GraphView : public QObject {
    Q_OBJECT

public:
    // Where the graph's controls are, as the panel builders made them.
    struct Controls {
        QCustomPlot *chart = nullptr;    // Chart3
        GraphPanelControls panel;        // on the side panel Panel15
        QWidget *dialogParent = nullptr; // the window the dialogs belong to
    };

    GraphView(RunState &state, const Services &services, QTimer &timerGRP, const Controls &controls,
              QObject *parent = nullptr);

    GraphRecording &recording() { return recording_; }
    GraphDocument &document() { return document_; }
    GraphRecovery &recovery() { return recovery_; }
    const GraphRecorder &recorder() const { return recorder_; }
    const JournalWriter &journal() const { return journal_; }
    bool isRecording() const { return recorder_.isRecording(); }

    // The handles the end-to-end tests drive the whole program by: "Запись" and "Сохранить".
    void BitBtn7Click() { recording_.BitBtn7Click(); }
    void save() { document_.save(); }

signals:
    // The menu's open, save and print, and a record recovered at start.
    void showGraphViewRequested();
    // "Настроить": the options at "График".
    void graphOptionsRequested();
    // A click on the legend: the options at "Управл.".
    void controlOptionsRequested();
    // A graph file brought its vehicle texts: the report follows.
    void vehicleTextsLoaded();

private:
    GraphRecorder recorder_;
    GraphChart chart_;
    JournalWriter journal_;
    GraphRecording recording_;
    GraphDocument document_;
    GraphRecovery recovery_;
};
