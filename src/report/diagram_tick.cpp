#include "diagram_tick.h"

#include "norm_limits.h"
#include "number_text.h"

namespace DiagramTick {

namespace {

constexpr char16_t NoReadingText[] = u"- - - -";

bool limitShown(qint32 limit, Channel channel) {
    return limit > 0 && limit < ChannelMaxima[channel];
}

// The norm labels of CO and CH vanish (window colour) while no limit applies; lambda and
// engine speed always carry theirs; CO2 and O2 have none.
qint32 rightLabelColor(int channel, const Input &in) {
    switch (channel) {
    case CoChannel:
        return limitShown(in.coLimitInForce, CoChannel) ? Red : in.windowColor;
    case ChChannel:
        return limitShown(in.chLimitInForce, ChChannel) ? Red : in.windowColor;
    case LambdaChannel:
    case RpmChannel:
        return Red;
    default:
        return in.windowColor;
    }
}

} // namespace

double AxisMaximum(int channel) {
    return ChannelMaxima[channel] / Scales[channel].scale;
}

void ApplyAlarmStyle(ChannelLook &look, int alarmStyle) {
    const bool bar =
        alarmStyle == AlarmBar || alarmStyle == AlarmBarText || alarmStyle == AlarmBarTextBack;
    const bool text = alarmStyle == AlarmText || alarmStyle == AlarmBarText;
    const bool back = alarmStyle == AlarmTextBack || alarmStyle == AlarmBarTextBack;
    if (bar)
        look.barColor = Red;
    if (text)
        look.valueTextColor = Red;
    if (back)
        look.valueBackColor = Red;
    if (alarmStyle == AlarmFrame) {
        look.chartBackColor = Red;
        look.rightLabelColor = White;
    }
    look.signalled = bar || text || back || alarmStyle == AlarmFrame;
}

Looks Compose(const ReadingSample &s, const Input &in, const QLocale &locale) {
    // A lambda outside 1..1999 is no reading. The shared readings are left as they are: the
    // graph and the report take their own view of them.
    const bool lambdaRead = s.lambda >= 1 && s.lambda < ChannelMaxima[LambdaChannel];
    const std::array<int, 6> values = {s.co, s.ch, s.co2, s.o2, lambdaRead ? s.lambda : 0, s.rpm};
    const std::array<bool, 6> breaks = {
        CoBreaksNorm(in.coLimitInForce, s.co),
        ChBreaksNorm(in.chLimitInForce, s.ch),
        false,
        false,
        LambdaBreaksNorm(in.limits, in.elevatedActive, s.lambda),
        RpmBreaksNorm(in.limits, in.elevatedActive, s.rpm),
    };

    Looks looks;
    for (int channel = 0; channel < 6; ++channel) {
        const ChannelScale &scale = Scales[channel];
        const int value = values[channel];
        ChannelLook &look = looks[channel];
        look.barColor = look.valueTextColor = in.channelColors[channel];
        look.valueBackColor = look.chartBackColor = in.windowColor;
        look.rightLabelColor = rightLabelColor(channel, in);
        if (!in.readingsCurrent) {
            look.valueText = QString::fromUtf16(NoReadingText);
            continue;
        }
        look.valueText = channel == LambdaChannel && !lambdaRead
                             ? QString::fromUtf16(NoReadingText)
                             : NumberText::fixed(value / scale.scale, scale.decimals, locale);
        look.barValue = qBound(0, value, scale.barMaximum) / scale.scale;
        if (breaks[channel])
            ApplyAlarmStyle(look, in.alarmStyle);
    }
    return looks;
}

} // namespace DiagramTick
