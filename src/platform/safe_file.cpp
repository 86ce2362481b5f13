#include "safe_file.h"

#include <QSaveFile>

namespace SafeFile {

WriteResult write(const QString &path, const QByteArray &bytes) {
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    WriteResult result;
    if (!file.open(QIODevice::WriteOnly)) {
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

} // namespace SafeFile
