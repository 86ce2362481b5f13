#include "recorder_settings.h"

namespace {
int inRange(qint32 value, int low, int high, int fallback) {
    return value >= low && value <= high ? int(value) : fallback;
}
} // namespace

RecorderSettings RecorderSettings::fromAppSettings(const AppSettings &settings) {
    const RecorderSettings defaults;
    RecorderSettings out;
    out.pointsOnScreen = inRange(settings.PointsOnScreen, 50, 2000, defaults.pointsOnScreen);
    out.shiftPercent = inRange(settings.ShiftPercent, 1, 90, defaults.shiftPercent);
    out.totalPoints = inRange(settings.TotalPoints, 50, 100000, defaults.totalPoints);
    out.shiftByOnePoint = settings.ShiftByOnePoint != 0;
    out.fullAction = settings.GraphFullAction == 1 ? FullAction::Stop : FullAction::Shift;
    return out;
}
