#pragma once

#include <QString>
#include <QtGlobal>

#include <array>

// The byte channel the analyser protocol talks through: one port opened by number,
// non-blocking reads of what has arrived, bounded writes and the four-byte command
// frame. TSerial is the real implementation over a serial port; tests use channels
// over plain buffers.
class SerialChannel {
public:
    virtual ~SerialChannel() = default;

    // Opens the port with the given number (COM1 is 1) at the given baud rate, 8 data
    // bits, no parity, 2 stop bits. An already open channel stays as it is and reports
    // success. The number is remembered even when the open fails.
    virtual bool Open(int portNumber, int baudRate) = 0;
    virtual bool Close() = 0;
    // Bytes waiting in the input queue; 0 when closed.
    virtual int BytesWaiting() = 0;
    // Delivers at most count of the waiting bytes; never waits when nothing is there.
    virtual int Read(quint8 *buffer, quint16 count) = 0;
    // Writes count bytes, waiting a bounded time; returns the bytes written.
    virtual int Write(const quint8 *buffer, quint16 count) = 0;
    virtual bool IsOpen() const = 0;
    // The number of the last port an open was attempted on (0 before the first).
    virtual int PortNumber() const = 0;
    // The device of that port when the system refused this user access to it (its mode
    // bits and groups); empty when the last open succeeded or failed for another reason.
    virtual QString RefusedDevice() const { return {}; }

    // Sends b0 b1 b2 followed by their sum modulo 256; true when all four bytes left.
    bool SendCommand(quint8 b0, quint8 b1, quint8 b2);

    static std::array<quint8, 4> commandFrame(quint8 b0, quint8 b1, quint8 b2);
};
