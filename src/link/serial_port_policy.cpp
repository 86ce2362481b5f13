#include "serial_port_policy.h"

#include <QFile>

#ifndef Q_OS_WIN
#include <cerrno>
#include <unistd.h>
#endif

namespace SerialPortPolicy {

#ifndef Q_OS_WIN
bool isFatal(QSerialPort::SerialPortError error) {
    switch (error) {
    case QSerialPort::ResourceError:
    case QSerialPort::DeviceNotFoundError:
    case QSerialPort::PermissionError:
    case QSerialPort::NotOpenError:
        return true;
    default:
        return false;
    }
}
#endif

bool accessDenied(const QString &device) {
#ifdef Q_OS_WIN
    Q_UNUSED(device);
    return false;
#else
    if (device.isEmpty())
        return false;
    return ::access(QFile::encodeName(device).constData(), R_OK | W_OK) != 0 && errno == EACCES;
#endif
}

#ifndef Q_OS_WIN
bool isAccessRefused(QSerialPort::SerialPortError openError, const QString &device) {
    return openError == QSerialPort::PermissionError && accessDenied(device);
}
#endif

} // namespace SerialPortPolicy
