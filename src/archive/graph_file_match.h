#pragma once

#include <QDateTime>
#include <QString>

// The graph file saved for the same vehicle in the same test: the newest graph file (*.dan)
// in `graphFolder` written at or after `since` whose vehicle number is `vehicleNumber`
// (trimmed, not empty). Empty when there is none.
QString GraphFileFor(const QString &graphFolder, const QString &vehicleNumber,
                     const QDateTime &since);
