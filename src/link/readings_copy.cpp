#include "readings_copy.h"

#include "analyser_flags.h"
#include "current_readings.h"
#include "tvelantar.h"

namespace {

constexpr qint32 LambdaNotMeasured = 2000;

} // namespace

void copyDecodedReadings(const TVelantar &analyser, bool modeIndication,
                         CurrentReadings &readings) {
    const TVelantar::Decoded &decoded = analyser.decoded();
    ReadingSample &sample = readings.sample;
    sample.ch = qint16(decoded.ch);
    if (readings.analyserKind == AnalyserKind::FourComponent) {
        sample.co2 = qint16(decoded.co2);
        sample.o2 = qint16(decoded.o2);
        sample.lambda = decoded.lambda >= LambdaNotMeasured ? 0 : qint16(decoded.lambda);
    } else {
        sample.co2 = 0;
        sample.o2 = 1;
        sample.lambda = 0;
    }
    sample.rpm = qint16(decoded.rpm);

    readings.modeFlags = decoded.modeFlags;
    readings.channelStatus = decoded.channelStatus;
    readings.menuFlags = decoded.menuFlags;
    readings.coCorrected = decoded.coCorrected;
    readings.pressure = decoded.pressure;
    readings.oilTemperature = decoded.oilTemperature;
    readings.tachoSensitivity = decoded.tachoSensitivity;
    readings.pumpFlags = decoded.pumpFlags;
    readings.cylinders = decoded.cylinders;

    const bool corrected = modeIndication && (decoded.modeFlags & ModeFlag::CorrectedCo);
    sample.co = qint16(corrected ? decoded.coCorrected : decoded.co);
}
