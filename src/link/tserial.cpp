#include "tserial.h"

#include "log_categories.h"
#include "serial_port_policy.h"
#include "serial_trace.h"

#include <QSerialPort>

#include <algorithm>
#include <limits>

TSerial::TSerial() : port_(std::make_unique<QSerialPort>()) {}

bool TSerial::openDevice(const QString &device, int) {
    port_->setPortName(device);
    if (port_->open(QIODevice::ReadWrite))
        return true;
    if (SerialPortPolicy::isAccessRefused(port_->error(), device))
        refusedDevice_ = device;
    return false;
}

bool TSerial::configureLine(int baudRate) {
    const bool configured =
        port_->setBaudRate(baudRate) && port_->setDataBits(QSerialPort::Data8) &&
        port_->setParity(QSerialPort::NoParity) && port_->setStopBits(QSerialPort::TwoStop) &&
        port_->setFlowControl(QSerialPort::NoFlowControl);
    if (!configured)
        return false;
    // The driver queue of the original line: at most this much input is held for us.
    port_->setReadBufferSize(QueueSize);
    port_->clear(QSerialPort::AllDirections);
    port_->clearError();
    return true;
}

bool TSerial::clearErrors() {
    if (!open_)
        return false;
    const QSerialPort::SerialPortError error = port_->error();
    if (SerialPortPolicy::isFatal(error)) {
        qCWarning(lcLink).noquote() << QStringLiteral("COM%1 (%2) lost: %3")
                                           .arg(portNumber_)
                                           .arg(port_->portName(), port_->errorString());
        Close();
        return false;
    }
    // Clearing looks up the translated "No error" text each time: done only when there is
    // an error, as this runs several times on every receive tick.
    if (error != QSerialPort::NoError)
        port_->clearError();
    return true;
}

void TSerial::takeArrivedBytes() {
    // A zero wait only looks at the device; it never blocks. It lets the port fill its
    // buffer even when no event loop runs between two calls (as in tests driving the
    // link tick by tick).
    port_->waitForReadyRead(0);
}

int TSerial::BytesWaiting() {
    if (!clearErrors())
        return 0;
    takeArrivedBytes();
    if (!clearErrors())
        return 0;
    return int(std::min<qint64>(port_->bytesAvailable(), std::numeric_limits<int>::max()));
}

qint64 TSerial::readDevice(quint8 *buffer, qint64 count) {
    return port_->read(reinterpret_cast<char *>(buffer), count);
}

int TSerial::Write(const quint8 *buffer, quint16 count) {
    if (!clearErrors() || count == 0)
        return 0;
    const qint64 queued = port_->write(reinterpret_cast<const char *>(buffer), count);
    if (queued <= 0)
        return 0;
    if (port_->bytesToWrite() > 0)
        port_->waitForBytesWritten(WriteWaitMs);
    if (port_->bytesToWrite() > 0) {
        // Not gone within the driver's time-out: the line is stuck. Count it as nothing
        // written and drop the rest, so a stale request never reaches the analyser late.
        port_->clear(QSerialPort::Output);
        clearErrors();
        return 0;
    }
    clearErrors();
    if (SerialTrace *trace = SerialTrace::current())
        trace->record(SerialTrace::Direction::Sent, buffer, int(queued));
    return int(queued);
}
