#include "regular_file.h"

#include "in_place_write.h"

#include <QFile>
#include <QFileInfo>

namespace RegularFile {

namespace {

bool fail(QString *error, const QString &reason) {
    if (error)
        *error = reason;
    return false;
}

// Something is at the path, and it is not a regular file.
bool somethingElseIsThere(const QString &path) {
    const QFileInfo target(path);
    return target.exists() && !target.isFile();
}

bool open(QFile &file, QIODevice::OpenMode mode, QString *error) {
    return file.open(mode) || fail(error, file.errorString());
}

} // namespace

bool isRegular(const QString &path) {
    // QFileInfo follows symbolic links: a link to a regular file is one.
    return QFileInfo(path).isFile();
}

bool mayBeReplaced(const QString &path) {
    return !somethingElseIsThere(path);
}

QString notRegularError() {
    return QStringLiteral("Это не обычный файл");
}

bool openForReading(QFile &file, QString *error, QIODevice::OpenMode extra) {
    // A missing file is left to the open, which gives the system's own reason.
    if (somethingElseIsThere(file.fileName()))
        return fail(error, notRegularError());
    InPlaceWrite::restoreInterrupted(file.fileName());
    return open(file, QIODevice::ReadOnly | extra, error);
}

bool openForWriting(QFile &file, QIODevice::OpenMode mode, QString *error) {
    if (somethingElseIsThere(file.fileName()))
        return fail(error, notRegularError());
    return open(file, mode, error);
}

} // namespace RegularFile
