#pragma once

#include <QStringView>

// Texts of the link status field (Edit16) and of the options dialog's port status field
// (Edit17) that the demonstration switch sets.
namespace LinkStatusTexts {
inline constexpr QStringView NotConnected = u" Г/А НЕ ПОДКЛЮЧЕН";
inline constexpr QStringView Demonstration = u" ДЕМОНСТРАЦИЯ";
inline constexpr QStringView DemonstrationPortStatus = u"Демонстрация работы программы.";
} // namespace LinkStatusTexts
