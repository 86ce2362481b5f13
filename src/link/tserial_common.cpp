#include "tserial.h"

#include "log_categories.h"
#include "port_names.h"
#include "serial_trace.h"

#include <algorithm>

#ifdef Q_OS_WIN
#include "win_com_port.h"
#else
#include <QSerialPort>
#endif

// The parts of TSerial that are the same on every system: which port is open, the open
// failures told once, reading what is waiting, and closing. The port itself is handled in
// tserial.cpp (Qt SerialPort) or tserial_win.cpp (the Win32 communications functions).

TSerial::~TSerial() {
    Close();
}

bool TSerial::Open(int portNumber, int baudRate) {
    if (open_)
        return true;
    portNumber_ = portNumber;
    refusedDevice_.clear();

    const QString device = PortNames::devicePath(portNumber);
    if (device.isEmpty())
        return false;

    if (!openDevice(device, baudRate)) {
        reportOpenFailure(QStringLiteral("cannot open COM%1 (%2): %3")
                              .arg(portNumber)
                              .arg(device, port_->errorString()));
        return false;
    }
    lastOpenFailure_.clear();
    if (!configureLine(baudRate)) {
        port_->close();
        return false;
    }
    open_ = true;
    return true;
}

void TSerial::reportOpenFailure(const QString &failure) {
    // The search tries the same ports every few seconds: each failure is told once.
    if (failure == lastOpenFailure_)
        return;
    lastOpenFailure_ = failure;
    qCWarning(lcLink).noquote() << failure;
}

bool TSerial::Close() {
    if (open_) {
        port_->close();
        open_ = false;
    }
    return true;
}

int TSerial::Read(quint8 *buffer, quint16 count) {
    const int waiting = BytesWaiting();
    if (waiting == 0 || count == 0)
        return 0;
    const qint64 got = readDevice(buffer, std::min<qint64>(count, waiting));
    if (got <= 0)
        return 0;
    if (SerialTrace *trace = SerialTrace::current())
        trace->record(SerialTrace::Direction::Received, buffer, int(got));
    return int(got);
}
