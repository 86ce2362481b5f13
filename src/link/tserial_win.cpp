#include "tserial.h"

#include "log_categories.h"
#include "serial_trace.h"
#include "win_com_port.h"

#include <algorithm>
#include <limits>

// TSerial on Windows: the same channel over the Win32 communications functions (WinComPort),
// as Qt SerialPort is not part of the Windows build.

TSerial::TSerial() : port_(std::make_unique<WinComPort>()) {}

bool TSerial::openDevice(const QString &device, int baudRate) {
    // Windows keeps no owner and mode bits on a COM port: an open refused there means
    // another program holds it, which is not a refusal of this user (no refused device).
    return port_->open(device, baudRate, QueueSize, WriteWaitMs);
}

bool TSerial::configureLine(int) {
    // The line is set up as the port is opened.
    return true;
}

bool TSerial::clearErrors() {
    if (!open_)
        return false;
    if (port_->bytesWaiting() >= 0)
        return true;
    qCWarning(lcLink).noquote() << QStringLiteral("COM%1 (%2) lost: %3")
                                       .arg(portNumber_)
                                       .arg(port_->portName(), port_->errorString());
    Close();
    return false;
}

void TSerial::takeArrivedBytes() {
    // The driver's queue is read directly: nothing to pull in first.
}

int TSerial::BytesWaiting() {
    if (!clearErrors())
        return 0;
    const qint64 waiting = port_->bytesWaiting();
    return int(std::clamp<qint64>(waiting, 0, std::numeric_limits<int>::max()));
}

qint64 TSerial::readDevice(quint8 *buffer, qint64 count) {
    const qint64 got = port_->read(reinterpret_cast<char *>(buffer), count);
    if (got <= 0)
        clearErrors(); // reports and closes a port lost during the read
    return got;
}

int TSerial::Write(const quint8 *buffer, quint16 count) {
    if (!clearErrors() || count == 0)
        return 0;
    const qint64 written = port_->write(reinterpret_cast<const char *>(buffer), count);
    if (written < 0) {
        clearErrors();
        return 0;
    }
    if (written < count) {
        // Not gone within the driver's time-out: the line is stuck. Count it as nothing
        // written and drop the rest, so a stale request never reaches the analyser late.
        port_->purgeOutput();
        return 0;
    }
    if (SerialTrace *trace = SerialTrace::current())
        trace->record(SerialTrace::Direction::Sent, buffer, int(written));
    return int(written);
}
