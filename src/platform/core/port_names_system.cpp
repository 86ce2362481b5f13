#include "port_names.h"

#include <QHash>
#include <QSerialPortInfo>

// The devices behind the port numbers on Linux: the serial devices Qt SerialPort reports,
// or the list in VELANTAR_PORTS.
namespace PortNames {

namespace {

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

QString devicePath(int portNumber) {
    if (portNumber < 1)
        return {};
    const QStringList ports = numberedPorts();
    return portNumber <= ports.size() ? ports.at(portNumber - 1) : QString();
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
    const QStringList ports = numberedPorts();
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
