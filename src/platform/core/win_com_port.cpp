#include "win_com_port.h"

#include <windows.h>

namespace {

// "\\.\COM10": the device namespace reaches every port, not only COM1 to COM9.
QString deviceName(const QString &portName) {
    return QStringLiteral("\\\\.\\") + portName;
}

QString systemMessage(DWORD code) {
    wchar_t *text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t *>(&text), 0, nullptr);
    QString message = length ? QString::fromWCharArray(text, int(length)).trimmed()
                             : QStringLiteral("error %1").arg(code);
    LocalFree(text);
    return message;
}

bool setLine(HANDLE handle, int baudRate) {
    DCB dcb{};
    dcb.DCBlength = sizeof(dcb);
    if (!GetCommState(handle, &dcb))
        return false;
    dcb.BaudRate = DWORD(baudRate);
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    dcb.StopBits = TWOSTOPBITS;
    dcb.fBinary = TRUE;
    dcb.fParity = FALSE;
    dcb.fOutxCtsFlow = FALSE;
    dcb.fOutxDsrFlow = FALSE;
    dcb.fDtrControl = DTR_CONTROL_ENABLE;
    dcb.fRtsControl = RTS_CONTROL_ENABLE;
    dcb.fDsrSensitivity = FALSE;
    dcb.fOutX = FALSE;
    dcb.fInX = FALSE;
    dcb.fNull = FALSE;
    dcb.fAbortOnError = FALSE;
    return SetCommState(handle, &dcb);
}

// Reads return at once with what is there (the interval time-out at its maximum and no
// total time-out); writes wait at most writeTimeoutMs.
bool setTimeouts(HANDLE handle, int writeTimeoutMs) {
    COMMTIMEOUTS timeouts{};
    timeouts.ReadIntervalTimeout = MAXDWORD;
    timeouts.ReadTotalTimeoutMultiplier = 0;
    timeouts.ReadTotalTimeoutConstant = 0;
    timeouts.WriteTotalTimeoutMultiplier = 0;
    timeouts.WriteTotalTimeoutConstant = DWORD(writeTimeoutMs);
    return SetCommTimeouts(handle, &timeouts);
}

} // namespace

WinComPort::~WinComPort() {
    close();
}

void WinComPort::takeSystemError() {
    error_ = systemMessage(GetLastError());
    lost_ = true;
}

bool WinComPort::open(const QString &portName, int baudRate, int queueSize, int writeTimeoutMs) {
    close();
    portName_ = portName;
    const QString device = deviceName(portName);
    HANDLE handle =
        CreateFileW(reinterpret_cast<const wchar_t *>(device.utf16()), GENERIC_READ | GENERIC_WRITE,
                    0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        error_ = systemMessage(GetLastError());
        return false;
    }
    SetupComm(handle, DWORD(queueSize), DWORD(queueSize));
    if (!setLine(handle, baudRate) || !setTimeouts(handle, writeTimeoutMs)) {
        error_ = systemMessage(GetLastError());
        CloseHandle(handle);
        return false;
    }
    PurgeComm(handle, PURGE_RXCLEAR | PURGE_TXCLEAR | PURGE_RXABORT | PURGE_TXABORT);
    handle_ = handle;
    error_.clear();
    lost_ = false;
    return true;
}

void WinComPort::close() {
    if (handle_) {
        CloseHandle(handle_);
        handle_ = nullptr;
    }
}

qint64 WinComPort::bytesWaiting() {
    if (!handle_ || lost_)
        return -1;
    DWORD errors = 0;
    COMSTAT status{};
    // Also clears line errors (framing, parity, overrun): the protocol resynchronises on
    // bad frames. A failure here means the device itself has gone.
    if (!ClearCommError(handle_, &errors, &status)) {
        takeSystemError();
        return -1;
    }
    return qint64(status.cbInQue);
}

qint64 WinComPort::read(char *buffer, qint64 count) {
    if (!handle_)
        return -1;
    DWORD got = 0;
    if (!ReadFile(handle_, buffer, DWORD(count), &got, nullptr)) {
        takeSystemError();
        return -1;
    }
    return qint64(got);
}

qint64 WinComPort::write(const char *buffer, qint64 count) {
    if (!handle_)
        return -1;
    DWORD written = 0;
    if (!WriteFile(handle_, buffer, DWORD(count), &written, nullptr)) {
        // A write time-out is not a failure of the device: what left is reported.
        if (GetLastError() != ERROR_TIMEOUT && GetLastError() != ERROR_SEM_TIMEOUT) {
            takeSystemError();
            return -1;
        }
    }
    return qint64(written);
}

void WinComPort::purgeOutput() {
    if (handle_)
        PurgeComm(handle_, PURGE_TXCLEAR | PURGE_TXABORT);
}
