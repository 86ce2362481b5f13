#include "mode_indication.h"

#include "analyser_flags.h"

int ModeIndication::settingsMenuFor(quint8 modeFlags, quint8 menuFlags) {
    if (modeFlags & ModeFlag::PressureMenuOpen)
        return PressureMenu;
    if (menuFlags & MenuFlag::CylindersMenuOpen)
        return CylindersMenu;
    if (menuFlags & MenuFlag::TachoMenuOpen)
        return TachoMenu;
    return NoMenu;
}

Indicator ModeIndication::fuelFor(quint8 modeFlags) {
    if (modeFlags & ModeFlag::FuelPetrol)
        return {QStringLiteral(" Топливо : БЕНЗИН"), {128, 0, 128}};
    if (modeFlags & ModeFlag::FuelNaturalGas)
        return {QStringLiteral("   ПРИРОДНЫЙ ГАЗ"), {0, 255, 0}};
    return {QStringLiteral(" Топливо : ПРОПАН"), {255, 0, 255}};
}

ModeIndication::Update ModeIndication::apply(quint8 pumpFlags, quint8 modeFlags, quint8 menuFlags) {
    Update update;
    update.settingsMenu = settingsMenuFor(modeFlags, menuFlags);

    const bool zeroSetting = pumpFlags & PumpFlag::ZeroSettingRunning;
    if (zeroSetting && !zeroSettingShown) {
        update.pump = Indicator{QStringLiteral(" УСТАНОВКА НУЛЯ"), {255, 0, 0}};
        zeroSettingShown = true;
    } else if (!zeroSetting) {
        update.pump = (pumpFlags & PumpFlag::PumpOn)
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
