#pragma once

#include "app_settings.h"
#include "vehicle_data.h"

#include <QChar>
#include <QString>

#include <array>

// The keys of the on-screen keyboard of the vehicle data dialog: 7 rows of 11 keys, digits,
// Latin letters with a little punctuation, and Cyrillic letters, capitals or small letters.
namespace ScreenKeyboardKeys {

inline constexpr int kColumns = 11;
inline constexpr int kRows = 7;

using KeyTable = std::array<std::array<QChar, kColumns>, kRows>;

// Row 0: the digits and a blank. Rows 1-3: consecutive Windows-1251 codes from Latin A (a),
// with ". , - + _ ( )" in place of the codes after Z (z). Rows 4-6: consecutive codes from
// Cyrillic А (а), with a blank in place of the code after Я (я).
KeyTable table(bool capitalLetters);

// The longest text each field of the dialog takes: the number and detail lines, the station
// line.
inline constexpr int kNumberLimit = kVehicleTextMaxLength;
inline constexpr int kDetailLimit = kVehicleTextMaxLength;
inline constexpr int kStationLimit = kStationNameMaxLength;

// A key press: the key is appended only while the text is shorter than the limit.
inline bool appendKey(QString &text, QChar key, int limit) {
    if (text.size() >= limit)
        return false;
    text += key;
    return true;
}

} // namespace ScreenKeyboardKeys
