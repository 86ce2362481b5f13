#include "port_names.h"

#include <QRegularExpression>

#include <algorithm>

namespace PortNames {

namespace {

int deviceRank(const QString &path) {
    const QString name = path.section('/', -1);
    if (name.startsWith("ttyUSB"))
        return 0;
    if (name.startsWith("ttyACM"))
        return 1;
    if (name.startsWith("ttyS"))
        return 2;
    return 3;
}

// The trailing number of a device name, so that ttyS10 sorts after ttyS2.
int deviceIndex(const QString &path) {
    static const QRegularExpression trailingDigits("(\\d+)$");
    const auto match = trailingDigits.match(path);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

} // namespace

QString displayName(int portNumber) {
    return QStringLiteral("COM%1").arg(portNumber);
}

QStringList orderedSystemPorts(const QStringList &devicePaths) {
    QStringList sorted = devicePaths;
    std::stable_sort(sorted.begin(), sorted.end(), [](const QString &a, const QString &b) {
        const int rankA = deviceRank(a), rankB = deviceRank(b);
        if (rankA != rankB)
            return rankA < rankB;
        const int indexA = deviceIndex(a), indexB = deviceIndex(b);
        if (indexA != indexB)
            return indexA < indexB;
        return a < b;
    });
    return sorted;
}

} // namespace PortNames
