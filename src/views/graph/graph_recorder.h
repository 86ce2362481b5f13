#pragma once

#include "channel_scale.h"
#include "graph_buffer.h"
#include "graph_journal.h"
#include "recorder_settings.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>

#include <optional>
#include <span>
#include <vector>

// The texts the graph view shows on its own.
inline constexpr QStringView kGraphFinishedMessage = u"Запись графика закончена.";
inline constexpr QStringView kClearGraphQuestion =
    u"Вы действительно хотите стереть текущий график ?";
// The time label of position 0 while the record is empty.
inline constexpr QStringView kClearedTimeLabel = u"00:00:00 ";
// The marker is drawn from (p, 0) to (p, kMarkerTop).
inline constexpr int kMarkerTop = 999;

// "Стереть" asks before erasing only a record of two samples or more; with fewer it does
// nothing.
inline bool shouldAskBeforeClear(int count) {
    return count >= 2;
}

// The visible window of the time axis, in positions.
struct AxisWindow {
    double min = 0;
    double max = 0;
    friend bool operator==(const AxisWindow &, const AxisWindow &) = default;
};

// What the view applies when recording starts or stops.
struct RecorderControls {
    bool recordButtonVisible = true; // "Запись" (BitBtn7); the visible button takes the focus
    bool stopButtonVisible = false;  // "Останов" (BitBtn6)
    bool timerRunning = false;       // TimerGRP
    bool clearMarker = true;         // Series8 emptied
    bool setGraphUnsaved = false;    // GraphUnsaved := true
    friend bool operator==(const RecorderControls &, const RecorderControls &) = default;
};

// What one TimerGRP tick did.
struct TickResult {
    bool sampleTaken = false;
    bool axisMoved = false;
    int droppedOldest = 0; // samples a full record let go at its start
    // The record was full with the stop setting: recording has stopped; the view applies
    // GraphRecorder::stoppedControls() and shows kGraphFinishedMessage.
    bool finished = false;
    bool timerRunning = false; // re-arm TimerGRP
};

// The cursor read-out of one sample.
struct GraphReadOut {
    int position = 0;        // where the marker goes
    GraphChannelTexts texts; // Edit1..Edit6, each with one leading space
};

// The graph recorder without its timer and widgets: the record, the time axis window, the
// scrolling rules and the recording state. The view calls tick() from TimerGRP, applies the
// controls that start() and stop() return, and draws buffer() in the axis window. A new
// recorder is stopped, empty, with the axis at [0, W] and no date: start-up calls clear(today).
class GraphRecorder {
public:
    explicit GraphRecorder(const RecorderSettings &settings = {},
                           const FullScales &fullScales = ChannelScale::defaultFullScales());

    const GraphBuffer &buffer() const { return buffer_; }
    int count() const { return buffer_.count(); }
    const RecorderSettings &settings() const { return settings_; }
    int shiftStep() const { return settings_.shiftStep(); }
    int margin() const { return settings_.margin(); }
    AxisWindow axis() const { return axis_; }
    int sinceShift() const { return sinceShift_; }
    bool isRecording() const { return recording_; }
    QDate graphDate() const { return graphDate_; }

    static RecorderControls recordingControls();
    static RecorderControls stoppedControls();
    RecorderControls start(); // "Запись": continues the record as it is
    RecorderControls stop();  // "Останов"

    // One TimerGRP tick with the live readings and the computer's time of day. Does nothing
    // while recording is stopped.
    TickResult tick(const ReadingSample &reading, QTime timeOfDay);
    // A tick that found the readings not current: while recording, the next sample taken
    // follows a gap in the record.
    void markGap() {
        if (recording_)
            buffer_.markGap();
    }

    // ClearGraph: an empty record, the axis at [0, W], the date today. Recording state,
    // SinceShift and GraphUnsaved stay as they are.
    void clear(QDate today);

    // GraphDate set apart from a clear: the vehicle data dialog dates the record today.
    void setGraphDate(QDate date) { graphDate_ = date; }

    // A graph file's contents replace the record: clear(today), then the file's date (when it
    // has one) and its samples, drawn against the full scales in force now and keeping the
    // file's values (saved again, they are the same).
    void load(TimedReadings samples, QDate fileDate, QDate today);
    // A journal's record replaces the record, as a file's would, each sample with the full
    // scales it was taken with; the full scales in force stay.
    void restore(const GraphJournal::Contents &journal, QDate today);

    // An options change, at once: the axis keeps its minimum and max := min + W; s and m
    // follow the new settings; turning one-point scrolling off sets SinceShift := s.
    void applyOptions(const RecorderSettings &settings);
    // New full scales: the chart redraws every sample against them; recorded values stay.
    void setFullScales(const FullScales &fullScales);
    // The user panned the chart.
    void setAxis(AxisWindow window) { axis_ = window; }

    // The cursor read-out for a click at time position x: nothing while recording, at
    // position 0 or left of it, or right of the newest sample.
    std::optional<GraphReadOut> readOut(double x, const QLocale &locale = QLocale()) const;

    // The time axis label of a position: the sample's label, or kClearedTimeLabel at
    // position 0 of an empty record.
    QString axisLabel(int position) const;

private:
    bool moveAxisFor(int newPosition);
    int scrollFullRecord();

    RecorderSettings settings_;
    GraphBuffer buffer_;
    AxisWindow axis_;
    int sinceShift_ = 0;
    bool recording_ = false;
    QDate graphDate_;
};
