#include "graph_recording.h"

#include "clock.h"
#include "graph_chart.h"
#include "graph_messages.h"
#include "graph_record_info.h"
#include "graph_recorder.h"
#include "graph_settings.h"
#include "readings_text.h"
#include "run_state.h"
#include "services.h"
#include "user_prompts.h"
#include "view_ids.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

GraphRecording::GraphRecording(RunState &state, const Services &services, QTimer &timerGRP,
                               const GraphPanelControls &controls, GraphRecorder &recorder,
                               GraphChart &chart, JournalWriter &journal, QObject *parent)
    : QObject(parent), state_(state), services_(services), timer_(timerGRP), controls_(controls),
      recorder_(recorder), chart_(chart), journal_(journal) {
    for (int channel = 0; channel < kChannelCount; ++channel)
        connect(controls_.channelBoxes[channel], &QCheckBox::toggled, this,
                [this, channel](bool shown) { channelToggled(channel, shown); });
    connect(&timer_, &QTimer::timeout, this, &GraphRecording::TimerGRPTimer);
    connect(controls_.record, &QPushButton::clicked, this, &GraphRecording::BitBtn7Click);
    connect(controls_.stop, &QPushButton::clicked, this, &GraphRecording::BitBtn6Click);
    connect(&chart_, &GraphChart::clicked, this, &GraphRecording::readOutAt);
}

// ---- Settings --------------------------------------------------------------------------

void GraphRecording::applyScaleAtStart() {
    recorder_ = GraphRecorder(RecorderSettings::fromAppSettings(state_.Settings),
                              GraphSettings::fullScales(state_.Settings));
    recorder_.clear(today());
    applyLook();
}

void GraphRecording::applySettings() {
    timer_.setInterval(state_.Settings.ViewInterval[2]);
    recorder_.applyOptions(RecorderSettings::fromAppSettings(state_.Settings));
    recorder_.setFullScales(GraphSettings::fullScales(state_.Settings));
    applyLook();
}

void GraphRecording::applyLook() {
    for (int channel = 0; channel < kChannelCount; ++channel)
        controls_.channelBoxes[channel]->setChecked(state_.Settings.ChannelHidden[channel] == 0);
    chart_.setLook(GraphSettings::look(state_.Settings));
}

void GraphRecording::channelToggled(int channel, bool shown) {
    state_.Store.set(&AppSettings::ChannelHidden, channel, shown ? 0 : 1);
    chart_.setChannelVisible(channel, shown);
}

// ---- Recording -------------------------------------------------------------------------

bool GraphRecording::isRecording() const {
    return recorder_.isRecording();
}

void GraphRecording::TimerGRPTimer() {
    timer_.stop();
    // While the link is lost (or nothing has been read yet) the record gets a gap, never the
    // last values again.
    if (!state_.readings().ReadingsCurrent) {
        recorder_.markGap();
        if (recorder_.isRecording())
            timer_.start();
        return;
    }
    const QDateTime now = services_.clock->now();
    const TickResult result = recorder_.tick(state_.readings().sample, now.time());
    if (result.sampleTaken) {
        const JournalWriter::Outcome journal =
            journal_.sampleTaken(recorder_.buffer(), result.droppedOldest,
                                 GraphRecordInfo::journalInfo(recorder_, state_.Vehicle), now);
        if (state_.Settings.CurrentView == ViewId::Graph)
            showPanelValues(graphPanelTexts(state_.readings().sample, QLocale(),
                                            state_.readings().ReadingsCurrent));
        chart_.sampleAdded(timer_.interval());
        GraphMessages::tellJournalOutcome(*services_.prompts, journal_, journal);
    }
    if (result.finished) {
        journal_.sync(now);
        apply(GraphRecorder::stoppedControls());
        tell(kGraphFinishedMessage.toString());
        return;
    }
    if (result.timerRunning)
        timer_.start();
}

void GraphRecording::BitBtn7Click() {
    apply(recorder_.start());
}

void GraphRecording::BitBtn6Click() {
    apply(recorder_.stop());
    journal_.sync(services_.clock->now());
}

void GraphRecording::showRecordingPair(bool graphViewShown) {
    pairShown_ = graphViewShown;
    showRecordingButtons();
}

void GraphRecording::showRecordingButtons() {
    controls_.record->setVisible(pairShown_ && recordButtonVisible_);
    controls_.stop->setVisible(pairShown_ && stopButtonVisible_);
}

void GraphRecording::apply(const RecorderControls &c) {
    recordButtonVisible_ = c.recordButtonVisible;
    stopButtonVisible_ = c.stopButtonVisible;
    showRecordingButtons();
    if (pairShown_)
        (c.recordButtonVisible ? controls_.record : controls_.stop)->setFocus();
    if (c.timerRunning)
        timer_.start();
    else
        timer_.stop();
    if (c.clearMarker)
        chart_.clearMarker();
    if (c.setGraphUnsaved)
        state_.Flags.GraphUnsaved = true;
}

// ---- Value boxes and captions ------------------------------------------------------------

void GraphRecording::showPanelValues(const GraphChannelTexts &texts) {
    for (int channel = 0; channel < kChannelCount; ++channel) {
        QLineEdit *box = controls_.valueBoxes[channel];
        if (box->text() != texts[channel])
            box->setText(texts[channel]);
    }
}

void GraphRecording::readOutAt(double position) {
    const std::optional<GraphReadOut> out = recorder_.readOut(position);
    if (!out)
        return;
    showPanelValues(out->texts);
    chart_.showMarker(out->position);
}

void GraphRecording::ClearGraph() {
    recorder_.clear(today());
    UpdateGraphCaptions();
}

void GraphRecording::UpdateGraphCaptions() {
    VehicleData &vehicle = state_.Vehicle;
    vehicle.NumberText = GraphCaptionText::trimmedVehicleText(vehicle.NumberText);
    vehicle.DetailText = GraphCaptionText::trimmedVehicleText(vehicle.DetailText);
    captions_ =
        GraphCaptionText::captions({vehicle.StationName, vehicle.NumberText, vehicle.DetailLabel,
                                    vehicle.DetailText, recorder_.graphDate()});
    chart_.setCaptions(captions_);
    // The date, the vehicle texts or the full scales may have changed.
    GraphMessages::tellJournalOutcome(
        *services_.prompts, journal_,
        journal_.infoChanged(recorder_.buffer(),
                             GraphRecordInfo::journalInfo(recorder_, state_.Vehicle),
                             services_.clock->now()));
}

void GraphRecording::vehicleDataClosed(bool okPressed) {
    if (okPressed)
        recorder_.setGraphDate(today());
    UpdateGraphCaptions();
}

void GraphRecording::tell(const QString &text) {
    services_.prompts->message(text);
}

QDate GraphRecording::today() const {
    return services_.clock->now().date();
}
