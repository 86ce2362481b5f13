#pragma once

#include <QString>
#include <QStringList>

// Maps the port numbers the user sees (COM1, COM2, ...) to devices of this system.
//
// On Windows COMn is the device itself (a USB adapter gets its number from its driver). Elsewhere
// the environment variable VELANTAR_PORTS, when set, is a colon-separated list of device paths: the
// first is COM1, the second COM2, and an empty entry means that port does not exist. Without it,
// COMn is the n-th serial device the system reports, USB and ACM adapters first, then
// the built-in ttyS ports, so an analyser on a USB adapter is found by the default search.
namespace PortNames {

// The name shown to the user for a port number: "COM3".
QString displayName(int portNumber);

// The device path behind a port number, or an empty string when the port does not exist.
QString devicePath(int portNumber);

// What tells one serial device from another when adapters come and go: its path, and a
// USB adapter's serial number when it reports one (an adapter plugged in again may get
// another path, and another device may get its old one).
struct PortIdentity {
    QString devicePath;
    QString serialNumber;
    bool isNull() const { return devicePath.isEmpty(); }
    friend bool operator==(const PortIdentity &, const PortIdentity &) = default;
};

// The device behind a port number now; empty when the port does not exist.
PortIdentity identityOf(int portNumber);

// The port number under which the device of `identity` is reachable now: the port whose
// device has the same serial number when the identity has one, otherwise the one with the
// same device path. 0 when the device is not there (another device on its old path does
// not count).
int portNumberOf(const PortIdentity &identity);

// Orders device paths the way the default search walks them: USB adapters, ACM
// adapters, the built-in ttyS ports by number, then anything else by name.
QStringList orderedSystemPorts(const QStringList &devicePaths);

} // namespace PortNames
