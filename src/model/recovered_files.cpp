#include "recovered_files.h"

#include <QFileInfo>

namespace RecoveredFiles {

QString pathFor(const QString &folder, const QDateTime &now, QStringView extension) {
    const QString stem = folder + QStringLiteral("/Восстановлен_") +
                         now.toString(QStringLiteral("yyyy-MM-dd_HH-mm"));
    const QString suffix = extension.toString();
    QString path = stem + suffix;
    for (int copy = 2; QFileInfo::exists(path); ++copy)
        path = stem + u'_' + QString::number(copy) + suffix;
    return path;
}

} // namespace RecoveredFiles
