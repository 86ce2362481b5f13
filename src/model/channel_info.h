#pragma once

#include "channel.h"

#include <QLocale>
#include <QString>
#include <QStringView>
#include <QtGlobal>

// What the program knows about each channel, in one table: how the channel is called in
// each place that names it, how its readings read, and its defaults. Every per-channel caption
// and number of the program comes from here; ReadingSample::value(channel) reaches the reading.
struct ChannelInfo {
    Channel channel;

    // Captions, byte for byte as each place shows them.
    QStringView name;         // colour buttons of the options: "CO", ..., "Lam", "N"
    QStringView exportName;   // columns of the graph text export: "CO", ..., "lamb", "n"
    QStringView scaleCaption; // the options' full scale spins: "CO,%", ..., "Lam*0,1", "N,min-1"
    QStringView checkCaption; // the side panel's check boxes: ..., "Lamb", "N,min-1"
    QStringView gridTitle;    // the readings grid's column 0: ..., "Lambda", "n,min-1"
    QStringView diagramTitle; // the bar diagrams: ..., "λ", "n,min-1"
    QStringView memoLines[2]; // the readings view's caption memo: "CO", " %"; " λ" alone
    QStringView legendName;   // the graph legend before the full scale: "CO : ", "CH:", ...
    QStringView legendUnit;   // the graph legend after it: " %", "ppm", ..., "min-1"
    QStringView reportLabel;  // the test documents' row label: "CO,   %  ", ..., "N,об/мин "

    // Only a four-component analyser measures the channel (CO2, O2, lambda); the others
    // measure CO, CH and engine speed only.
    bool fourComponentOnly;

    // Readings: whole numbers in units of 10^-decimals of the shown unit (CO, CO2, O2 in
    // 0.01 %, lambda in 0.001, CH in ppm, engine speed in min-1).
    int decimals;
    // The graph's full scale is set in whole %, ppm, min-1, and lambda in tenths: how many
    // reading units one unit of the full scale holds.
    int readingsPerScaleUnit;
    qint32 defaultFullScale;
    // The top of the channel's display (diagram scale, norm limits) in reading units: a CO, CH
    // or lambda limit at or above it is "no limit".
    qint16 displayMaximum;
    // The demonstration's values: low..high, both included.
    qint16 demonstrationLow;
    qint16 demonstrationHigh;
};

// clang-format off
inline constexpr PerChannel<ChannelInfo> kChannelInfo = {{
    // channel, name, exportName, scaleCaption, checkCaption, gridTitle, diagramTitle,
    // memoLines, legendName, legendUnit, reportLabel, fourComponentOnly,
    // decimals, readingsPerScaleUnit, defaultFullScale, displayMaximum, demonstration
    {Channel::Co, u"CO", u"CO", u"CO,%", u"CO,%", u"CO,%", u"CO,%",
     {u"CO", u" %"}, u"CO : ", u" %", u"CO,   %  ", false,
     2, 100, 10, 1000, 320, 369},
    {Channel::Ch, u"CH", u"CH", u"CH,ppm", u"CH,ppm", u"CH,ppm", u"CH,ppm",
     {u" CH", u"ppm"}, u"CH:", u"ppm", u"CH, ppm  ", false,
     0, 1, 5000, 5000, 1000, 1049},
    {Channel::Co2, u"CO2", u"CO2", u"CO2,%", u"CO2,%", u"CO2,%", u"CO2,%",
     {u"CO2", u"  %"}, u"CO2 : ", u" %", u"CO2,  %  ", true,
     2, 100, 20, 2000, 500, 549},
    {Channel::O2, u"O2", u"O2", u"O2,%", u"O2,%", u"O2,%", u"O2,%",
     {u"O2", u" %"}, u"O2 : ", u" %", u"O2,   %  ", true,
     2, 100, 25, 2500, 1000, 1049},
    {Channel::Lambda, u"Lam", u"lamb", u"Lam*0,1", u"Lamb", u"Lambda", u"λ",
     {u" λ", {}}, u"lam.: ", u"", u"Lambda   ", true,
     3, 100, 20, 2000, 1000, 1049},
    {Channel::Rpm, u"N", u"n", u"N,min-1", u"N,min-1", u"n,min-1", u"n,min-1",
     {u" N", u"min-1"}, u"n: ", u"min-1", u"N,об/мин ", false,
     0, 1, 5000, 5000, 800, 849},
}};
// clang-format on

constexpr const ChannelInfo &channelInfo(Channel channel) {
    return kChannelInfo[index(channel)];
}

constexpr bool tableInChannelOrder() {
    for (Channel channel : kAllChannels)
        if (channelInfo(channel).channel != channel)
            return false;
    return true;
}
static_assert(tableInChannelOrder(), "one row per channel, in channel order");

// The default full scales of the graph, in channel order.
constexpr PerChannel<qint32> defaultFullScales() {
    PerChannel<qint32> scales{};
    for (Channel channel : kAllChannels)
        scales[index(channel)] = channelInfo(channel).defaultFullScale;
    return scales;
}

// How many reading units one shown unit holds: 10^decimals (100 for CO in 0.01 %).
constexpr double readingsPerUnit(Channel channel) {
    double units = 1.0;
    for (int d = 0; d < channelInfo(channel).decimals; ++d)
        units *= 10.0;
    return units;
}

// A reading as the program writes it: fixed point with the channel's decimals and the
// locale's decimal separator ("1,50" for 150 of CO, "123" for CH, "1,002" for lambda).
QString readingText(Channel channel, qint32 value, const QLocale &locale = QLocale());
