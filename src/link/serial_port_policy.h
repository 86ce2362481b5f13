#pragma once

#include <QSerialPort>

// Decisions about serial port errors, kept apart from the port so they can be tested.
namespace SerialPortPolicy {

// Line errors (framing, parity, overrun, a slow write) are cleared and forgotten: the
// protocol resynchronises on bad frames. An error that means the device itself has gone
// (an unplugged USB adapter) is fatal: the channel closes so that nothing keeps talking
// to a dead handle and a new search can find the analyser again.
bool isFatal(QSerialPort::SerialPortError error);

} // namespace SerialPortPolicy
