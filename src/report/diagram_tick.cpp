#include "diagram_tick.h"

#include "norm_limits.h"
#include "number_text.h"

namespace DiagramTick {

namespace {

constexpr char16_t NoReadingText[] = u"- - - -";

bool limitShown(qint32 limit, Channel channel) {
    return limit > 0 && limit < displayMaximum(channel);
}

// Whether a channel's reading breaks the limit in force.
bool breaksNorm(Channel channel, const ReadingSample &s, const Input &in) {
    switch (channel) {
    case Channel::Co:
        return CoBreaksNorm(in.coLimitInForce, s.co);
    case Channel::Ch:
        return ChBreaksNorm(in.chLimitInForce, s.ch);
    case Channel::Lambda:
        return LambdaBreaksNorm(in.limits, in.elevatedActive, s.lambda);
    case Channel::Rpm:
        return RpmBreaksNorm(in.limits, in.elevatedActive, s.rpm);
    default:
        return false;
    }
}

// The norm labels of CO and CH vanish (window colour) while no limit applies; lambda and
// engine speed always carry theirs; CO2 and O2 have none.
qint32 rightLabelColor(Channel channel, const Input &in) {
    switch (channel) {
    case Channel::Co:
        return limitShown(in.coLimitInForce, Channel::Co) ? Red : in.windowColor;
    case Channel::Ch:
        return limitShown(in.chLimitInForce, Channel::Ch) ? Red : in.windowColor;
    case Channel::Lambda:
    case Channel::Rpm:
        return Red;
    default:
        return in.windowColor;
    }
}

} // namespace

int BarMaximum(Channel channel) {
    const int maximum = displayMaximum(channel);
    return channel == Channel::Co || channel == Channel::Lambda ? maximum - 1 : maximum;
}

double AxisMaximum(Channel channel) {
    return displayMaximum(channel) / readingsPerUnit(channel);
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
    const bool lambdaRead = s.lambda >= 1 && s.lambda < displayMaximum(Channel::Lambda);
    Looks looks;
    for (Channel channel : kAllChannels) {
        const int value = channel == Channel::Lambda && !lambdaRead ? 0 : s.value(channel);
        const double scale = readingsPerUnit(channel);
        ChannelLook &look = looks[index(channel)];
        look.barColor = look.valueTextColor = in.channelColors[index(channel)];
        look.valueBackColor = look.chartBackColor = in.windowColor;
        look.rightLabelColor = rightLabelColor(channel, in);
        if (!in.readingsCurrent) {
            look.valueText = QString::fromUtf16(NoReadingText);
            continue;
        }
        look.valueText =
            channel == Channel::Lambda && !lambdaRead
                ? QString::fromUtf16(NoReadingText)
                : NumberText::fixed(value / scale, channelInfo(channel).decimals, locale);
        look.barValue = qBound(0, value, BarMaximum(channel)) / scale;
        if (breaksNorm(channel, s, in))
            ApplyAlarmStyle(look, in.alarmStyle);
    }
    return looks;
}

} // namespace DiagramTick
