#pragma once

#include "analyser_kind.h"

#include <QtGlobal>

#include <array>

// The main-space addresses that differ between the two analyser kinds: the readings,
// a few words polled for the analyser's sake, the clock bytes and the header service
// byte. Entries are numbered 1 to 20; an address of 1 marks a quantity the analyser
// does not have.
class AddressMap {
public:
    enum Entry {
        CoWord = 1,
        ChWord = 2,
        Co2Word = 3,
        O2Word = 4,
        RpmWord = 5,
        LambdaWord = 6,
        PolledWord7 = 7,
        PolledWord8 = 8,
        PolledWord9 = 9,
        PolledWord10 = 10,
        PolledWord11 = 11,
        ClockControl = 12,
        ClockCentury = 13,
        ClockYear = 14,
        ClockMonth = 15,
        ClockDay = 16,
        ClockHours = 17,
        ClockMinutes = 18,
        ClockSeconds = 19,
        HeaderService = 20,
    };
    static constexpr int EntryCount = 20;
    // The address the map gives a quantity the analyser does not have.
    static constexpr qint32 Missing = 1;

    // Starts with the four-component map, the one selected at start-up.
    AddressMap() { select(AnalyserKind::FourComponent); }

    // Loads the column of the given kind; an unknown kind is treated as four-component.
    void select(AnalyserKind kind);

    qint32 operator[](int entry) const { return entries_.at(entry - 1); }

private:
    std::array<qint32, EntryCount> entries_{};
};
