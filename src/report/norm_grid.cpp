#include "norm_grid.h"

#include "norm_table.h"

QString NormValueText(int column, int value, const QLocale &locale) {
    return readingText(ChannelOfColumn(column), value, locale);
}

NormGridTexts RefreshNormGrid(const NormSet &limits, int vehicleCategory, const QLocale &locale) {
    NormGridTexts texts;
    texts.hint = QString::fromUtf16(NormTable::isHandSet(vehicleCategory) ? NormGrid::HandSetHint
                                                                          : NormGrid::GostHint);
    for (int column = 0; column < NormGrid::kColumnCount; ++column) {
        const int value = limits.field(column);
        const Channel channel = ChannelOfColumn(column);
        const bool limitless =
            channel != Channel::Rpm && (value <= 0 || value >= displayMaximum(channel));
        texts.cells[column] =
            limitless ? QString::fromUtf16(NormGrid::NoLimitCell)
                      : QStringLiteral("        ") + NormValueText(column, value, locale);
    }
    return texts;
}
