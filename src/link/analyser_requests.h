#pragma once

#include <QtGlobal>

// The requests the program puts on the wire, as the three bytes header, address low
// byte, data; the channel appends the checksum. Addresses are 11 bits: bits 8 to 10
// travel in the low bits of the header.
struct AnalyserRequest {
    quint8 header = 0;
    quint8 address = 0;
    quint8 data = 0;

    friend bool operator==(const AnalyserRequest &, const AnalyserRequest &) = default;
};

namespace AnalyserRequests {

constexpr quint8 highBits(int address) {
    return quint8((address >> 8) & 0x07);
}
constexpr quint8 lowByte(int address) {
    return quint8(address & 0xFF);
}

// Read the main-space word whose low byte is at address.
constexpr AnalyserRequest wordRead(int address) {
    return {quint8(0x98 + highBits(address)), lowByte(address), 0};
}
// Read the main-space byte at address; the data byte is not looked at by the analyser.
constexpr AnalyserRequest byteRead(int address, quint8 data = 0) {
    return {quint8(0x90 + highBits(address)), lowByte(address), data};
}
constexpr AnalyserRequest byteWrite(int address, quint8 data) {
    return {quint8(0x10 + highBits(address)), lowByte(address), data};
}
constexpr AnalyserRequest auxByteRead(int address) {
    return {quint8(0xD0 + highBits(address)), lowByte(address), 0};
}
constexpr AnalyserRequest auxByteWrite(int address, quint8 data) {
    return {quint8(0x50 + highBits(address)), lowByte(address), data};
}

// Whether the analyser answers a request with this header: the reads do (word, byte, second
// space); writes and the pump commands get no answer.
constexpr bool expectsAnswer(quint8 header) {
    const quint8 kind = header & 0xF8;
    return kind == 0x98 || kind == 0x90 || kind == 0xD0;
}

// The printer header lives in the second space from address 256: the header lines, and two
// checksum bytes at 384 and 385. The header service writes it with second-space writes whose
// header byte, 0x51, carries the address bits 8..10 = 1; it reads it back likewise (0xD1).
constexpr int HeaderAddress = 256;
constexpr quint8 HeaderWriteCode = auxByteWrite(HeaderAddress, 0).header;
constexpr quint8 HeaderReadCode = auxByteRead(HeaderAddress).header;
static_assert(HeaderWriteCode == 0x51 && HeaderReadCode == 0xD1);

// The type code lives at second-space address 0x80.
constexpr int TypeCodeAddress = 0x80;
constexpr AnalyserRequest typeRequest() {
    return auxByteRead(TypeCodeAddress);
}

} // namespace AnalyserRequests
