#pragma once

#include <QString>
#include <QtGlobal>
#ifndef Q_OS_WIN
#include <QSerialPort>
#endif

// Decisions about serial port errors, kept apart from the port so they can be tested.
namespace SerialPortPolicy {

// Line errors (framing, parity, overrun, a slow write) are cleared and forgotten: the
// protocol resynchronises on bad frames. An error that means the device itself has gone
// (an unplugged USB adapter) is fatal: the channel closes so that nothing keeps talking
// to a dead handle and a new search can find the analyser again.
#ifndef Q_OS_WIN
bool isFatal(QSerialPort::SerialPortError error);
#endif

// Whether the system refuses this user to read and write the device by its owner, group
// and mode bits (on Linux a serial port usually belongs to the group dialout). Root is
// never refused; a device that does not exist is not refused either.
bool accessDenied(const QString &device);

// Whether an open that failed with this error failed because the user may not use the
// device, and not because another program holds it (both give PermissionError).
#ifndef Q_OS_WIN
bool isAccessRefused(QSerialPort::SerialPortError openError, const QString &device);
#endif

} // namespace SerialPortPolicy
