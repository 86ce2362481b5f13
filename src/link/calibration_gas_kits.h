#pragma once

#include "calibration_gas_kit.h"
#include "safe_file.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>

struct ChangeFlags;

// The four calibration gas kits: kit 0 is the working kit of the test report, kits 1..3 are
// stored alternatives.
using CalibrationGasKits = std::array<CalibrationGasKit, 4>;

// Every kit at its defaults.
CalibrationGasKits DefaultCalibrationGasKits();

// The kit file "Tolmera10.pgs": the four kits in order, each three cylinders of eight
// little-endian signed 16-bit words (CO, CH, CO2, five reserved), 192 bytes, no header.
namespace CalibrationGasFile {

inline constexpr char16_t FileName[] = u"Tolmera10.pgs";
inline constexpr int kKitBytes = CalibrationGasKit::kCylinderCount * GasCylinder::kWordCount * 2;
inline constexpr int kKitCount = 4;
inline constexpr int kFileSize = kKitBytes * kKitCount; // 192

QByteArray encode(const CalibrationGasKits &kits);

// The defaults with the complete kits of the bytes laid over them, in order; a partial kit and
// bytes past the fourth kit are ignored.
CalibrationGasKits decode(QByteArrayView bytes);

// Start-up: the defaults, then the file when it can be read; no message either way.
CalibrationGasKits load(const QString &path);

// Exit, when the calibration gas changed flag is set: replaces the file with the four kits.
SafeFile::WriteResult save(const QString &path, const CalibrationGasKits &kits);

} // namespace CalibrationGasFile

// The editor grid StringGrid3 of the dialog TPRT: 6 columns and 10 rows, the first two columns
// and the first row fixed. Row 1 + 3s + g holds gas g (0 CO, 1 CH, 2 CO2) of cylinder s, column
// 2 + k holds kit k. The editable part is a 9 x 4 table of texts, [3s + g][k].
namespace CalibrationGasGrid {

inline constexpr int kColumnCount = 6;
inline constexpr int kRowCount = 10;
inline constexpr int kValueCount = CalibrationGasKit::kValueCount;

using ValueTable = std::array<std::array<QString, CalibrationGasFile::kKitCount>, kValueCount>;

inline constexpr int rowOf(int cylinder, int gas) {
    return 1 + CalibrationGasKit::valueIndex(cylinder, gas);
}
inline constexpr int columnOf(int kit) {
    return 2 + kit;
}

// The fixed cells: "Компл." and "    0".."    3" in row 0, "ПГС 1".."ПГС 3" in column 0 and
// "   CO", "   CH", "   CO2" in column 1. Empty for any other cell.
QString title(int row, int column);

// ListBox4, the kit "0 <-- N" and "0 --> N" work with.
inline constexpr char16_t KitListHint[] = u"Номер комплекта";
inline constexpr std::array<const char16_t *, 3> KitListItems = {u"    1 ", u"    2 ", u"    3 "};

// Opening the dialog: every value as a decimal integer.
ValueTable tableFromKits(const CalibrationGasKits &kits);

// "0 <-- N": the kit of list item `listIndex` (kit listIndex + 1) into the working kit's
// column. "0 --> N": the other way. No change without a selected item (listIndex outside 0..2).
void copyKitToWorking(ValueTable &table, int listIndex);
void copyWorkingToKit(ValueTable &table, int listIndex);

// "Обновл.", when its timer fires: the working column from the analyser's values,
// element 3s + g being gas g of cylinder s.
void fillWorkingFromAnalyser(ValueTable &table, const std::array<qint32, kValueCount> &values);

// A cell as "OK" stores it: a decimal integer in -32768..32767 (blanks around it allowed),
// anything else (fractions, letters, 40000, an empty cell) 0.
qint16 parseCell(const QString &text);

// "OK": every cell parsed into the kits (reserved words kept) and the calibration gas changed
// flag set, edited or not, so the file is written at exit.
void acceptTable(const ValueTable &table, CalibrationGasKits &kits, ChangeFlags &flags);

} // namespace CalibrationGasGrid
