#pragma once

#include "norm_set.h"

#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>

// Which limits apply, minimal or elevated idle speed: by hand or switched automatically from
// the engine speed. The index of the list "Обороты" and the SpeedMode setting.
enum class SpeedMode : int { Minimal = 0, Elevated = 1, Auto = 2 };

// The setting as a mode; a value outside 0..2 (a damaged settings file) reads as Minimal.
SpeedMode SpeedModeFrom(int speedModeSetting);

// ElevatedActive after the mode is chosen by hand or restored at start-up: only "повышенные"
// starts with the elevated-speed limits, so automatic switching starts from the minimal ones.
bool ElevatedActiveFor(SpeedMode mode);

// The automatic switch, run on every diagram tick while the mode is Auto. With
// d = (ElevatedRpmMin - IdleRpmMax) / 4 (truncated): above ElevatedRpmMin - d the elevated
// limits come into force, then, in the same call, below IdleRpmMax + d the minimal ones. With a
// hand-set row whose ElevatedRpmMin is below IdleRpmMax, d is negative and both rules may fire
// in one call. Returns the new ElevatedActive; when it differs from the old one the caller
// publishes the limits and shows the indicator again.
bool AutoSwitchSpeedMode(const NormSet &limits, int rpm, bool elevatedActive);

// The mode indicator Edit7: " ПОВ" in yellow while the elevated limits apply, else " МИН" in
// lime. Colours as the settings keep them, 0x00BBGGRR.
struct SpeedIndicator {
    QString text;
    qint32 fontColor = 0;
};
SpeedIndicator ShowSpeedIndicator(bool elevatedActive);

inline constexpr char16_t SpeedIndicatorHint[] = u"Индикация включенного режима для норм";

// One mark point of a label series: its height in the chart's units and its label.
struct NormMarkPoint {
    double value = 0;
    QString label;
    friend bool operator==(const NormMarkPoint &, const NormMarkPoint &) = default;
};

// The norm marks of one diagram: the labels of its right axis and the heights of its mark
// lines, in the diagram's own order of mark lines (the diagram view knows which line is which).
// labelPoints always starts with the point 0 labelled with blanks (six for CO, seven for the
// others); when the chart's condition fails it holds nothing else and barValues is empty.
// Values are in the chart's units: % for CO, 1 for lambda, ppm and rpm as they are.
struct ChartNormMarks {
    QList<NormMarkPoint> labelPoints;
    QList<double> barValues;

    bool marked() const { return !barValues.isEmpty(); }
    friend bool operator==(const ChartNormMarks &, const ChartNormMarks &) = default;
};

enum NormChart : int { CoNormChart, ChNormChart, LambdaNormChart, RpmNormChart, NormChartCount };

// The limits in force and the norm marks for the four diagrams with limits.
struct PublishedLimits {
    qint32 CoLimitInForce = 0; // 0.01 %
    qint32 ChLimitInForce = 0; // ppm
    std::array<ChartNormMarks, NormChartCount> marks;
};

// The CO and CH limits of the speed range in force, and the marks: CO when
// 0 < CoLimitInForce < 1000, CH when 0 < ChLimitInForce < 5000, lambda when the window is valid
// (LambdaWindowValid), engine speed always.
PublishedLimits PublishLimits(const NormSet &limits, bool elevatedActive,
                              const QLocale &locale = QLocale());

// Both lambda bounds inside 1..1999 and LambdaMax above LambdaMin.
bool LambdaWindowValid(const NormSet &limits);

// Judging a reading (in reading units) against the limits in force.
bool CoBreaksNorm(qint32 coLimitInForce, int co);
bool ChBreaksNorm(qint32 chLimitInForce, int ch);
// Only with the elevated limits in force and a valid window; a reading outside 1..1999 is no
// reading and never breaks the norm.
bool LambdaBreaksNorm(const NormSet &limits, bool elevatedActive, int lambda);
// Elevated: outside ElevatedRpmMin..ElevatedRpmMax; minimal: above IdleRpmMax.
bool RpmBreaksNorm(const NormSet &limits, bool elevatedActive, int rpm);
