#pragma once

#include "channel_info.h"
#include "current_readings.h"

#include <QLocale>
#include <QString>

#include <array>

// The scaling between a reading in its own units (CO, CO2, O2 in 0.01 %, CH in ppm, lambda in
// 0.001, engine speed in min-1) and per mille of the channel's full scale, which is what the
// chart draws. A channel is given by its place in channel order, index(Channel).

// Full scales as set in the options: CO, CO2, O2 in %, CH in ppm, lambda in tenths, engine
// speed in min-1.
using FullScales = PerChannel<qint32>;
// One value per channel in the reading's own units.
using ChannelValues = PerChannel<qint32>;
using GraphChannelTexts = PerChannel<QString>;

namespace ChannelScale {

// The channels' default full scales (channel_info.h).
FullScales defaultFullScales();

// A full scale of 0 or below (only a damaged settings file holds one) is replaced by the
// channel's default, so the scaling never divides by it.
qint32 guarded(int channel, qint32 fullScale);
FullScales guarded(const FullScales &fullScales);

qint32 reading(const ReadingSample &sample, int channel);

// The value in per mille of the full scale, truncated toward zero: 150 (1.50 % CO) at 10 %
// gives 150, 123 ppm CH at 5000 ppm gives 24.
qint32 perMille(int channel, qint32 value, qint32 fullScale);

// A per-mille value back in the reading's units, rounded to nearest with halves to even:
// 24 per mille of 5000 ppm gives 120 ppm. This is the value the read-out shows and the graph
// file and the text export hold.
qint32 units(int channel, qint32 perMilleValue, qint32 fullScale);

// The value as far as the graph keeps it: scaled to per mille and back.
qint32 recorded(int channel, qint32 value, qint32 fullScale);
// All six at once. No value ends further from zero than it was, so each fits 16 bits again.
ReadingSample recorded(const ReadingSample &sample, const FullScales &fullScales);

// The value as exported: 2 decimals for CO, CO2, O2, 3 for lambda, integers otherwise.
QString unitsText(int channel, qint32 unitsValue, const QLocale &locale = QLocale());

// The value as the cursor read-out shows it: one space and the exported text, or one space
// and "- - - -" for a lambda recorded as 0 per mille (no valid lambda).
QString readOutText(int channel, qint32 perMilleValue, qint32 unitsValue,
                    const QLocale &locale = QLocale());

// The chart legend's title of a channel: "CO : 10 %", "CH:5000ppm", "lam.: 2,00", ...
QString legendTitle(int channel, qint32 fullScale, const QLocale &locale = QLocale());

} // namespace ChannelScale
