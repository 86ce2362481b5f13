#pragma once

#include "channel.h"

#include <QString>
#include <QtGlobal>

#include <cstddef>
#include <type_traits>

// The settings kept between runs: one record of 89 signed 32-bit fields. The run's record is
// owned by SettingsStore (settings_store.h): every part of the program reads it through a
// const reference and changes it through the store, which says what changed.
//
// The members are declared in record order; field(i) reaches them by that index, which is
// how the settings file walks them. Colours are 0x00BBGGRR (red in the low byte). Per-channel
// arrays are indexed by index(Channel); their defaults agree with channel_info.h (checked in
// app_settings.cpp). Booleans are 0 or 1.
// The valid range of every field is in settings_ranges.h; the settings file reader applies it.
struct AppSettings {
    static constexpr int kFieldCount = 89;
    static constexpr qint32 kFormatVersion = 23;
    // The grids and memos of TextColor and BackColor: five controls and one unused.
    static constexpr int kTextControlCount = 6;

    qint32 FormatVersion = kFormatVersion; // 0: settings file format, never changed
    qint32 CurrentView = 6;     // 1: 0 info, 1 table, 2 report, 4 diagram, 5 graph, 6 readings
    qint32 VehicleCategory = 0; // 2: row of the vehicle category list
    qint32 CatalystKind = 0;    // 3: row of the after-treatment list
    qint32 SpeedMode = 0;       // 4: 0 minimal, 1 elevated, 2 automatic switching
    qint32 AlarmStyle = 1;      // 5: how a value above its norm is signalled (0..6)
    qint32 GraphBackColor = 0x000000; // 6: graph chart and graph value boxes
    qint32 NormColor = 0x808080;      // 7: norm marks in the diagrams
    qint32 PointsOnScreen = 250;      // 8: time points visible on the graph
    qint32 ShiftPercent = 25;         // 9: graph shift when the screen is full, % of PointsOnScreen
    qint32 TotalPoints = 1000;        // 10: time points of a whole recording
    qint32 ShiftByOnePoint = 1;       // 11: 1 the graph moves on by one point
    qint32 LineWidth = 2;             // 12: pen width of the graph lines
    qint32 PortScanRange = 0;         // 13: 0 COM1-COM2, 1 COM1-COM4, 2 COM1-COM8
    qint32 ReportFormUnlocked = 0;    // 14: 1 enables the report form selector
    qint32 Reserved1[3] = {1, 1, 1};  // 15-17: kept unchanged
    qint32 Reserved2[3] = {400, 620, 500};       // 18-20: kept unchanged
    qint32 Reserved3[3] = {0, 100, 50};          // 21-23: kept unchanged
    qint32 Reserved4[3] = {0, 150, 100};         // 24-26: kept unchanged
    qint32 ViewInterval[3] = {1000, 1500, 1000}; // 27-29: ms of TimerTab, TimerDia, TimerGRP
    // 30-35: text of the readings grid, date grid, header memo, report memo, info memo, unused
    qint32 TextColor[kTextControlCount] = {0x00FFFF, 0xFFFFFF, 0xFF00FF,
                                           0x000000, 0x800000, 0xFFFF00};
    // 36-41: background of the same controls
    qint32 BackColor[kTextControlCount] = {0x000000, 0xFF0000, 0x008000,
                                           0xFFFFFF, 0x008080, 0x008080};
    // 42-47: colour of each channel in the graph, the diagrams and the graph value boxes
    qint32 ChannelColor[kChannelCount] = {0x800080, 0x00FFFF, 0xFF0000,
                                          0xFFFF00, 0x00FF00, 0x008080};
    qint32 ChannelHidden[kChannelCount] = {}; // 48-53: 1 the channel's graph line is hidden
    qint32 GraphStartMode = 1;     // 54: 0 recording starts with the link, 1 on "Запись"
    qint32 NoRecordWhenHidden = 0; // 55: stored only
    qint32 GraphFullAction = 0;    // 56: 0 shift and erase the beginning, 1 stop with a message
    qint32 LegendHidden = 0;       // 57: 1 the graph legend is hidden
    qint32 VehicleFieldIndex = 0;  // 58: 0 owner, 1 make, 2 VIN in the report
    qint32 Spare59 = 0;            // 59: stored only
    qint32 WindowMode = 1;         // 60: 0 640 x 480, 1 sizeable, 2 full screen
    qint32 WindowRestored = 0;     // 61: mode 1: 1 saved size and position, 0 maximised
    qint32 WindowWidth = 600;      // 62
    qint32 WindowHeight = 450;     // 63
    qint32 WindowTop = 0;          // 64
    qint32 WindowLeft = 0;         // 65
    qint32 PortMode = 0;           // 66: 0 search the ports, 1 use FixedPort
    qint32 FixedPort = 1;          // 67: 1..8 for COM1..COM8
    qint32 ConnectAtStart = 1;     // 68: 1 the link starts at the end of start-up
    qint32 ReadingsTextColor = 0x0000FF;  // 69: readings value boxes, text
    qint32 ReadingsBackColor = 0x000000;  // 70: readings value boxes, background
    qint32 LabelsTextColor = 0xFF0000;    // 71: readings caption memos, text
    qint32 LabelsBackColor = 0xC0C0C0;    // 72: readings caption memos, background
    qint32 ReadingsPanelColor = 0x800000; // 73: readings panels
    qint32 ReadingsUseChannelColors = 0;  // 74: 1 readings boxes take the channel colours
    qint32 ReportKind = 0;                // 75: 0 report, 1 protocol, 2 extended protocol
    qint32 OldAnalyser = 0;               // 76: 1 the analyser does not report its operating modes
    qint32 NoBuiltInPrinter = 1;          // 77: 0 the analyser has a printer
    qint32 Spare78[5] = {0, 0, 0, 0, 0};  // 78-82: stored only
    // 83-88: graph full scale per channel, the channels' defaults
    qint32 FullScale[kChannelCount] = {10, 5000, 20, 25, 20, 5000};

    // The field at a record index, 0..kFieldCount-1.
    qint32 &field(int index);
    qint32 field(int index) const;

    friend bool operator==(const AppSettings &, const AppSettings &) = default;
};

// The record is one block of 89 words in record order, with no padding; field() relies on it.
static_assert(std::is_standard_layout_v<AppSettings>);
static_assert(sizeof(AppSettings) == AppSettings::kFieldCount * sizeof(qint32));
static_assert(offsetof(AppSettings, Reserved1) == 15 * sizeof(qint32));
static_assert(offsetof(AppSettings, TextColor) == 30 * sizeof(qint32));
static_assert(offsetof(AppSettings, GraphStartMode) == 54 * sizeof(qint32));
static_assert(offsetof(AppSettings, WindowMode) == 60 * sizeof(qint32));
static_assert(offsetof(AppSettings, Spare78) == 78 * sizeof(qint32));
static_assert(offsetof(AppSettings, FullScale) == 83 * sizeof(qint32));

// Flags beside the settings, all false at start-up and consulted only at exit.
struct ChangeFlags {
    bool NormsModified = false;         // the hand-set norms file is written
    bool StationChanged = false;        // the station line file is written
    bool CalibrationGasChanged = false; // the calibration gas file is written
    bool ResetSettings = false;         // the settings are reset to defaults before saving
    bool GraphUnsaved = false;          // closing asks about the graph
    bool ReportUnsaved = false;         // closing asks about the report
};

// The service station line: printed in the report documents and the graph title.
inline constexpr int kStationNameMaxLength = 64;

// The station line in force when no station line file is read.
QString defaultStationName();
