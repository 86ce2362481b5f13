#pragma once

#include "norm_set.h"

#include <array>

// The limits of every vehicle category (0 "M1,N1", 1 "M2,M3,N2,N3", 2 "Настройка1",
// 3 "Настройка2") with every after-treatment variant (0 none, 1 two-way, 2 three-way,
// 3 built before 1 October 1986). Categories 0 and 1 hold the fixed GOST R 52033-2003 limits;
// categories 2 and 3 start as copies of them and are set by hand.
//
// The selection comes from the settings file, which may be damaged, so every accessor takes
// any int: a category or variant outside 0..3 is read as 0, its default.
class NormTable {
public:
    static constexpr int kCategoryCount = 4;
    static constexpr int kVariantCount = 4;

    // Every category with its built-in limits.
    NormTable();

    // The built-in limits of the fixed category 0 or 1 (any other index reads as 0).
    static const NormSet &builtIn(int fixedCategory, int variant);

    // True for the categories set by hand (2 and 3).
    static bool isHandSet(int category);

    // The row [category][variant]; out-of-range indices read as 0.
    const NormSet &row(int category, int variant) const;

    // Replaces the row of a hand-set category. False, and nothing changed, for a fixed
    // category or an index outside 0..3.
    bool setRow(int category, int variant, const NormSet &limits);

    friend bool operator==(const NormTable &, const NormTable &) = default;

private:
    std::array<std::array<NormSet, kVariantCount>, kCategoryCount> rows_{};
};

// A selection index as the table reads it: inside 0..3 as it is, anything else 0.
int NormCategoryIndex(int vehicleCategory);
int NormVariantIndex(int catalystKind);
