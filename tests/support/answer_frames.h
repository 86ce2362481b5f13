#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <vector>

// The analyser's answer frames as the tests feed them to the parsers.
namespace AnswerFrames {

// A byte answer: header 0x90 + high address bits, low address byte, the data byte and the
// additive checksum.
inline QByteArray byteAnswer(int address, int data) {
    const quint8 h = quint8(0x90 + (address >> 8));
    const quint8 l = quint8(address & 0xFF);
    QByteArray out;
    out.append(char(h)).append(char(l)).append(char(data)).append(char(quint8(h + l + data)));
    return out;
}

// A word answer: header 0x98 + high address bits, low address byte, the low byte, then the
// high byte of the value; no checksum.
inline QByteArray wordAnswer(int address, int value) {
    QByteArray out;
    out.append(char(0x98 + (address >> 8)))
        .append(char(address & 0xFF))
        .append(char(value & 0xFF))
        .append(char((value >> 8) & 0xFF));
    return out;
}

inline std::vector<quint8> toBytes(const QByteArray &frame) {
    return std::vector<quint8>(frame.begin(), frame.end());
}

} // namespace AnswerFrames
