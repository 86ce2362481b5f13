#include "channel_info.h"

#include "number_text.h"

QString readingText(Channel channel, qint32 value, const QLocale &locale) {
    const int decimals = channelInfo(channel).decimals;
    if (decimals == 0)
        return QString::number(value);
    return NumberText::fixed(value / readingsPerUnit(channel), decimals, locale);
}
