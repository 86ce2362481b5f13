#pragma once

#include "channel_info.h"

#include <QtGlobal>

#include <array>

// The grid column of each limit; also its place in NormSet and in the norms file record.
enum NormColumn : int {
    CoIdleColumn = 0,
    CoElevatedColumn = 1,
    ChIdleColumn = 2,
    ChElevatedColumn = 3,
    LambdaMinColumn = 4,
    LambdaMaxColumn = 5,
    IdleRpmMaxColumn = 6,
    ElevatedRpmMinColumn = 7,
    ElevatedRpmMaxColumn = 8,
};

// The emission limits of one vehicle category with one after-treatment variant, in the units
// of the readings. A CO, CH or lambda limit of 0 means "no limit".
struct NormSet {
    static constexpr int kFieldCount = 9;

    qint16 CoIdle = 0;         // 0.01 % vol, highest CO at minimal idle speed
    qint16 CoElevated = 0;     // 0.01 % vol, highest CO at elevated idle speed
    qint16 ChIdle = 0;         // ppm, highest CH at minimal idle speed
    qint16 ChElevated = 0;     // ppm, highest CH at elevated idle speed
    qint16 LambdaMin = 0;      // 0.001, lower end of the lambda window (elevated speed)
    qint16 LambdaMax = 0;      // 0.001, upper end of the lambda window
    qint16 IdleRpmMax = 0;     // rpm, highest speed while the minimal-speed limits apply
    qint16 ElevatedRpmMin = 0; // rpm, lower end of the elevated-speed band
    qint16 ElevatedRpmMax = 0; // rpm, upper end of the elevated-speed band

    // The field in a grid column (NormColumn); 0 for a column outside 0..8.
    qint16 field(int column) const;
    // Sets the field in a grid column; false (and nothing changed) outside 0..8.
    bool setField(int column, qint16 value);

    friend bool operator==(const NormSet &, const NormSet &) = default;
};

// A CO, CH or lambda limit at or above its channel's ChannelInfo::displayMaximum is
// "no limit".
constexpr qint16 displayMaximum(Channel channel) {
    return channelInfo(channel).displayMaximum;
}

// The channel a grid column limits (CO, CH, lambda or engine speed).
Channel ChannelOfColumn(int column);
