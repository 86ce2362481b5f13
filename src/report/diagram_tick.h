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

// A reading is shown with its channel's decimals (channel_info.h); the bar is held to
// 0..barMaximum reading units: the channel's display maximum, except that CO stops just under
// the top of its scale (9,99 %) and lambda at the last valid reading (1,999).
int BarMaximum(Channel channel);

// The top of a diagram's vertical scale in the units it shows (10 %, 5000 ppm, ..., 2,000).
double AxisMaximum(Channel channel);

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
using Looks = PerChannel<ChannelLook>;

// Everything a tick reads besides the readings.
struct Input {
    NormSet limits; // the selected row of the norms table
    bool elevatedActive = false;
    qint32 coLimitInForce = 0;
    qint32 chLimitInForce = 0;
    int alarmStyle = AlarmText;
    PerChannel<qint32> channelColors{};
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
