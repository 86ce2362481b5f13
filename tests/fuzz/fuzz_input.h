#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// Helpers shared by the fuzz targets: the input as a QByteArray, a file holding it for the
// readers that take a path, and a check that stops the run loudly when a reader breaks a
// promise of its own (a value outside its range, a result larger than the input allows).
namespace FuzzInput {

inline QByteArray bytes(const std::uint8_t *data, std::size_t size) {
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

// A scratch folder of this process for the input files, removed when the process ends:
// memory-backed where the system has one, so thousands of runs a second do not wear a disk.
class ScratchFolder {
public:
    ScratchFolder() {
        const QString base = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm")
                                                                       : QDir::tempPath();
        path_ = base + QStringLiteral("/velantar-fuzz-%1").arg(QCoreApplication::applicationPid());
        QDir().mkpath(path_);
    }
    ~ScratchFolder() { QDir(path_).removeRecursively(); }
    const QString &path() const { return path_; }

private:
    QString path_;
};

inline const QString &scratchFolder() {
    static const ScratchFolder folder;
    return folder.path();
}

// Writes the input into the scratch folder under the given name; returns its path.
inline QString asFile(const QByteArray &input, const QString &name) {
    const QString path = scratchFolder() + u'/' + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(input) != input.size()) {
        std::fprintf(stderr, "cannot write the fuzz input file %s\n", qPrintable(path));
        std::abort();
    }
    return path;
}

// A broken promise is a finding: the fuzzer records the input that caused it.
inline void expect(bool condition, const char *what) {
    if (!condition) {
        std::fprintf(stderr, "broken promise: %s\n", what);
        std::abort();
    }
}

} // namespace FuzzInput
