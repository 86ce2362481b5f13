#pragma once

#include "bcd_clock.h"
#include "memory.h"

#include <QString>
#include <QStringList>

#include <random>
#include <vector>

// Everything the analyser keeps: both memory spaces, its clock, the live readings
// and what happens when the program writes a byte. Readings drift slowly around
// their last set value, like an idling engine seen through a real gas bench.
class AnalyserState {
public:
    AnalyserState(Kind kind, const QDateTime &startTime, qint64 nowMs);

    MemorySpace &main() { return main_; }
    MemorySpace &aux() { return aux_; }
    BcdClock &clock() { return clock_; }

    // Brings the clock bytes up to date; call before memory is read.
    void advance(qint64 nowMs) { clock_.refresh(nowMs); }
    // One step of the slow random walk of every reading that drifts.
    void drift();

    // A reading by its command name (co, ch, co2, o2, lambda, rpm, coc, oil, pressure).
    // Returns false when this analyser has no such reading.
    bool setReading(const QString &name, int value);
    static QStringList readingNames();
    void setDrift(bool on);

    // Byte writes by the program; these carry the analyser's side effects.
    void writeMain(int address, uint8_t value, qint64 nowMs);
    void writeAux(int address, uint8_t value) { aux_.setByte(address, value); }
    // Pump command: 0x30 switches the pump on, 0xB0 switches it off.
    void pumpCommand(bool on, int address, uint8_t data);

    bool pumpOn() const { return main_.byte(Addr::PumpFlags) & Bit::PumpOn; }
    void setPump(bool on) { main_.setBits(Addr::PumpFlags, Bit::PumpOn, on); }
    void setZeroSetting(bool on) { main_.setBits(Addr::PumpFlags, Bit::ZeroSetting, on); }

private:
    struct Reading {
        QString name;
        int address; // word, 0 when this analyser has none
        int value, centre, spread, step;
        bool drifting = true;
    };
    void store(const Reading &r) { main_.setWord(r.address, uint16_t(r.value)); }
    void fillHeader(const QStringList &lines);

    Layout layout_;
    MemorySpace main_;
    MemorySpace aux_;
    BcdClock clock_;
    std::vector<Reading> readings_;
    std::minstd_rand random_{20050101};
};
