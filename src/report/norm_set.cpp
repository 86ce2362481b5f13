#include "norm_set.h"

namespace {

using FieldPointer = qint16 NormSet::*;

constexpr std::array<FieldPointer, NormSet::kFieldCount> kFields = {
    &NormSet::CoIdle,     &NormSet::CoElevated,     &NormSet::ChIdle,
    &NormSet::ChElevated, &NormSet::LambdaMin,      &NormSet::LambdaMax,
    &NormSet::IdleRpmMax, &NormSet::ElevatedRpmMin, &NormSet::ElevatedRpmMax,
};

bool validColumn(int column) {
    return column >= 0 && column < NormSet::kFieldCount;
}

} // namespace

qint16 NormSet::field(int column) const {
    return validColumn(column) ? this->*kFields[column] : qint16(0);
}

bool NormSet::setField(int column, qint16 value) {
    if (!validColumn(column))
        return false;
    this->*kFields[column] = value;
    return true;
}

Channel ChannelOfColumn(int column) {
    if (column <= CoElevatedColumn)
        return Channel::Co;
    if (column <= ChElevatedColumn)
        return Channel::Ch;
    if (column <= LambdaMaxColumn)
        return Channel::Lambda;
    return Channel::Rpm;
}
