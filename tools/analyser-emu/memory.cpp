#include "memory.h"

Layout layoutFor(Kind kind) {
    if (kind == Kind::TwoComponent)
        return Layout{.typeCode = 1,
                      .co = 289,
                      .ch = 291,
                      .co2 = 0,
                      .o2 = 0,
                      .rpm = 293,
                      .lambda = 0,
                      .clockControl = 393,
                      .clockCentury = 392,
                      .clockYear = 390,
                      .clockMonth = 389,
                      .clockDay = 388,
                      .clockHours = 386,
                      .clockMinutes = 385,
                      .clockSeconds = 384,
                      .pumpAddress = 50,
                      .pumpData = 32};
    Layout four{.typeCode = 2,
                .co = 307,
                .ch = 309,
                .co2 = 311,
                .o2 = 313,
                .rpm = 315,
                .lambda = 335,
                .clockControl = 377,
                .clockCentury = 376,
                .clockYear = 374,
                .clockMonth = 373,
                .clockDay = 372,
                .clockHours = 370,
                .clockMinutes = 369,
                .clockSeconds = 368,
                .pumpAddress = 56,
                .pumpData = 64};
    if (kind == Kind::Unknown) {
        // Same memory as the four-component analyser; a program that does not know
        // the type may send either form of the pump command.
        four.typeCode = 0;
        four.pumpAddress = 0;
        four.pumpData = 0;
    }
    return four;
}
