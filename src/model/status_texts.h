#pragma once

#include <QStringView>

// The texts of the link status field (Edit16): what the program is connected to, or why the
// readings on screen do not follow an analyser.
namespace LinkStatus {

inline constexpr QStringView NotConnected = u" Г/А НЕ ПОДКЛЮЧЕН";
inline constexpr QStringView FourComponent = u" Велантар 4х комп";
inline constexpr QStringView TwoComponent = u" Велантар 2х комп";
inline constexpr QStringView UnknownAnalyser = u" Неизвестный";
inline constexpr QStringView IndicationStopped = u" СТОП ИНДИКАЦИИ";
inline constexpr QStringView Demonstration = u" ДЕМОНСТРАЦИЯ";
// The options dialog's port status field: this label and the analyser's type name, once the
// analyser reported its type.
inline constexpr QStringView AnalyserTypeLabel = u"Тип прибора: ";
// The options dialog's port status field while the demonstration runs.
inline constexpr QStringView DemonstrationPortStatus = u"Демонстрация работы программы.";

} // namespace LinkStatus
