#include "port_names.h"

#include <windows.h>

// The devices behind the port numbers on Windows: COMn is the device itself, whether a
// built-in port or a USB adapter the driver gave that number.
namespace PortNames {

namespace {

// Whether the system knows a device of that name now (an unplugged adapter's port is gone).
bool exists(const QString &portName) {
    wchar_t target[512];
    return QueryDosDeviceW(reinterpret_cast<const wchar_t *>(portName.utf16()), target,
                           DWORD(std::size(target))) != 0;
}

} // namespace

QString devicePath(int portNumber) {
    if (portNumber < 1)
        return {};
    return displayName(portNumber);
}

PortIdentity identityOf(int portNumber) {
    const QString path = devicePath(portNumber);
    if (path.isEmpty())
        return {};
    return {path, QString()};
}

int portNumberOf(const PortIdentity &identity) {
    if (identity.isNull() || !identity.devicePath.startsWith(QLatin1String("COM")))
        return 0;
    const int number = identity.devicePath.mid(3).toInt();
    return number > 0 && exists(identity.devicePath) ? number : 0;
}

} // namespace PortNames
