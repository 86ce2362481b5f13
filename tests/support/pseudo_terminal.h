#pragma once

#include <QByteArray>
#include <QString>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

// A raw pseudo-terminal for tests: the test holds the master side and plays the
// analyser; the program opens the slave path as its serial device.
class PseudoTerminal {
public:
    PseudoTerminal() {
        master_ = posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0)
            return;
        slavePath_ = QString::fromLocal8Bit(ptsname(master_));
        // Keep a slave open so the line stays up while the program closes and reopens.
        keeper_ = ::open(ptsname(master_), O_RDWR | O_NOCTTY);
        termios tio{};
        tcgetattr(keeper_, &tio);
        cfmakeraw(&tio);
        tcsetattr(keeper_, TCSANOW, &tio);
    }
    ~PseudoTerminal() { closeMaster(); }

    bool isValid() const { return master_ >= 0 && keeper_ >= 0; }
    QString slavePath() const { return slavePath_; }

    void send(const QByteArray &bytes) { (void)!::write(master_, bytes.constData(), bytes.size()); }

    // Reads what the program wrote, waiting at most timeoutMs for the first byte.
    QByteArray receive(int timeoutMs = 1000) {
        QByteArray out;
        pollfd fd{master_, POLLIN, 0};
        while (::poll(&fd, 1, out.isEmpty() ? timeoutMs : 50) > 0) {
            char buffer[512];
            const ssize_t n = ::read(master_, buffer, sizeof buffer);
            if (n <= 0)
                break;
            out.append(buffer, n);
        }
        return out;
    }

    // Stops (true) or resumes the program's output on the line, as a driver that cannot send
    // yet would: the program's writes wait meanwhile. Safe to call from another thread.
    void holdProgramOutput(bool held) { tcflow(keeper_, held ? TCOOFF : TCOON); }

    // Hangs the line up, as an unplugged adapter would.
    void closeMaster() {
        if (keeper_ >= 0)
            ::close(keeper_);
        if (master_ >= 0)
            ::close(master_);
        keeper_ = master_ = -1;
    }

private:
    int master_ = -1;
    int keeper_ = -1;
    QString slavePath_;
};
