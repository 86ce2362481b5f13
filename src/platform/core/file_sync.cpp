#include "file_sync.h"

#include <QFileDevice>
#include <QString>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace FileSync {

bool toDisk(QFileDevice &file, QString *error) {
    if (!file.isOpen() || !file.flush() || file.handle() < 0) {
        if (error)
            *error = file.errorString();
        return false;
    }
#ifdef Q_OS_WIN
    const bool synced = ::_commit(file.handle()) == 0;
#else
    const bool synced = ::fsync(file.handle()) == 0;
#endif
    if (!synced && error)
        *error = QString::fromLocal8Bit(std::strerror(errno));
    return synced;
}

} // namespace FileSync
