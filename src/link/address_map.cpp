#include "address_map.h"

namespace {

// Columns in entry order 1..20.
constexpr std::array<qint32, AddressMap::EntryCount> FourComponentMap = {
    307, 309, 311, 313, 315, 335, 257, 259, 261, 263, //
    153, 377, 376, 374, 373, 372, 370, 369, 368, 781};

constexpr std::array<qint32, AddressMap::EntryCount> TwoComponentMap = {
    289, 291, 1,   1,   293, 1,   257, 259, 257, 261, //
    151, 393, 392, 390, 389, 388, 386, 385, 384, 123};

} // namespace

void AddressMap::select(AnalyserKind kind) {
    entries_ = kind == AnalyserKind::TwoComponent ? TwoComponentMap : FourComponentMap;
}
