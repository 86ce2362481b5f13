#pragma once

#include "graph_captions.h"
#include "graph_panel_controls.h"
#include "journal_writer.h"

#include <QDate>
#include <QObject>

class GraphChart;
class GraphRecorder;
class QTimer;
struct RecorderControls;
struct RunState;
struct Services;

// The graph's recording controller: the recording on TimerGRP with "Запись" and "Останов",
// the channel check boxes, the value boxes (the live values and the cursor read-out), the
// captions and the settings that take effect at once. It is the one writer of the value boxes
// Edit1..Edit6 and the check boxes CheckBox1..CheckBox6.
//
// Recording goes on in every view; the chart is drawn only while it is shown. While the record
// is made, every sample also goes to the graph journal (JournalWriter), so that a crash or a
// power cut does not lose the test.
class GraphRecording : public QObject {
    Q_OBJECT

public:
    // The controls are wired now; timerGRP's timeout runs TimerGRPTimer, a click on the chart
    // reads the record out.
    GraphRecording(RunState &state, const Services &services, QTimer &timerGRP,
                   const GraphPanelControls &controls, GraphRecorder &recorder, GraphChart &chart,
                   JournalWriter &journal, QObject *parent = nullptr);

    // Start-up: the record empty and dated today, the time axis at [0, W], s and m from the
    // settings, SinceShift 0, and the look.
    void applyScaleAtStart();
    // Everything the settings decide, at once, as the options dialog's "OK" needs it: the
    // sampling interval, W (the axis keeps its minimum), P, K, one-point scrolling, the full
    // scales (the chart redraws the record against them), and the look.
    void applySettings();
    // The look: colours, line width, legend titles and visibility, and the shown channels on
    // the chart and in the check boxes.
    void applyLook();

    void TimerGRPTimer();
    void BitBtn7Click(); // "Запись"
    void BitBtn6Click(); // "Останов"; the journal goes to the disk
    // An empty record dated today, the axis at [0, W], then the captions.
    void ClearGraph();
    // Trims NumberText and DetailText and puts the title and footer on the chart.
    void UpdateGraphCaptions();
    // The vehicle data dialog closed: "ОК" dates the graph today; the captions follow.
    void vehicleDataClosed(bool okPressed);
    // Edit1..Edit6; a box already showing its text is left alone. The readings refresh sends
    // the live values here on each of its ticks.
    void showPanelValues(const GraphChannelTexts &texts);

    // Whether the graph view is shown: the recording pair ("Запись", "Останов") lies in the
    // side panel the report view shares, under its record buttons, and is neither visible
    // nor focusable in any other view. Recording itself goes on.
    void showRecordingPair(bool graphViewShown);

    const GraphRecorder &recorder() const { return recorder_; }
    GraphChart &chart() { return chart_; }
    const GraphCaptions &captions() const { return captions_; }
    bool isRecording() const;

private:
    void apply(const RecorderControls &controls);
    void showRecordingButtons();
    void readOutAt(double position);
    void channelToggled(int channel, bool shown);
    void tell(const QString &text);
    QDate today() const;

    RunState &state_;
    const Services &services_;
    QTimer &timer_;
    GraphPanelControls controls_;
    GraphRecorder &recorder_;
    GraphChart &chart_;
    JournalWriter &journal_;
    GraphCaptions captions_;
    bool pairShown_ = true;
    bool recordButtonVisible_ = true;
    bool stopButtonVisible_ = false;
};
