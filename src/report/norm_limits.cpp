#include "norm_limits.h"

#include "norm_grid.h"

#include <initializer_list>
#include <utility>

SpeedMode SpeedModeFrom(int speedModeSetting) {
    switch (speedModeSetting) {
    case int(SpeedMode::Elevated):
        return SpeedMode::Elevated;
    case int(SpeedMode::Auto):
        return SpeedMode::Auto;
    default:
        return SpeedMode::Minimal;
    }
}

bool ElevatedActiveFor(SpeedMode mode) {
    return mode == SpeedMode::Elevated;
}

bool AutoSwitchSpeedMode(const NormSet &limits, int rpm, bool elevatedActive) {
    const int d = (int(limits.ElevatedRpmMin) - int(limits.IdleRpmMax)) / 4;
    if (rpm > limits.ElevatedRpmMin - d && !elevatedActive)
        elevatedActive = true;
    if (rpm < limits.IdleRpmMax + d && elevatedActive)
        elevatedActive = false;
    return elevatedActive;
}

SpeedIndicator ShowSpeedIndicator(bool elevatedActive) {
    constexpr qint32 yellow = 0x00FFFF;
    constexpr qint32 lime = 0x00FF00;
    if (elevatedActive)
        return {QStringLiteral(" ПОВ"), yellow};
    return {QStringLiteral(" МИН"), lime};
}

bool LambdaWindowValid(const NormSet &limits) {
    const auto valid = [](int bound) {
        return bound > 0 && bound < displayMaximum(Channel::Lambda);
    };
    return valid(limits.LambdaMin) && valid(limits.LambdaMax) &&
           limits.LambdaMax > limits.LambdaMin;
}

namespace {

bool limitApplies(qint32 limit, Channel channel) {
    return limit > 0 && limit < displayMaximum(channel);
}

// One chart's marks: the blank first label point, then one label point per column, and the
// same limits on the bar series when the condition holds.
ChartNormMarks chartMarks(int blanks, bool condition,
                          std::initializer_list<std::pair<int, int>> columnValues,
                          const QLocale &locale) {
    ChartNormMarks marks;
    marks.labelPoints.append({0, QString(blanks, u' ')});
    if (!condition)
        return marks;
    for (const auto &[column, value] : columnValues) {
        const Channel channel = ChannelOfColumn(column);
        const double scale = readingsPerUnit(channel);
        marks.labelPoints.append({value / scale, NormValueText(column, value, locale)});
        marks.barValues.append(value / scale);
    }
    return marks;
}

} // namespace

PublishedLimits PublishLimits(const NormSet &limits, bool elevatedActive, const QLocale &locale) {
    PublishedLimits published;
    published.CoLimitInForce = elevatedActive ? limits.CoElevated : limits.CoIdle;
    published.ChLimitInForce = elevatedActive ? limits.ChElevated : limits.ChIdle;
    const int coColumn = elevatedActive ? CoElevatedColumn : CoIdleColumn;
    const int chColumn = elevatedActive ? ChElevatedColumn : ChIdleColumn;

    published.marks[CoNormChart] =
        chartMarks(6, limitApplies(published.CoLimitInForce, Channel::Co),
                   {{coColumn, published.CoLimitInForce}}, locale);
    published.marks[ChNormChart] =
        chartMarks(7, limitApplies(published.ChLimitInForce, Channel::Ch),
                   {{chColumn, published.ChLimitInForce}}, locale);
    published.marks[LambdaNormChart] = chartMarks(
        7, LambdaWindowValid(limits),
        {{LambdaMaxColumn, limits.LambdaMax}, {LambdaMinColumn, limits.LambdaMin}}, locale);
    published.marks[RpmNormChart] = chartMarks(7, true,
                                               {{ElevatedRpmMaxColumn, limits.ElevatedRpmMax},
                                                {ElevatedRpmMinColumn, limits.ElevatedRpmMin},
                                                {IdleRpmMaxColumn, limits.IdleRpmMax}},
                                               locale);
    return published;
}

bool CoBreaksNorm(qint32 coLimitInForce, int co) {
    return limitApplies(coLimitInForce, Channel::Co) && co > coLimitInForce;
}

bool ChBreaksNorm(qint32 chLimitInForce, int ch) {
    return limitApplies(chLimitInForce, Channel::Ch) && ch > chLimitInForce;
}

bool LambdaBreaksNorm(const NormSet &limits, bool elevatedActive, int lambda) {
    if (!elevatedActive || !LambdaWindowValid(limits))
        return false;
    if (lambda < 1 || lambda >= displayMaximum(Channel::Lambda))
        return false;
    return lambda > limits.LambdaMax || lambda < limits.LambdaMin;
}

bool RpmBreaksNorm(const NormSet &limits, bool elevatedActive, int rpm) {
    if (elevatedActive)
        return rpm > limits.ElevatedRpmMax || rpm < limits.ElevatedRpmMin;
    return rpm > limits.IdleRpmMax;
}
