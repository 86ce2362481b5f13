#include "serial_line.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

// 9600 baud, 8 data bits, 2 stop bits, no processing of any byte.
static bool makeRaw(int fd) {
    termios t{};
    if (tcgetattr(fd, &t) != 0)
        return false;
    cfmakeraw(&t);
    cfsetispeed(&t, B9600);
    cfsetospeed(&t, B9600);
    t.c_cflag |= CLOCAL | CREAD | CSTOPB;
    return tcsetattr(fd, TCSANOW, &t) == 0;
}

static QString systemError(const char *what) {
    return QString("%1: %2").arg(what, QString::fromLocal8Bit(std::strerror(errno)));
}

SerialLine::~SerialLine() {
    if (slaveFd_ >= 0)
        ::close(slaveFd_);
    if (fd_ >= 0)
        ::close(fd_);
}

bool SerialLine::openPseudoTerminal(QString *error) {
    fd_ = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd_ < 0 || grantpt(fd_) != 0 || unlockpt(fd_) != 0) {
        *error = systemError("pseudo-terminal");
        return false;
    }
    const char *name = ptsname(fd_);
    if (!name) {
        *error = systemError("ptsname");
        return false;
    }
    path_ = QString::fromLocal8Bit(name);
    // Without a slave open the master reads end-of-line errors whenever the program
    // has its port closed; and the slave must pass every byte unchanged (no echo,
    // no newline translation) until the program sets its own line settings.
    slaveFd_ = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (slaveFd_ < 0 || !makeRaw(slaveFd_)) {
        *error = systemError("pseudo-terminal slave");
        return false;
    }
    return true;
}

bool SerialLine::openDevice(const QString &path, QString *error) {
    fd_ = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd_ < 0 || !makeRaw(fd_)) {
        *error = systemError(path.toLocal8Bit().constData());
        return false;
    }
    path_ = path;
    return true;
}

QByteArray SerialLine::readAvailable() {
    QByteArray bytes;
    char chunk[256];
    for (;;) {
        const ssize_t n = ::read(fd_, chunk, sizeof chunk);
        if (n > 0) {
            bytes.append(chunk, int(n));
            continue;
        }
        if (n == 0 || (errno != EAGAIN && errno != EINTR))
            failed_ = true; // a device that went away
        break;
    }
    return bytes;
}

void SerialLine::write(const QByteArray &bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd_, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        done += n;
    }
}
