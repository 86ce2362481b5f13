#pragma once

#include <QDateTime>
#include <QString>
#include <QStringView>

// Names of the files that keep unsaved work when the program is ended from outside.
namespace RecoveredFiles {

inline constexpr QStringView kRecoveredStem = u"Восстановлен";

// "<folder>/<stem>_2026-12-08_14-05<extension>" for the minute of `now`; when that name is
// taken, "_2", "_3", ... before the extension, so an earlier file is never replaced (past a
// thousand names for one minute the last one is used).
QString numberedPath(const QString &folder, QStringView stem, const QDateTime &now,
                     QStringView extension);

// "<folder>/Восстановлен_2026-12-08_14-05<extension>", numbered as above.
QString pathFor(const QString &folder, const QDateTime &now, QStringView extension);

} // namespace RecoveredFiles
