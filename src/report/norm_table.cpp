#include "norm_table.h"

namespace {

using VariantRows = std::array<NormSet, NormTable::kVariantCount>;

// Fields in NormSet order: CO idle, CO elevated, CH idle, CH elevated, lambda min, lambda max,
// idle rpm max, elevated rpm min, elevated rpm max.
constexpr std::array<VariantRows, 2> kBuiltIn = {{
    {{
        {350, 200, 1200, 600, 0, 0, 1100, 2500, 3500},
        {100, 60, 400, 200, 0, 0, 1100, 2000, 3500},
        {50, 30, 100, 100, 970, 1030, 1100, 2000, 3500},
        {450, 0, 0, 0, 0, 0, 1100, 2500, 3500},
    }},
    {{
        {350, 200, 2500, 1000, 0, 0, 900, 2000, 2800},
        {100, 60, 600, 300, 0, 0, 900, 2000, 2800},
        {50, 30, 200, 200, 970, 1030, 900, 2000, 2800},
        {450, 0, 0, 0, 0, 0, 900, 2000, 2800},
    }},
}};

bool inRange(int index, int count) {
    return index >= 0 && index < count;
}

} // namespace

int NormCategoryIndex(int vehicleCategory) {
    return inRange(vehicleCategory, NormTable::kCategoryCount) ? vehicleCategory : 0;
}

int NormVariantIndex(int catalystKind) {
    return inRange(catalystKind, NormTable::kVariantCount) ? catalystKind : 0;
}

NormTable::NormTable() {
    // Category 2 starts from category 0 and category 3 from category 1.
    for (int category = 0; category < kCategoryCount; ++category)
        rows_[category] = kBuiltIn[category % 2];
}

const NormSet &NormTable::builtIn(int fixedCategory, int variant) {
    const int category = inRange(fixedCategory, 2) ? fixedCategory : 0;
    return kBuiltIn[category][NormVariantIndex(variant)];
}

bool NormTable::isHandSet(int category) {
    return category == 2 || category == 3;
}

const NormSet &NormTable::row(int category, int variant) const {
    return rows_[NormCategoryIndex(category)][NormVariantIndex(variant)];
}

bool NormTable::setRow(int category, int variant, const NormSet &limits) {
    if (!isHandSet(category) || !inRange(variant, kVariantCount))
        return false;
    rows_[category][variant] = limits;
    return true;
}
