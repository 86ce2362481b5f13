#pragma once

#include "serial_channel.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QSet>

#include <algorithm>
#include <cstring>

// A byte channel over buffers: ports in `existingPorts` open, `incoming` is what the
// analyser has sent, `written` what the program wrote. `failReads` makes a read deliver
// nothing although bytes are waiting. A port in `refusedDevices` does not open, as a
// device the user may not use: RefusedDevice() names it.
class FakeChannel : public SerialChannel {
public:
    QSet<int> existingPorts;
    QList<int> openedPorts;
    QByteArray incoming;
    QByteArray written;
    bool failReads = false;
    QMap<int, QString> refusedDevices;

    bool Open(int portNumber, int) override {
        if (open_)
            return true;
        port_ = portNumber;
        openedPorts << portNumber;
        refused_ = refusedDevices.value(portNumber);
        open_ = refused_.isEmpty() && existingPorts.contains(portNumber);
        return open_;
    }
    QString RefusedDevice() const override { return refused_; }
    bool Close() override {
        open_ = false;
        return true;
    }
    int BytesWaiting() override { return open_ ? int(incoming.size()) : 0; }
    int Read(quint8 *buffer, quint16 count) override {
        if (!open_ || failReads)
            return 0;
        const int n = std::min<int>(count, int(incoming.size()));
        std::memcpy(buffer, incoming.constData(), size_t(n));
        incoming.remove(0, n);
        return n;
    }
    int Write(const quint8 *buffer, quint16 count) override {
        if (!open_)
            return 0;
        written.append(reinterpret_cast<const char *>(buffer), count);
        return count;
    }
    bool IsOpen() const override { return open_; }
    int PortNumber() const override { return port_; }

private:
    bool open_ = false;
    int port_ = 0;
    QString refused_;
};
