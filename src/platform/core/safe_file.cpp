#include "safe_file.h"

#include "log_categories.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace SafeFile {

namespace {

// Old contents larger than this are not held in memory to be put back; such a file is then
// not written in place at all.
constexpr qint64 kMaxKeptBytes = 64 * 1024 * 1024;

bool writeFromStart(QFile &file, const QByteArray &bytes) {
    return file.seek(0) && file.write(bytes) == bytes.size() && file.flush() &&
           file.resize(bytes.size());
}

// The folder refuses a temporary file, but the file itself may be written: the new bytes go
// over the old ones, and when that fails (a full disk) the old bytes are put back, so the
// file is never left cut off.
WriteResult writeInPlace(const QString &path, const QByteArray &bytes) {
    WriteResult result;
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
    if (writeFromStart(file, bytes)) {
        result.ok = true;
        return result;
    }
    result.error = file.errorString();
    file.unsetError();
    writeFromStart(file, old);
    return result;
}

WriteResult writeWithoutLog(const QString &path, const QByteArray &bytes) {
    QSaveFile file(path);
    WriteResult result;
    if (!file.open(QIODevice::WriteOnly)) {
        const QFileInfo target(path);
        if (target.isFile() && target.isWritable())
            return writeInPlace(path, bytes);
        result.error = file.errorString();
        return result;
    }
    // The explicit flush matters: commit() does not notice a failure of the final flush of
    // its buffer (a full disk, a file size limit) and would put a cut-off file in place.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        result.error = file.errorString();
        file.cancelWriting();
        return result;
    }
    result.ok = file.commit();
    if (!result.ok)
        result.error = file.errorString();
    return result;
}

} // namespace

WriteResult write(const QString &path, const QByteArray &bytes) {
    const WriteResult result = writeWithoutLog(path, bytes);
    if (!result.ok)
        qCWarning(lcFiles).noquote() << "cannot save" << path << ":" << result.error;
    return result;
}

} // namespace SafeFile
