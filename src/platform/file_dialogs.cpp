#include "file_dialogs.h"

#include <QDir>
#include <QFileDialog>

void SystemFileDialogs::setUpOpenDialog(QFileDialog &dialog, const QString &folder,
                                        const QString &filter, const QString &proposedName) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(filter);
    dialog.setDirectory(folder);
    dialog.selectFile(proposedName);
}

QString SystemFileDialogs::openFileName(QWidget *parent, const QString &folder,
                                        const QString &filter, const QString &proposedName) {
    QFileDialog dialog(parent);
    setUpOpenDialog(dialog, folder, filter, proposedName);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.first();
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
