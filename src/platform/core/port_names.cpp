#include "port_names.h"

#include <QHash>
#include <QRegularExpression>
#include <QSerialPortInfo>

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

QStringList systemPorts() {
    QStringList paths;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        paths << info.systemLocation();
    return orderedSystemPorts(paths);
}

// The device path of every port number, COM1 first (an empty entry: no such port).
QStringList numberedPorts() {
    if (qEnvironmentVariableIsSet("VELANTAR_PORTS"))
        return qEnvironmentVariable("VELANTAR_PORTS").split(':');
    return systemPorts();
}

// The serial number of each device the system reports, by path and by port name.
QHash<QString, QString> serialNumbers() {
    QHash<QString, QString> numbers;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
        numbers.insert(info.systemLocation(), info.serialNumber());
        numbers.insert(info.portName(), info.serialNumber());
    }
    return numbers;
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

QString devicePath(int portNumber) {
    if (portNumber < 1)
        return {};
#ifdef Q_OS_WIN
    return displayName(portNumber);
#else
    const QStringList ports = numberedPorts();
    return portNumber <= ports.size() ? ports.at(portNumber - 1) : QString();
#endif
}

PortIdentity identityOf(int portNumber) {
    const QString path = devicePath(portNumber);
    if (path.isEmpty())
        return {};
    return {path, serialNumbers().value(path)};
}

int portNumberOf(const PortIdentity &identity) {
    if (identity.isNull())
        return 0;
#ifdef Q_OS_WIN
    QStringList ports;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
        const int number = info.portName().mid(3).toInt();
        if (number > 0) {
            while (ports.size() < number)
                ports << QString();
            ports[number - 1] = info.portName();
        }
    }
#else
    const QStringList ports = numberedPorts();
#endif
    const QHash<QString, QString> numbers = serialNumbers();
    for (int i = 0; i < ports.size(); ++i) {
        const QString &path = ports.at(i);
        if (path.isEmpty())
            continue;
        const QString serialNumber = numbers.value(path);
        // Without a serial number only the path tells, and then only for a device that has
        // none either.
        const bool same = identity.serialNumber.isEmpty()
                              ? path == identity.devicePath && serialNumber.isEmpty()
                              : serialNumber == identity.serialNumber;
        if (same)
            return i + 1;
    }
    return 0;
}

} // namespace PortNames
