#pragma once

#include "tvelantar.h"

// Sets up the state of a TVelantar a test starts from: mirror bytes the analyser would have
// sent, flags, a half-taken frame, decoded values.
struct TVelantarProbe {
    using Image = std::array<quint8, TVelantar::ImageSize>;
    static Image &mainImage(TVelantar &v) { return v.MainImage; }
    static Image &auxImage(TVelantar &v) { return v.AuxImage; }
    static quint16 &stateFlags(TVelantar &v) { return v.StateFlags; }
    static ::FrameAssembler &frame(TVelantar &v) { return v.FrameAssembler; }
    static TVelantar::Decoded &decoded(TVelantar &v) { return v.decoded_; }
};
