#pragma once

#include <QtGlobal>

// The bits of the analyser's flag bytes, as the poll cycle reads them into TVelantar and
// CurrentReadings (pumpFlags, modeFlags, menuFlags).

// The pump flags.
namespace PumpFlag {
inline constexpr quint8 ZeroSettingRunning = 0x20;
inline constexpr quint8 PumpOn = 0x40;
} // namespace PumpFlag

// The mode flags: the analyser's operating modes.
namespace ModeFlag {
inline constexpr quint8 PressureMenuOpen = 0x04;
inline constexpr quint8 FuelPetrol = 0x08;
inline constexpr quint8 CorrectedCo = 0x10;    // CO is shown corrected ("COкорр")
inline constexpr quint8 OilTemperature = 0x20; // the lambda place shows the oil temperature
inline constexpr quint8 FuelNaturalGas = 0x80;
} // namespace ModeFlag

// The menu flags: which settings menu the analyser has open besides the pressure menu.
namespace MenuFlag {
inline constexpr quint8 CylindersMenuOpen = 0x10;
inline constexpr quint8 TachoMenuOpen = 0x20;
} // namespace MenuFlag
