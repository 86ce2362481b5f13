#pragma once

#include <QByteArray>

#include <cstdint>
#include <functional>

class AnalyserState;

// A four-byte frame: header H, address low byte L, data D, checksum S.
// The address is (H & 7) * 256 + L; S = (H + L + D) mod 256.
struct Frame {
    uint8_t h = 0, l = 0, d = 0, s = 0;
    int address() const { return (h & 7) * 256 + l; }
    static uint8_t checksum(uint8_t h, uint8_t l, uint8_t d) { return uint8_t(h + l + d); }
    bool valid() const { return s == checksum(h, l, d); }
    QByteArray bytes() const {
        const char raw[4] = {char(h), char(l), char(d), char(s)};
        return QByteArray(raw, 4);
    }
};

// Collects requests from the line. A group of four bytes with a wrong checksum loses
// its first byte and the rest is tried again, so a stream that starts mid-frame or
// carries noise finds its frames again.
class FrameAssembler {
public:
    void feed(const QByteArray &bytes, const std::function<void(const Frame &)> &onFrame);

private:
    uint8_t buffer_[4] = {};
    int count_ = 0;
};

// What the analyser does with one request, and the bytes it answers (none for writes).
//   0x98+a word read:        H L low high       (no checksum)
//   0x90+a main byte read:   H L D S
//   0xD0+a second byte read: H L D S
//   0x10+a / 0x50+a:         byte write to the main / second space
//   0x30 / 0xB0:             pump on / pump off
QByteArray respond(AnalyserState &state, const Frame &request, qint64 nowMs);
