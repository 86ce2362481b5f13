#pragma once

#include <QList>
#include <QString>

// The ports a search could not open because the system refused this user access to their
// devices, so that "not found" can say why and what to do instead of only "no analyser".
class PortRefusals {
public:
    struct Port {
        int number = 0; // COM1 is 1
        QString device;

        friend bool operator==(const Port &, const Port &) = default;
    };

    // Notes a refused port; a port the search tries again is noted once.
    void note(int number, const QString &device);
    void clear() { ports_.clear(); }
    bool isEmpty() const { return ports_.isEmpty(); }
    const QList<Port> &ports() const { return ports_; }

    // One sentence per port, "Нет доступа к порту COM1 (/dev/ttyUSB0).", then what to do on
    // Linux; empty when no port was refused.
    QString report() const;

    // The warning a search that found nothing shows: "Прибор не обнаружен !", and beside it
    // the report when some ports could not be opened.
    QString notFoundWarning() const;

private:
    QList<Port> ports_;
};
