#include "working_folder.h"

#include <QDir>

QString WorkingFolder::folderFor(const QString &currentDirectory) {
    QString folder = currentDirectory;
    // Only a root directory ends with a separator: a drive root "C:\" (three characters) or
    // the Unix root "/".
    if (folder.endsWith(u'\\') || folder.endsWith(u'/'))
        folder.chop(1);
    return folder;
}

WorkingFolder WorkingFolder::takeCurrent() {
    return WorkingFolder(QDir::currentPath());
}

WorkingFolder::WorkingFolder(const QString &currentDirectory)
    : folder_(folderFor(currentDirectory)) {}

QString WorkingFolder::filePath(QStringView backslashName) const {
    return dataFilePath(folder_, backslashName);
}

bool WorkingFolder::createSubfolders() const {
    bool allThere = true;
    for (const char16_t *name : {DataFileNames::TextFolder, DataFileNames::GraphFolder}) {
        const QString path = filePath(name);
        if (!QDir(path).exists() && !QDir().mkpath(path))
            allThere = false;
    }
    return allThere;
}

QString dataFilePath(const QString &folder, QStringView backslashName) {
    QString path = folder;
    path += backslashName;
    path.replace(u'\\', u'/');
    return path;
}
