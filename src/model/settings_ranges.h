#pragma once

#include "app_settings.h"

#include <QtGlobal>

#include <cstddef>
#include <optional>

// The valid values of every AppSettings field and the value that replaces one outside them.
// The settings file reader resets every field found outside its range to its default; the
// options dialog takes the minimum and maximum of its spin edits from the same table.
//
// Ranges are inclusive. A field stored only (the reserved and spare words) accepts any value.
namespace SettingsRanges {

struct FieldRange {
    qint32 min = 0;
    qint32 max = 0;
    qint32 defaultValue = 0;
    // A value between min and max that is still not valid: view number 3, used by no view.
    std::optional<qint32> gap;

    bool contains(qint32 value) const { return value >= min && value <= max && value != gap; }
};

// The range of the field at a record index, 0..AppSettings::kFieldCount-1.
const FieldRange &of(int fieldIndex);

// The record index of a member: fieldIndex(&AppSettings::LineWidth),
// fieldIndex(&AppSettings::ViewInterval, 2).
int fieldIndex(qint32 AppSettings::*member);
template <std::size_t N> int fieldIndex(qint32 (AppSettings::*array)[N], int element);

// The range of a member: of(&AppSettings::PointsOnScreen), of(&AppSettings::FullScale, 1).
inline const FieldRange &of(qint32 AppSettings::*member) {
    return of(fieldIndex(member));
}
template <std::size_t N> const FieldRange &of(qint32 (AppSettings::*array)[N], int element) {
    return of(fieldIndex(array, element));
}

// Sets every field outside its range to its default. Returns how many were reset.
int resetOutOfRange(AppSettings &settings);

// ---- implementation of the templates ----

namespace detail {
int indexOfAddress(const AppSettings &record, const qint32 *address);
} // namespace detail

template <std::size_t N> int fieldIndex(qint32 (AppSettings::*array)[N], int element) {
    Q_ASSERT(element >= 0 && std::size_t(element) < N);
    static const AppSettings probe;
    return detail::indexOfAddress(probe, (probe.*array) + element);
}

} // namespace SettingsRanges
