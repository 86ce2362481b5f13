#pragma once

#include <array>

// Texts of the norms panel Panel8 beside the diagrams.
namespace NormPanelTexts {

// ListBox1, the vehicle categories.
inline constexpr char16_t CategoryLabel[] = u"Автомобили";
inline constexpr char16_t CategoryHint[] = u"Категории автомобилей по ГОСТ Р";
inline constexpr std::array<const char16_t *, 4> Categories = {u"M1,N1", u"M2,M3,N2,N3",
                                                               u"Настройка1", u"Настройка2"};

// ListBox2, the exhaust after-treatment.
inline constexpr char16_t VariantLabel[] = u"Нейтрализац.";
inline constexpr char16_t VariantHint[] = u"Наличие системы нейтрализации";
inline constexpr std::array<const char16_t *, 4> Variants = {
    u"Нет", u"2х-компонентная", u"3х-компонентная", u"вып. до 01.10.86"};

// ListBox3, the speed mode.
inline constexpr char16_t SpeedModeLabel[] = u"Обороты";
inline constexpr std::array<const char16_t *, 3> SpeedModes = {u"минимальные", u"повышенные",
                                                               u"авто-перекл."};

// BitBtn10 opens the categories dialog; BitBtn8 and the grid menu start an edit.
inline constexpr char16_t CategoriesButton[] = u"Категории";
inline constexpr char16_t CategoriesButtonHint[] = u"Расширенное описание категорий";
inline constexpr char16_t EditButton[] = u"Изменить";
inline constexpr char16_t EditButtonHint[] = u"помеченную ячейку в таблице";
inline constexpr char16_t EditCellMenuItem[] = u"Изменить ячейку";
inline constexpr char16_t CancelMenuItem[] = u"Отмена";
inline constexpr char16_t CommaLabel[] = u",";

} // namespace NormPanelTexts
