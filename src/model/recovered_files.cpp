#include "recovered_files.h"

#include <QDir>
#include <QFileInfo>

namespace RecoveredFiles {

namespace {
// More names than any folder will hold for one minute.
constexpr int kMaxNumberedNames = 1000;
} // namespace

QString numberedPath(const QString &folder, QStringView stem, const QDateTime &now,
                     QStringView extension) {
    const QString base = QDir(folder).filePath(stem.toString() + u'_' +
                                               now.toString(QStringLiteral("yyyy-MM-dd_HH-mm")));
    const QString suffix = extension.toString();
    QString path = base + suffix;
    for (int copy = 2; QFileInfo::exists(path) && copy <= kMaxNumberedNames; ++copy)
        path = base + u'_' + QString::number(copy) + suffix;
    return path;
}

QString pathFor(const QString &folder, const QDateTime &now, QStringView extension) {
    return numberedPath(folder, kRecoveredStem, now, extension);
}

} // namespace RecoveredFiles
