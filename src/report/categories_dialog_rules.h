#pragma once

#include <array>

// The categories dialog TForm3: a description of the vehicle classes and a list from which the
// user picks a class; the choice always leads to one of the fixed categories 0 and 1.
namespace CategoriesDialog {

inline constexpr char16_t Caption[] = u"Категории автомобилей ";
inline constexpr std::array<const char16_t *, 3> Heading = {
    u"  Категории автомобилей по приложению 7 Сводной ",
    u"  резолюции о конструкции транспортных средств",
    u"  (СР.3 документ TRANS/SC.1/WP.29/78/Amend.3)",
};
inline constexpr std::array<const char16_t *, 6> Rows = {
    u"   M1-легковые автомобили (не более 8 мест,кроме водителя);",
    u"   M2-то же,но более 8 мест,кроме водителя (микроавтобусы);",
    u"   M3-то же,автобусы,в том числе сочлененные;",
    u"   N1-автомобили полной массой до 3,5 т,для транспортировки грузов;",
    u"   N2-то же от 3,5 до 12 т;",
    u"   N3-то же свыше 12 т (в том числе тягачи,спецавтомобили).",
};
inline constexpr char16_t OkButton[] = u"ОК";
inline constexpr char16_t CancelButton[] = u"Отмена";

// The row selected when the dialog shows: M1 (0) for categories 0 and 2, else M2 (1).
int InitialRow(int vehicleCategory);

// The category after "ОК": 0 for the rows M1 and N1 (0 and 3), else 1, also with no row
// selected (-1). "Отмена" keeps the category; either way the grid is refreshed after.
int CategoryForRow(int selectedRow);

} // namespace CategoriesDialog
