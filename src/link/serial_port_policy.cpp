#include "serial_port_policy.h"

namespace SerialPortPolicy {

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

} // namespace SerialPortPolicy
