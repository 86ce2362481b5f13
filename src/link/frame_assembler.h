#pragma once

#include <QtGlobal>

#include <array>

// The four bytes of the frame being assembled from the line, with how many are in.
// Both the polling and the detection parser fill the same assembler.
struct FrameAssembler {
    std::array<quint8, 4> bytes{};
    qint32 count = 0;

    // Adds one byte; true when the frame is complete.
    bool add(quint8 byte) {
        bytes[count++] = byte;
        return count == 4;
    }
    // Drops the first byte and keeps the other three, to find a frame start again in a
    // stream that began mid-frame.
    void shiftByOne() {
        bytes = {bytes[1], bytes[2], bytes[3], 0};
        count = 3;
    }

    quint8 header() const { return bytes[0]; }
    quint8 data() const { return bytes[2]; }
    // The 11-bit address: bits 0 to 2 of the header are address bits 8 to 10.
    int address() const { return (bytes[0] & 0x07) * 256 + bytes[1]; }
    bool checksumValid() const { return quint8(bytes[0] + bytes[1] + bytes[2]) == bytes[3]; }
    // A word answer: header 0x98 to 0x9F, then address, low byte, high byte, no checksum.
    bool isWordHeader() const { return (bytes[0] >> 3) == 0x13; }
};
