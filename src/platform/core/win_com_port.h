#pragma once

#include <QString>
#include <QtGlobal>

// One COM port through the Win32 communications functions: opened by its name ("COM3"),
// set to a baud rate with 8 data bits, no parity, 2 stop bits and no flow control. Reads
// return at once with what the driver holds; writes wait at most the write time-out given
// to open(). A port whose device has gone (an unplugged USB adapter) reports itself lost:
// every call on it fails from then on (bytesWaiting() says -1), and the caller closes it.
class WinComPort {
public:
    WinComPort() = default;
    ~WinComPort();
    WinComPort(const WinComPort &) = delete;
    WinComPort &operator=(const WinComPort &) = delete;

    // False with the system's reason in errorString() when the port cannot be opened or set.
    bool open(const QString &portName, int baudRate, int queueSize, int writeTimeoutMs);
    void close();
    bool isOpen() const { return handle_ != nullptr; }
    const QString &portName() const { return portName_; }

    // The bytes in the driver's input queue; -1 when the device has gone.
    qint64 bytesWaiting();
    // At most count bytes of those waiting, without waiting; -1 when the device has gone.
    qint64 read(char *buffer, qint64 count);
    // The bytes the driver took within the write time-out; -1 when the device has gone.
    qint64 write(const char *buffer, qint64 count);
    // Drops what is queued for sending and not yet sent.
    void purgeOutput();

    const QString &errorString() const { return error_; }

private:
    // Remembers the reason of a failed call; the port counts as lost from then on.
    void takeSystemError();

    void *handle_ = nullptr;
    QString portName_;
    QString error_;
    bool lost_ = false;
};
