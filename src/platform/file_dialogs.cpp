#include "file_dialogs.h"

#include <QDir>
#include <QFileDialog>

QString SystemFileDialogs::openFileName(QWidget *parent, const QString &folder,
                                        const QString &filter, const QString &proposedName) {
    return QFileDialog::getOpenFileName(parent, QString(), QDir(folder).filePath(proposedName),
                                        filter);
}

QString SystemFileDialogs::saveFileName(QWidget *parent, const QString &folder,
                                        const QString &filter, const QString &proposedName) {
    // The file is replaced without a question, as the header and report files always were.
    return QFileDialog::getSaveFileName(parent, QString(), QDir(folder).filePath(proposedName),
                                        filter, nullptr, QFileDialog::DontConfirmOverwrite);
}

QString SystemFileDialogs::saveFileNameConfirmingOverwrite(QWidget *parent, const QString &folder,
                                                           const QString &filter,
                                                           const QString &proposedName) {
    return QFileDialog::getSaveFileName(parent, QString(), QDir(folder).filePath(proposedName),
                                        filter);
}
