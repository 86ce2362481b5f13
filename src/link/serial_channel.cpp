#include "serial_channel.h"

std::array<quint8, 4> SerialChannel::commandFrame(quint8 b0, quint8 b1, quint8 b2) {
    return {b0, b1, b2, quint8(b0 + b1 + b2)};
}

bool SerialChannel::SendCommand(quint8 b0, quint8 b1, quint8 b2) {
    if (!IsOpen())
        return false;
    const auto frame = commandFrame(b0, b1, b2);
    return Write(frame.data(), quint16(frame.size())) == int(frame.size());
}
