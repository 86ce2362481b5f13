#include "settings_groups.h"

#include "app_settings.h"

#include <array>

namespace SettingsGroups {

const QList<Rows> &table() {
    using G = SettingsGroup;
    static const QList<Rows> rows = {
        {0, 0, G::StoredOnly},   // FormatVersion
        {1, 1, G::View},         // CurrentView
        {2, 5, G::Norms},        // VehicleCategory, CatalystKind, SpeedMode, AlarmStyle
        {6, 7, G::Appearance},   // GraphBackColor, NormColor
        {8, 12, G::Graph},       // PointsOnScreen .. LineWidth
        {13, 13, G::Link},       // PortScanRange
        {14, 14, G::Report},     // ReportFormUnlocked
        {15, 26, G::StoredOnly}, // Reserved1..Reserved4
        {27, 29, G::Intervals},  // ViewInterval
        {30, 47, G::Appearance}, // TextColor, BackColor, ChannelColor
        {48, 54, G::Graph},      // ChannelHidden, GraphStartMode
        {55, 55, G::StoredOnly}, // NoRecordWhenHidden
        {56, 57, G::Graph},      // GraphFullAction, LegendHidden
        {58, 58, G::Report},     // VehicleFieldIndex
        {59, 59, G::StoredOnly}, // Spare59
        {60, 65, G::Window},     // WindowMode .. WindowLeft
        {66, 68, G::Link},       // PortMode, FixedPort, ConnectAtStart
        {69, 74, G::Appearance}, // the readings boxes' colours
        {75, 75, G::Report},     // ReportKind
        {76, 77, G::Link},       // OldAnalyser, NoBuiltInPrinter
        {78, 82, G::StoredOnly}, // Spare78
        {83, 88, G::Graph},      // FullScale
    };
    return rows;
}

SettingsGroup of(int recordIndex) {
    static const std::array<SettingsGroup, AppSettings::kFieldCount> byIndex = [] {
        std::array<SettingsGroup, AppSettings::kFieldCount> groups{};
        for (const Rows &row : table())
            for (int index = row.first; index <= row.last; ++index)
                groups[index] = row.group;
        return groups;
    }();
    Q_ASSERT(recordIndex >= 0 && recordIndex < AppSettings::kFieldCount);
    return byIndex[recordIndex];
}

} // namespace SettingsGroups
