#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <QtGlobal>

#include <csignal>
#ifdef Q_OS_WIN
using rlim_t = unsigned long long;
#else
#include <sys/resource.h>
#include <unistd.h>
#endif

// Small file helpers shared by the tests of the data files.
namespace TestFiles {

// The bytes of a file, or "<unreadable>".
inline QByteArray fileBytes(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<unreadable>");
    return file.readAll();
}

inline bool putBytes(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Whether a write-protected folder refuses this process new files: not for root, and not
// on Windows, where a folder's read-only attribute does not protect it.
inline bool foldersCanBeWriteProtected() {
#ifdef Q_OS_WIN
    return false;
#else
    return geteuid() != 0;
#endif
}

#ifdef Q_OS_WIN
// Windows has no limit of a process's file sizes: the full-disk cases are skipped there.
inline constexpr bool kFullDiskPossible = false;
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t) {}
};
#else
inline constexpr bool kFullDiskPossible = true;
// Makes writes beyond a few bytes into any regular file fail, even for root, while it
// lives: a full disk in miniature.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};
#endif

} // namespace TestFiles
