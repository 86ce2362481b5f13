#include "readings_copy.h"

#include "analyser_flags.h"
#include "current_readings.h"
#include "tvelantar.h"

namespace {

constexpr qint32 LambdaNotMeasured = 2000;

} // namespace

void copyDecodedReadings(const TVelantar &analyser, bool modeIndication,
                         CurrentReadings &readings) {
    ReadingSample &sample = readings.sample;
    sample.ch = qint16(analyser.ch);
    if (readings.analyserKind == AnalyserKind::FourComponent) {
        sample.co2 = qint16(analyser.co2);
        sample.o2 = qint16(analyser.o2);
        sample.lambda = analyser.lambda >= LambdaNotMeasured ? 0 : qint16(analyser.lambda);
    } else {
        sample.co2 = 0;
        sample.o2 = 1;
        sample.lambda = 0;
    }
    sample.rpm = qint16(analyser.rpm);

    readings.modeFlags = analyser.modeFlags;
    readings.channelStatus = analyser.channelStatus;
    readings.menuFlags = analyser.menuFlags;
    readings.coCorrected = analyser.coCorrected;
    readings.pressure = analyser.pressure;
    readings.oilTemperature = analyser.oilTemperature;
    readings.tachoSensitivity = analyser.tachoSensitivity;
    readings.pumpFlags = analyser.pumpFlags;
    readings.cylinders = analyser.cylinders;

    const bool corrected = modeIndication && (analyser.modeFlags & ModeFlag::CorrectedCo);
    sample.co = qint16(corrected ? analyser.coCorrected : analyser.co);
}
