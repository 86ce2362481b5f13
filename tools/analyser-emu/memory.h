#pragma once

#include <array>
#include <cstdint>

// One of the analyser's two memory spaces: 2048 bytes behind an 11-bit address.
// Words are stored high byte first; the word "at A" is named by its low byte,
// so it occupies A-1 (high) and A (low).
class MemorySpace {
public:
    static constexpr int Size = 2048;

    uint8_t byte(int address) const { return valid(address) ? bytes_[address] : 0; }
    void setByte(int address, uint8_t value) {
        if (valid(address))
            bytes_[address] = value;
    }
    uint16_t word(int address) const { return uint16_t(byte(address - 1) << 8 | byte(address)); }
    void setWord(int address, uint16_t value) {
        setByte(address - 1, uint8_t(value >> 8));
        setByte(address, uint8_t(value & 0xFF));
    }
    void setBits(int address, uint8_t mask, bool on) {
        setByte(address, on ? byte(address) | mask : byte(address) & ~mask);
    }

private:
    static bool valid(int address) { return address >= 0 && address < Size; }
    std::array<uint8_t, Size> bytes_{};
};

// Which analyser is emulated. The number is the one given on the command line.
enum class Kind { FourComponent = 4, TwoComponent = 2, Unknown = 0 };

// Addresses that differ between the two analysers. An address of 0 means the
// analyser has no such quantity. The unknown type keeps the four-component layout.
struct Layout {
    uint8_t typeCode;
    int co, ch, co2, o2, rpm, lambda; // words
    int clockControl, clockCentury, clockYear, clockMonth, clockDay, clockHours, clockMinutes,
        clockSeconds;
    int pumpAddress; // address and data a pump command must carry
    int pumpData;    //   (0: either of the two forms is accepted)
};

Layout layoutFor(Kind kind);

// Addresses the two analysers share.
namespace Addr {
constexpr int PumpFlags = 54;           // 0x20 zero setting running, 0x40 pump on
constexpr int CoCorrected = 305;        // word
constexpr int Pressure = 327;           // word, raw
constexpr int Cylinders = 451;          // byte
constexpr int TachoSensitivity = 470;   // byte
constexpr int ModeFlags = 882;          // byte
constexpr int OilTemperature = 947;     // word
constexpr int MenuFlags = 1353;         // byte
constexpr int ChannelBlock = 1548;      // four 64-byte blocks: CO, CH, CO2, O2
constexpr int ChannelStatusOffset = 33; // status byte inside a channel block
constexpr int CalibrationGas = 1549;    // word of gas g, cylinder s at +64g+2s
constexpr int TypeCode = 0x80;          // second space
constexpr int HeaderFirst = 256;        // second space, 64 bytes
constexpr int HeaderSecond = 320;       // second space, 64 bytes
constexpr int HeaderChecksum = 384;     // second space, at 384 and 385
constexpr int HeaderLength = 64;
} // namespace Addr

namespace Bit {
constexpr uint8_t ZeroSetting = 0x20; // pump flags
constexpr uint8_t PumpOn = 0x40;      // pump flags
constexpr uint8_t PressureMenu = 0x04;
constexpr uint8_t FuelPetrol = 0x08;
constexpr uint8_t CorrectedCo = 0x10;
constexpr uint8_t OilInsteadOfLambda = 0x20;
constexpr uint8_t FuelNaturalGas = 0x80;
constexpr uint8_t CylindersMenu = 0x10; // menu flags
constexpr uint8_t TachoMenu = 0x20;     // menu flags
} // namespace Bit
