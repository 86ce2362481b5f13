#include "settings_ranges.h"

#include <array>
#include <limits>

namespace SettingsRanges {

namespace {

constexpr qint32 kAny = std::numeric_limits<qint32>::min();
constexpr qint32 kAnyMax = std::numeric_limits<qint32>::max();
constexpr qint32 kColourMax = 0xFFFFFF;

struct Rule {
    int firstField;
    int count; // consecutive fields sharing the rule
    qint32 min;
    qint32 max;
    std::optional<qint32> gap = std::nullopt;
};

// Record order; every field is named once (checked when the table is built).
constexpr Rule kRules[] = {
    {0, 1, AppSettings::kFormatVersion, AppSettings::kFormatVersion}, // FormatVersion
    {1, 1, 0, 6, 3},           // CurrentView: 0, 1, 2, 4, 5, 6
    {2, 1, 0, 3},              // VehicleCategory
    {3, 1, 0, 3},              // CatalystKind
    {4, 1, 0, 2},              // SpeedMode
    {5, 1, 0, 6},              // AlarmStyle
    {6, 2, 0, kColourMax},     // GraphBackColor, NormColor
    {8, 1, 50, 2000},          // PointsOnScreen
    {9, 1, 1, 90},             // ShiftPercent
    {10, 1, 50, 100000},       // TotalPoints
    {11, 1, 0, 1},             // ShiftByOnePoint
    {12, 1, 1, 5},             // LineWidth
    {13, 1, 0, 2},             // PortScanRange
    {14, 1, 0, 1},             // ReportFormUnlocked
    {15, 12, kAny, kAnyMax},   // Reserved1..Reserved4: stored as they are
    {27, 1, 100, 5000},        // ViewInterval[0]: TimerTab
    {28, 1, 1000, 5000},       // ViewInterval[1]: TimerDia
    {29, 1, 100, 20000},       // ViewInterval[2]: TimerGRP
    {30, 18, 0, kColourMax},   // TextColor, BackColor, ChannelColor
    {48, kChannelCount, 0, 1}, // ChannelHidden
    {54, 4, 0, 1},             // GraphStartMode .. LegendHidden
    {58, 1, 0, 2},             // VehicleFieldIndex
    {59, 1, kAny, kAnyMax},    // spare
    {60, 1, 0, 2},             // WindowMode
    {61, 1, 0, 1},             // WindowRestored
    {62, 2, 1, 32767},         // WindowWidth, WindowHeight
    {64, 2, -32768, 32767},    // WindowTop, WindowLeft
    {66, 1, 0, 1},             // PortMode
    {67, 1, 1, 8},             // FixedPort
    {68, 1, 0, 1},             // ConnectAtStart
    {69, 5, 0, kColourMax},    // readings and label colours, readings panel colour
    {74, 1, 0, 1},             // ReadingsUseChannelColors
    {75, 1, 0, 2},             // ReportKind
    {76, 2, 0, 1},             // OldAnalyser, NoBuiltInPrinter
    {78, 5, kAny, kAnyMax},    // spare
    {83, 1, 1, 20},            // FullScale CO, %
    {84, 1, 100, 10000},       // FullScale CH, ppm
    {85, 1, 1, 50},            // FullScale CO2, %
    {86, 1, 1, 30},            // FullScale O2, %
    {87, 1, 1, 50},            // FullScale lambda, tenths
    {88, 1, 100, 25000},       // FullScale engine speed, min-1
};

constexpr bool rulesCoverEveryFieldOnce() {
    int next = 0;
    for (const Rule &rule : kRules) {
        if (rule.firstField != next || rule.count < 1 || rule.min > rule.max)
            return false;
        next += rule.count;
    }
    return next == AppSettings::kFieldCount;
}
static_assert(rulesCoverEveryFieldOnce(), "one rule per field, in record order");

using Table = std::array<FieldRange, AppSettings::kFieldCount>;

Table buildTable() {
    const AppSettings defaults;
    Table table;
    for (const Rule &rule : kRules) {
        for (int i = rule.firstField; i < rule.firstField + rule.count; ++i)
            table[i] = FieldRange{rule.min, rule.max, defaults.field(i), rule.gap};
    }
    return table;
}

const Table &table() {
    static const Table built = buildTable();
    return built;
}

} // namespace

const FieldRange &of(int fieldIndex) {
    Q_ASSERT(fieldIndex >= 0 && fieldIndex < AppSettings::kFieldCount);
    return table()[std::size_t(fieldIndex)];
}

int fieldIndex(qint32 AppSettings::*member) {
    static const AppSettings probe;
    return detail::indexOfAddress(probe, &(probe.*member));
}

int resetOutOfRange(AppSettings &settings) {
    int reset = 0;
    for (int i = 0; i < AppSettings::kFieldCount; ++i) {
        const FieldRange &range = of(i);
        if (!range.contains(settings.field(i))) {
            settings.field(i) = range.defaultValue;
            ++reset;
        }
    }
    return reset;
}

namespace detail {

int indexOfAddress(const AppSettings &record, const qint32 *address) {
    // The record is one block of words (checked beside its declaration).
    const auto offset =
        reinterpret_cast<const char *>(address) - reinterpret_cast<const char *>(&record);
    return int(offset / qsizetype(sizeof(qint32)));
}

} // namespace detail

} // namespace SettingsRanges
