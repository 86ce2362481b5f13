#pragma once

#include <QDateTime>
#include <QString>
#include <QStringView>

// Names of the files that keep unsaved work when the program is ended from outside.
namespace RecoveredFiles {

// "<folder>/Восстановлен_2026-12-08_14-05<extension>" for the minute of `now`; when that name
// is taken, "_2", "_3", ... before the extension, so an earlier recovery is never replaced.
QString pathFor(const QString &folder, const QDateTime &now, QStringView extension);

} // namespace RecoveredFiles
