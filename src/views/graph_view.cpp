#include "graph_view.h"

#include "graph_settings.h"
#include "journal_recovery.h"
#include "run_state.h"
#include "services.h"
#include "working_folder.h"

GraphView::GraphView(RunState &state, const Services &services, QTimer &timerGRP,
                     const Controls &controls, QObject *parent)
    : QObject(parent), recorder_(RecorderSettings::fromAppSettings(state.Settings),
                                 GraphSettings::fullScales(state.Settings)),
      chart_(controls.chart, recorder_, *services.clock),
      journal_(services.folder->filePath(JournalRecovery::kJournalName)),
      recording_(state, services, timerGRP, controls.panel, recorder_, chart_, journal_),
      document_(state, services, recording_, recorder_, journal_, controls.dialogParent),
      recovery_(state, services, recorder_, journal_) {
    connect(&document_, &GraphDocument::showGraphViewRequested, this,
            &GraphView::showGraphViewRequested);
    connect(&recovery_, &GraphRecovery::showGraphViewRequested, this,
            &GraphView::showGraphViewRequested);
    connect(&document_, &GraphDocument::graphOptionsRequested, this,
            &GraphView::graphOptionsRequested);
    connect(&document_, &GraphDocument::vehicleTextsLoaded, this, &GraphView::vehicleTextsLoaded);
    connect(&chart_, &GraphChart::legendClicked, this, &GraphView::controlOptionsRequested);
}
