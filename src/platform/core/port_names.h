#pragma once

#include <QString>
#include <QStringList>

// Maps the port numbers the user sees (COM1, COM2, ...) to devices of this system.
//
// On Windows COMn is the device itself. Elsewhere the environment variable
// VELANTAR_PORTS, when set, is a colon-separated list of device paths: the first is
// COM1, the second COM2, and an empty entry means that port does not exist. Without it,
// COMn is the n-th serial device the system reports, USB and ACM adapters first, then
// the built-in ttyS ports, so an analyser on a USB adapter is found by the default search.
namespace PortNames {

// The name shown to the user for a port number: "COM3".
QString displayName(int portNumber);

// The device path behind a port number, or an empty string when the port does not exist.
QString devicePath(int portNumber);

// Orders device paths the way the default search walks them: USB adapters, ACM
// adapters, the built-in ttyS ports by number, then anything else by name.
QStringList orderedSystemPorts(const QStringList &devicePaths);

} // namespace PortNames
