#pragma once

#include <QByteArray>
#include <QString>

// The analyser's end of the serial line: the master side of a new pseudo-terminal,
// or a real serial device. Reads and writes never block; bytes that cannot be
// written because nobody reads the line are lost, as on a real wire.
class SerialLine {
public:
    SerialLine() = default;
    SerialLine(const SerialLine &) = delete;
    SerialLine &operator=(const SerialLine &) = delete;
    ~SerialLine();

    bool openPseudoTerminal(QString *error);
    bool openDevice(const QString &path, QString *error);

    QString path() const { return path_; } // the device the program opens
    int fd() const { return fd_; }

    QByteArray readAvailable();
    bool failed() const { return failed_; }
    void write(const QByteArray &bytes);

private:
    int fd_ = -1;
    int slaveFd_ = -1; // held open so the line survives the program closing its port
    QString path_;
    bool failed_ = false;
};
