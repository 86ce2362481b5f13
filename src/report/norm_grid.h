#pragma once

#include "norm_set.h"

#include <QLocale>
#include <QString>

#include <array>

// The norms grid StringGrid5 under the diagrams: 9 columns (one per NormSet field), two fixed
// title rows and the row of values of the selected category and variant.
namespace NormGrid {

inline constexpr int kColumnCount = NormSet::kFieldCount;
inline constexpr int kRowCount = 3;
inline constexpr int kValueRow = 2;

// Row 0 and row 1 titles, set once at start-up. The CH titles say "%" although CH is in ppm.
inline constexpr std::array<const char16_t *, kColumnCount> TitleRow0 = {
    u"CO.max,%", u"CO.max,%", u"CH.max,%", u"CH.max,%", u"Lam.min",
    u"Lam.max",  u" N.мин",   u"Nпов.min", u"Nпов.max",
};
inline constexpr std::array<const char16_t *, kColumnCount> TitleRow1 = {
    u"при Nмин", u"при Nпов", u"при Nмин", u"при Nпов", u"при Nпов", u"при Nпов", u"", u"", u"",
};

inline constexpr char16_t GostHint[] = u"Нормы по ГОСТ Р 52033-2003";
inline constexpr char16_t HandSetHint[] = u"Ручная установка параметров";
// A CO, CH or lambda cell without a limit.
inline constexpr char16_t NoLimitCell[] = u"          ----";

} // namespace NormGrid

// What the grid shows for the selected row: the grid's hint and the nine value cells.
struct NormGridTexts {
    QString hint;
    std::array<QString, NormGrid::kColumnCount> cells;
};

// The grid texts for the row `limits` of `vehicleCategory`. Every value cell is eight blanks
// and the value (CO as % with 2 decimals, lambda with 3, CH and speeds as integers); a CO, CH
// or lambda limit that is not above 0 or not below its channel maximum shows NoLimitCell.
// The caller then publishes the limits in force (PublishLimits).
NormGridTexts RefreshNormGrid(const NormSet &limits, int vehicleCategory,
                              const QLocale &locale = QLocale());

// The text of one limit as the grid, the norm marks and the editor show it, without padding:
// "3,50" for CO 350, "1200" for CH, "0,970" for lambda 970, "1100" for an engine speed.
QString NormValueText(int column, int value, const QLocale &locale = QLocale());
