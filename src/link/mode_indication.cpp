#include "mode_indication.h"

namespace {

constexpr quint8 ZeroSettingRunning = 0x20; // pump flags
constexpr quint8 PumpOn = 0x40;             // pump flags
constexpr quint8 PressureMenuOpen = 0x04;   // mode flags
constexpr quint8 FuelPetrol = 0x08;         // mode flags
constexpr quint8 FuelNaturalGas = 0x80;     // mode flags
constexpr quint8 CylindersMenuOpen = 0x10;  // menu flags
constexpr quint8 TachoMenuOpen = 0x20;      // menu flags

} // namespace

int ModeIndication::settingsMenuFor(quint8 modeFlags, quint8 menuFlags) {
    if (modeFlags & PressureMenuOpen)
        return PressureMenu;
    if (menuFlags & CylindersMenuOpen)
        return CylindersMenu;
    if (menuFlags & TachoMenuOpen)
        return TachoMenu;
    return NoMenu;
}

Indicator ModeIndication::fuelFor(quint8 modeFlags) {
    if (modeFlags & FuelPetrol)
        return {QStringLiteral(" Топливо : БЕНЗИН"), {128, 0, 128}};
    if (modeFlags & FuelNaturalGas)
        return {QStringLiteral("   ПРИРОДНЫЙ ГАЗ"), {0, 255, 0}};
    return {QStringLiteral(" Топливо : ПРОПАН"), {255, 0, 255}};
}

ModeIndication::Update ModeIndication::apply(quint8 pumpFlags, quint8 modeFlags, quint8 menuFlags) {
    Update update;
    update.settingsMenu = settingsMenuFor(modeFlags, menuFlags);

    const bool zeroSetting = pumpFlags & ZeroSettingRunning;
    if (zeroSetting && !zeroSettingShown) {
        update.pump = Indicator{QStringLiteral(" УСТАНОВКА НУЛЯ"), {255, 0, 0}};
        zeroSettingShown = true;
    } else if (!zeroSetting) {
        update.pump = (pumpFlags & PumpOn)
                          ? Indicator{QStringLiteral(" НАСОС ВКЛЮЧЕН"), {0, 128, 0}}
                          : Indicator{QStringLiteral(" НАСОС ВЫКЛЮЧЕН"), {0, 0, 255}};
        if (zeroSettingShown) {
            zeroSettingShown = false;
            update.zeroSettingEnded = true;
        }
    }
    update.fuel = fuelFor(modeFlags);
    return update;
}
