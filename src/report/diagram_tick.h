#pragma once

#include "current_readings.h"
#include "norm_set.h"

#include <QLocale>
#include <QString>

#include <array>

// What the six bar diagrams show after one refresh: the value text under each bar, the bar's
// height and the colours of the parts an over-limit reading may turn red. Pure arithmetic over
// the readings and the limits in force; the charts only draw the result.
namespace DiagramTick {

// Colours as the settings keep them, 0x00BBGGRR.
inline constexpr qint32 Red = 0x0000FF;
inline constexpr qint32 White = 0xFFFFFF;

// "Сигнализация превышения": which parts of a diagram turn red while its reading breaks its
// limit.
enum AlarmStyle : int {
    AlarmOff = 0,         // "отключена"
    AlarmText = 1,        // "цвет шрифта": the value text
    AlarmTextBack = 2,    // "цвет фона": the background of the value text
    AlarmBar = 3,         // "цвет диаграммы": the bar
    AlarmBarText = 4,     // "диаграмма и шрифт"
    AlarmBarTextBack = 5, // "диаграмма и фон"
    AlarmFrame = 6, // "цвет рамки": the chart's background; its right-axis labels white
};

// How a channel's reading becomes a bar and a text: the reading is divided by `scale` and
// shown with `decimals`; the bar is held to 0..barMaximum readings units.
struct ChannelScale {
    double scale;
    int decimals;
    int barMaximum;
};

// In channel order. CO stops just under the top of its scale (9,99 %).
inline constexpr std::array<ChannelScale, 6> Scales = {{
    {100.0, 2, 999},   // CO, 0.01 %
    {1.0, 0, 5000},    // CH, ppm
    {100.0, 2, 2000},  // CO2, 0.01 %
    {100.0, 2, 2500},  // O2, 0.01 %
    {1000.0, 3, 1999}, // lambda, 0.001
    {1.0, 0, 5000},    // engine speed, min-1
}};

// The top of a diagram's vertical scale in the units it shows (10 %, 5000 ppm, ..., 2,000).
double AxisMaximum(int channel);

// One diagram after a tick.
struct ChannelLook {
    QString valueText;   // the true reading, also above the scale; "- - - -" for no lambda
    double barValue = 0; // in the units shown, held inside the scale
    qint32 barColor = 0;
    qint32 valueTextColor = 0;
    qint32 valueBackColor = 0;  // the background of the value text
    qint32 chartBackColor = 0;  // the background of the whole chart
    qint32 rightLabelColor = 0; // the norm labels on the right axis
    bool signalled = false;     // the reading breaks its limit and the alarm style shows it

    friend bool operator==(const ChannelLook &, const ChannelLook &) = default;
};
using Looks = std::array<ChannelLook, 6>;

// Everything a tick reads besides the readings.
struct Input {
    NormSet limits; // the selected row of the norms table
    bool elevatedActive = false;
    qint32 coLimitInForce = 0;
    qint32 chLimitInForce = 0;
    int alarmStyle = AlarmText;
    std::array<qint32, 6> channelColors{};
    qint32 windowColor = 0; // the main window's own colour
    // False while the readings follow nothing (the link is lost): every diagram shows
    // "- - - -" over an empty bar and nothing is signalled.
    bool readingsCurrent = true;
};

// The looks of the six diagrams for one sample. Every colour starts from its normal value, so
// a reading that returns within its limit shows the normal colours again at the next tick. A
// lambda reading outside 1..1999 is no reading: "- - - -", an empty bar, never signalled. An
// alarm style outside 0..6 (a damaged settings file) signals nothing.
Looks Compose(const ReadingSample &sample, const Input &input, const QLocale &locale = QLocale());

// The parts `alarmStyle` turns red in `look`.
void ApplyAlarmStyle(ChannelLook &look, int alarmStyle);

} // namespace DiagramTick
