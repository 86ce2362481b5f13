#include "graph_recorder.h"

#include <algorithm>
#include <cmath>

namespace {

// x to the nearest whole position, halves to even; nothing for a value no chart gives.
std::optional<qint64> nearestPosition(double x) {
    if (!(x > -1e9 && x < 1e9))
        return std::nullopt;
    const double below = std::floor(x);
    const double fraction = x - below;
    qint64 p = qint64(below);
    if (fraction > 0.5 || (fraction == 0.5 && p % 2 != 0))
        ++p;
    return p;
}

} // namespace

GraphRecorder::GraphRecorder(const RecorderSettings &settings, const FullScales &fullScales)
    : settings_(settings), buffer_(fullScales), axis_{0, double(settings.pointsOnScreen)} {}

RecorderControls GraphRecorder::recordingControls() {
    return {.recordButtonVisible = false,
            .stopButtonVisible = true,
            .timerRunning = true,
            .clearMarker = true,
            .setGraphUnsaved = true};
}

RecorderControls GraphRecorder::stoppedControls() {
    return {.recordButtonVisible = true,
            .stopButtonVisible = false,
            .timerRunning = false,
            .clearMarker = true,
            .setGraphUnsaved = false};
}

RecorderControls GraphRecorder::start() {
    recording_ = true;
    return recordingControls();
}

RecorderControls GraphRecorder::stop() {
    recording_ = false;
    return stoppedControls();
}

TickResult GraphRecorder::tick(const ReadingSample &reading, QTime timeOfDay) {
    TickResult result;
    if (!recording_)
        return result;
    const qint32 msecs = timeOfDay.isValid() ? timeOfDay.msecsSinceStartOfDay() : 0;
    if (count() <= settings_.totalPoints) {
        const int position = count();
        buffer_.append(reading, msecs);
        result.sampleTaken = true;
        result.axisMoved = moveAxisFor(position);
    } else if (settings_.fullAction == RecorderSettings::FullAction::Stop) {
        recording_ = false;
        result.finished = true;
    } else {
        result.droppedOldest = scrollFullRecord();
        buffer_.append(reading, msecs);
        result.sampleTaken = true;
    }
    result.timerRunning = recording_;
    return result;
}

// A new sample in the last tenth of the axis width moves the window: by one position in
// one-point mode, by s positions once every s + 1 samples in block mode.
bool GraphRecorder::moveAxisFor(int newPosition) {
    if (!(settings_.pointsOnScreen - settings_.margin() < newPosition))
        return false;
    double step = 0;
    if (settings_.shiftByOnePoint) {
        step = 1;
        sinceShift_ = 0;
    } else if (sinceShift_ == 0 || sinceShift_ > shiftStep()) {
        step = shiftStep();
        sinceShift_ = 0;
    }
    ++sinceShift_;
    axis_.min += step;
    axis_.max += step;
    return step != 0;
}

// A full record (K + 1 samples, or more after loading a long file or lowering K) lets go of
// its oldest samples so that it holds K + 1 - d, d being 1 in one-point mode and s (at least
// 1) in block mode; the newest samples always stay. The axis window stays where it is.
int GraphRecorder::scrollFullRecord() {
    const int step = settings_.shiftByOnePoint ? 1 : std::max(shiftStep(), 1);
    const int keep = std::max(settings_.totalPoints + 1 - step, 0);
    const int drop = std::max(count() - keep, 0);
    buffer_.dropOldest(drop);
    if (!settings_.shiftByOnePoint)
        sinceShift_ = 1;
    return drop;
}

void GraphRecorder::clear(QDate today) {
    buffer_.clear();
    axis_ = {0, double(settings_.pointsOnScreen)};
    graphDate_ = today;
}

void GraphRecorder::load(TimedReadings samples, QDate fileDate, QDate today) {
    clear(today);
    if (fileDate.isValid())
        graphDate_ = fileDate;
    buffer_.loadRecorded(std::move(samples));
}

void GraphRecorder::restore(const GraphJournal::Contents &journal, QDate today) {
    clear(today);
    if (journal.info.date.isValid())
        graphDate_ = journal.info.date;
    GraphJournal::appendTo(buffer_, journal);
}

void GraphRecorder::applyOptions(const RecorderSettings &settings) {
    const bool onePointTurnedOff = settings_.shiftByOnePoint && !settings.shiftByOnePoint;
    settings_ = settings;
    axis_.max = axis_.min + settings_.pointsOnScreen;
    if (onePointTurnedOff)
        sinceShift_ = shiftStep();
}

void GraphRecorder::setFullScales(const FullScales &fullScales) {
    buffer_.setFullScales(fullScales);
}

std::optional<GraphReadOut> GraphRecorder::readOut(double x, const QLocale &locale) const {
    if (recording_)
        return std::nullopt;
    const std::optional<qint64> p = nearestPosition(x);
    if (!p || *p <= 0 || *p >= count())
        return std::nullopt;
    GraphReadOut out;
    out.position = int(*p);
    const ChannelValues values = buffer_.values(out.position);
    for (int c = 0; c < kChannelCount; ++c)
        out.texts[c] = ChannelScale::readOutText(c, buffer_.recordedPerMille(out.position, c),
                                                 values[c], locale);
    return out;
}

QString GraphRecorder::axisLabel(int position) const {
    if (position >= 0 && position < count())
        return buffer_.timeLabel(position);
    if (position == 0)
        return kClearedTimeLabel.toString();
    return {};
}
