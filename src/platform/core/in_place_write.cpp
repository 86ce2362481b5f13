#include "in_place_write.h"

#include "file_sync.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace InPlaceWrite {

namespace {

// Old contents larger than this are not held in memory to be put back; such a file is then
// not written in place at all.
constexpr qint64 kMaxKeptBytes = 64 * 1024 * 1024;

std::function<void(Step)> &stepHook() {
    static std::function<void(Step)> hook;
    return hook;
}

void done(Step step) {
    if (stepHook())
        stepHook()(step);
}

// The copy of the old bytes of the file at `path`: its absolute path on the first line, the
// old bytes after it. Named by a hash of that path, so each file has one place for its copy.
QString copyPath(const QString &absolutePath) {
    const QByteArray hash =
        QCryptographicHash::hash(absolutePath.toUtf8(), QCryptographicHash::Sha1).toHex();
    return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
           QStringLiteral("/in-place/") + QString::fromLatin1(hash);
}

bool keepCopy(const QString &copy, const QString &absolutePath, const QByteArray &old) {
    if (!QDir().mkpath(QFileInfo(copy).absolutePath()))
        return false;
    QSaveFile file(copy);
    const QByteArray bytes = absolutePath.toUtf8() + '\n' + old;
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() &&
           file.commit();
}

// Writes `bytes` from the start of the open file, syncs them, and only then cuts the file
// to their length, syncing that too.
bool replaceBytes(QFile &file, const QByteArray &bytes, QString *error) {
    if (!file.seek(0) || file.write(bytes) != bytes.size()) {
        *error = file.errorString();
        return false;
    }
    done(Step::NewBytesWritten);
    if (!FileSync::toDisk(file, error))
        return false;
    done(Step::NewBytesSynced);
    if (!file.resize(bytes.size())) {
        *error = file.errorString();
        return false;
    }
    if (!FileSync::toDisk(file, error))
        return false;
    done(Step::Shortened);
    return true;
}

} // namespace

void setStepHook(std::function<void(Step)> hook) {
    stepHook() = std::move(hook);
}

Result write(const QString &path, const QByteArray &bytes) {
    Result result;
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered)) {
        result.error = file.errorString();
        return result;
    }
    if (file.size() > kMaxKeptBytes) {
        result.error = QStringLiteral("Файл слишком велик, чтобы заменить его на месте");
        return result;
    }
    const QByteArray old = file.readAll();
    if (file.error() != QFileDevice::NoError || old.size() != file.size()) {
        result.error = file.errorString();
        return result;
    }
    const QString absolutePath = QFileInfo(path).absoluteFilePath();
    const QString copy = copyPath(absolutePath);
    const bool kept = keepCopy(copy, absolutePath, old);
    done(Step::CopyKept);
    result.ok = replaceBytes(file, bytes, &result.error);
    if (!result.ok) {
        file.unsetError();
        QString ignored;
        if (!replaceBytes(file, old, &ignored))
            return result; // the copy stays, for the next read to put the old bytes back
    }
    if (kept)
        QFile::remove(copy);
    return result;
}

void restoreInterrupted(const QString &path) {
    const QString absolutePath = QFileInfo(path).absoluteFilePath();
    const QString copy = copyPath(absolutePath);
    QFile kept(copy);
    if (!kept.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = kept.readAll();
    const qsizetype lineEnd = bytes.indexOf('\n');
    if (lineEnd < 0 || QString::fromUtf8(bytes.left(lineEnd)) != absolutePath) {
        kept.remove(); // not a copy of this file: useless
        return;
    }
    QFile file(path);
    if (QFileInfo(path).isFile() && !file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return; // kept for a later read that may write the file
    QString ignored;
    if (!file.isOpen() || replaceBytes(file, bytes.mid(lineEnd + 1), &ignored))
        kept.remove();
}

} // namespace InPlaceWrite
