#include "frames.h"

#include "analyser_state.h"

#include <cstring>

void FrameAssembler::feed(const QByteArray &bytes,
                          const std::function<void(const Frame &)> &onFrame) {
    for (char c : bytes) {
        buffer_[count_++] = uint8_t(c);
        if (count_ < 4)
            continue;
        const Frame frame{buffer_[0], buffer_[1], buffer_[2], buffer_[3]};
        if (frame.valid()) {
            count_ = 0;
            onFrame(frame);
        } else {
            std::memmove(buffer_, buffer_ + 1, 3);
            count_ = 3;
        }
    }
}

static QByteArray byteAnswer(uint8_t h, uint8_t l, uint8_t d) {
    return Frame{h, l, d, Frame::checksum(h, l, d)}.bytes();
}

QByteArray respond(AnalyserState &state, const Frame &request, qint64 nowMs) {
    const int address = request.address();
    switch (request.h & 0xF8) {
    case 0x98: { // the word is sent low byte first, then the high byte
        const uint8_t low = state.main().byte(address);
        const uint8_t high = address > 0 ? state.main().byte(address - 1) : 0;
        return Frame{request.h, request.l, low, high}.bytes();
    }
    case 0x90:
        return byteAnswer(request.h, request.l, state.main().byte(address));
    case 0xD0:
        return byteAnswer(request.h, request.l, state.aux().byte(address));
    case 0x10:
        state.writeMain(address, request.d, nowMs);
        break;
    case 0x50:
        state.writeAux(address, request.d);
        break;
    case 0x30:
        state.pumpCommand(true, address, request.d);
        break;
    case 0xB0:
        state.pumpCommand(false, address, request.d);
        break;
    default: // not a request this analyser knows: ignored
        break;
    }
    return {};
}
