#include "vehicle_data.h"

QString DetailLabelFor(int vehicleFieldIndex) {
    switch (vehicleFieldIndex) {
    case 0:
        return QStringLiteral("Владелец:");
    case 1:
        return QStringLiteral("Марка:");
    case 2:
        return QStringLiteral("VIN:");
    default:
        return QString();
    }
}
