#include "analyser_state.h"

#include <algorithm>

AnalyserState::AnalyserState(Kind kind, const QDateTime &startTime, qint64 nowMs)
    : layout_(layoutFor(kind)), clock_(main_, layout_) {
    const Layout &l = layout_;
    //            name         address        value  centre spread step
    readings_ = {{"co", l.co, 50, 50, 20, 2},
                 {"ch", l.ch, 150, 150, 60, 5},
                 {"co2", l.co2, 1450, 1450, 40, 3},
                 {"o2", l.o2, 50, 50, 20, 2},
                 {"lambda", l.lambda, 1000, 1000, 15, 2},
                 {"rpm", l.rpm, 800, 800, 40, 10},
                 {"coc", Addr::CoCorrected, 52, 52, 20, 2},
                 {"oil", Addr::OilTemperature, 80, 80, 3, 1},
                 {"pressure", Addr::Pressure, 15500, 15500, 30, 2}}; // 15500 is about 759 mm Hg
    for (const Reading &r : readings_)
        if (r.address)
            store(r);

    aux_.setByte(Addr::TypeCode, layout_.typeCode);
    fillHeader({"SERVICE STATION", "EXHAUST GAS TEST", "TEL. 000-00-00", "THANK YOU"});

    // Raw words the program polls without interpreting them (sensor signals).
    main_.setWord(257, 1210);
    main_.setWord(259, 2045);
    main_.setWord(261, 1630);
    main_.setWord(263, 512);
    main_.setWord(kind == Kind::TwoComponent ? 151 : 153, 27);

    main_.setByte(Addr::ModeFlags, Bit::FuelPetrol);
    main_.setByte(Addr::Cylinders, 4);
    main_.setByte(Addr::TachoSensitivity, 3);

    // Calibration gas cylinders 1 to 3: CO in 0.01 %, CH in ppm, CO2 in 0.01 %.
    const int gas[3][3] = {{50, 200, 500}, {100, 1000, 3000}, {500, 1000, 1400}};
    for (int g = 0; g < 3; ++g)
        for (int s = 0; s < 3; ++s)
            main_.setWord(Addr::CalibrationGas + 64 * g + 2 * s, uint16_t(gas[g][s]));

    clock_.set(startTime, nowMs);
}

void AnalyserState::fillHeader(const QStringList &lines) {
    // Lines of at most 21 characters, each ended by a zero byte, padded with spaces;
    // the last of the 64 bytes is always zero.
    QByteArray header;
    for (const QString &line : lines)
        header += line.left(21).toLatin1() + '\0';
    header = header.leftJustified(Addr::HeaderLength - 1, ' ', true) + '\0';
    uint8_t sum = 0;
    for (int i = 0; i < Addr::HeaderLength; ++i) {
        aux_.setByte(Addr::HeaderFirst + i, uint8_t(header[i]));
        aux_.setByte(Addr::HeaderSecond + i, uint8_t(header[i]));
        sum = uint8_t(sum + uint8_t(header[i]));
    }
    aux_.setByte(Addr::HeaderChecksum, sum);
    aux_.setByte(Addr::HeaderChecksum + 1, sum);
}

void AnalyserState::drift() {
    for (Reading &r : readings_) {
        if (!r.address || !r.drifting)
            continue;
        const int step = std::uniform_int_distribution<int>(-r.step, r.step)(random_);
        r.value += step + (r.centre - r.value) / 8;
        r.value = std::clamp(r.value, r.centre - r.spread, r.centre + r.spread);
        store(r);
    }
}

bool AnalyserState::setReading(const QString &name, int value) {
    for (Reading &r : readings_) {
        if (r.name != name)
            continue;
        if (!r.address)
            return false;
        r.value = r.centre = value;
        r.drifting = false;
        store(r);
        return true;
    }
    return false;
}

QStringList AnalyserState::readingNames() {
    return {"co", "ch", "co2", "o2", "lambda", "rpm", "coc", "oil", "pressure"};
}

void AnalyserState::setDrift(bool on) {
    for (Reading &r : readings_)
        r.drifting = on;
}

void AnalyserState::writeMain(int address, uint8_t value, qint64 nowMs) {
    if (address == layout_.clockControl) {
        clock_.control(value, nowMs);
        return;
    }
    // Everything else is simply kept, including the service byte (781 on the
    // four-component, 123 on the two-component analyser) the program writes before
    // each header transfer: the header bytes then arrive as plain second-space writes.
    main_.setByte(address, value);
}

void AnalyserState::pumpCommand(bool on, int address, uint8_t data) {
    const bool fourForm = address == 56 && data == 64;
    const bool twoForm = address == 50 && data == 32;
    const bool accepted = layout_.pumpAddress
                              ? address == layout_.pumpAddress && data == layout_.pumpData
                              : fourForm || twoForm;
    if (accepted)
        setPump(on);
}
