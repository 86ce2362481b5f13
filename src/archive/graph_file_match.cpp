#include "graph_file_match.h"

#include "graph_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString GraphFileFor(const QString &graphFolder, const QString &vehicleNumber,
                     const QDateTime &since) {
    const QString number = vehicleNumber.trimmed();
    if (number.isEmpty())
        return {};
    const QFileInfoList files =
        QDir(graphFolder).entryInfoList({QStringLiteral("*.dan")}, QDir::Files, QDir::Time);
    for (const QFileInfo &file : files) {
        if (file.lastModified() < since)
            break; // newest first: the rest are older still
        if (file.size() > GraphFile::kMaxFileBytes)
            continue;
        QFile graph(file.filePath());
        if (!graph.open(QIODevice::ReadOnly))
            continue;
        const GraphFile::ReadResult read = GraphFile::decode(graph.readAll());
        if (read.numberText && read.numberText->trimmed() == number)
            return file.filePath();
    }
    return {};
}
