#include "safe_file.h"

#include "in_place_write.h"
#include "log_categories.h"
#include "regular_file.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

namespace SafeFile {

namespace {

WriteResult writeWithoutLog(const QString &path, const QByteArray &bytes) {
    WriteResult result;
    // QSaveFile would put its file in place of a FIFO or device node (or of the target of a
    // link to one) as readily as of a file.
    if (!RegularFile::mayBeReplaced(path)) {
        result.error = RegularFile::notRegularError();
        return result;
    }
    InPlaceWrite::restoreInterrupted(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        const QFileInfo target(path);
        if (target.isFile() && target.isWritable()) {
            const InPlaceWrite::Result written = InPlaceWrite::write(path, bytes);
            return {written.ok, written.error};
        }
        result.error = file.errorString();
        return result;
    }
    // The explicit flush matters: commit() does not notice a failure of the final flush of
    // its buffer (a full disk, a file size limit) and would put a cut-off file in place.
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        // The buffered write has no reason of its own to give ("Unknown error"); the system's
        // is the one that tells (a full disk, a file size limit).
        const int reason = errno;
        result.error =
            reason != 0 ? QString::fromLocal8Bit(std::strerror(reason)) : file.errorString();
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
