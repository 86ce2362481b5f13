#pragma once

#include "serial_channel.h"

#include <QString>

#include <memory>

#ifdef Q_OS_WIN
class WinComPort;
#else
class QSerialPort;
#endif

// The program's only access to a serial port. It opens one COM port by number (see
// PortNames for how numbers map to devices), sets the analyser's line (9600 baud,
// 8 data bits, no parity, 2 stop bits) and offers reads that never block when nothing
// is waiting and writes that wait until the bytes are sent, at most WriteWaitMs (the driver's
// own write time-out), so a frame is not cut off by a busy line.
class TSerial : public SerialChannel {
public:
    static constexpr int QueueSize = 10000;
    static constexpr int WriteWaitMs = 5000;

    TSerial();
    ~TSerial() override;

    bool Open(int portNumber, int baudRate) override;
    bool Close() override;
    int BytesWaiting() override;
    int Read(quint8 *buffer, quint16 count) override;
    int Write(const quint8 *buffer, quint16 count) override;
    bool IsOpen() const override { return open_; }
    int PortNumber() const override { return portNumber_; }
    QString RefusedDevice() const override { return refusedDevice_; }

private:
    // Opens the device, telling in the port's error text why not; a device this user may
    // not open is kept as the refused device.
    bool openDevice(const QString &device, int baudRate);
    // Sets the analyser's line on the opened device.
    bool configureLine(int baudRate);
    // Reads at most count bytes of those waiting; 0 or less when none could be read.
    qint64 readDevice(quint8 *buffer, qint64 count);
    // Clears line errors; closes the channel when the device has gone. Returns whether
    // the channel is still open.
    bool clearErrors();
    // Pulls whatever the device has delivered into the port's buffer, without waiting.
    void takeArrivedBytes();
    // Logs why a port could not be opened, unless it is the same reason as last time.
    void reportOpenFailure(const QString &failure);

#ifdef Q_OS_WIN
    std::unique_ptr<WinComPort> port_;
#else
    std::unique_ptr<QSerialPort> port_;
#endif
    bool open_ = false;
    int portNumber_ = 0;
    QString lastOpenFailure_;
    QString refusedDevice_;
};
