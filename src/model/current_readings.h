#pragma once

#include "analyser_kind.h"
#include "channel.h"

#include <QString>
#include <QtGlobal>

#include <array>

// The six values shown, recorded and frozen as one unit, in channel order.
struct ReadingSample {
    qint16 co = 0;     // CO, 0.01 %
    qint16 ch = 0;     // CH, ppm
    qint16 co2 = 0;    // CO2, 0.01 %
    qint16 o2 = 0;     // O2, 0.01 %
    qint16 lambda = 0; // lambda, 0.001
    qint16 rpm = 0;    // engine speed, min-1

    // The field of a channel: the six above, in channel order.
    static constexpr qint16 ReadingSample::*field(Channel channel) {
        constexpr PerChannel<qint16 ReadingSample::*> fields = {
            &ReadingSample::co, &ReadingSample::ch,     &ReadingSample::co2,
            &ReadingSample::o2, &ReadingSample::lambda, &ReadingSample::rpm};
        return fields[index(channel)];
    }
    constexpr qint16 value(Channel channel) const { return this->*field(channel); }
    constexpr void setValue(Channel channel, qint16 value) { this->*field(channel) = value; }

    friend bool operator==(const ReadingSample &, const ReadingSample &) = default;
};

// The latest values from the analyser. Owned and written by the readings source (src/link),
// read by every view and by the report.
struct CurrentReadings {
    ReadingSample sample;
    qint32 oilTemperature = 0; // degrees C, the analyser's word taken as unsigned
    qint32 coCorrected = 0;    // 0.01 %
    qint32 pressure = 0;       // raw
    quint8 tachoSensitivity = 0;
    quint8 cylinders = 0;
    quint8 pumpFlags = 0; // 0x20 zero setting running, 0x40 pump on
    quint8 modeFlags = 0;
    std::array<quint8, 4> channelStatus{}; // CO, CH, CO2, O2
    quint8 menuFlags = 0;
    QString deviceDateText;
    QString deviceTimeText;
    AnalyserKind analyserKind = AnalyserKind::FourComponent;
    // Whether the values follow a live source: a found analyser's from its first poll cycle
    // with answers, or the running demonstration's; false at start-up, and from the moment
    // the link is lost or stopped, a search starts or the demonstration stops. Views show
    // not-current readings as "- - - -", the report does not record them and the graph takes
    // no sample of them.
    bool ReadingsCurrent = false;
};
