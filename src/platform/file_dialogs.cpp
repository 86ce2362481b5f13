#include "file_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

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

void SystemFileDialogs::setUpSaveDialog(QFileDialog &dialog, const QString &folder,
                                        const QString &filter, const QString &proposedName,
                                        Overwrite overwrite) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, overwrite == Overwrite::Silently);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(filter);
    // A name typed without an extension gets the filter's before the dialog looks for an
    // existing file, so the question is about the file that is then written.
    dialog.setDefaultSuffix(filterSuffix(filter));
    dialog.setDirectory(folder);
    dialog.selectFile(proposedName);
}

namespace {

QString chosenSaveName(QWidget *parent, const QString &folder, const QString &filter,
                       const QString &proposedName, SystemFileDialogs::Overwrite overwrite) {
    QFileDialog dialog(parent);
    SystemFileDialogs::setUpSaveDialog(dialog, folder, filter, proposedName, overwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

} // namespace

QString SystemFileDialogs::saveFileName(QWidget *parent, const QString &folder,
                                        const QString &filter, const QString &proposedName) {
    // The file is replaced without a question, as the header and report files always were.
    return chosenSaveName(parent, folder, filter, proposedName, Overwrite::Silently);
}

QString SystemFileDialogs::saveFileNameConfirmingOverwrite(QWidget *parent, const QString &folder,
                                                           const QString &filter,
                                                           const QString &proposedName) {
    return chosenSaveName(parent, folder, filter, proposedName, Overwrite::AfterQuestion);
}

QString FileDialogs::filterSuffix(const QString &filter) {
    static const QRegularExpression pattern(QStringLiteral("\\*\\.([^\\s;)*]+)"));
    const QRegularExpressionMatch match = pattern.match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
}

QString FileDialogs::filterOfPath(const QStringList &filters, const QString &path) {
    const QString suffix = QFileInfo(path).suffix();
    for (const QString &filter : filters)
        if (!suffix.isEmpty() && filterSuffix(filter).compare(suffix, Qt::CaseInsensitive) == 0)
            return filter;
    return QString();
}

FileDialogs::TypedSaveChoice FileDialogs::saveFileNameOfType(QWidget *parent, const QString &folder,
                                                             const QStringList &filters,
                                                             const QString &selectedFilter,
                                                             const QString &proposedName) {
    TypedSaveChoice choice;
    choice.path = saveFileNameConfirmingOverwrite(parent, folder,
                                                  filters.join(QStringLiteral(";;")), proposedName);
    const QString byName = filterOfPath(filters, choice.path);
    choice.filter = byName.isEmpty() ? selectedFilter : byName;
    return choice;
}

void SystemFileDialogs::setUpTypedSaveDialog(QFileDialog &dialog, const QString &folder,
                                             const QStringList &filters,
                                             const QString &selectedFilter,
                                             const QString &proposedName) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    dialog.setDirectory(folder);
    const QString chosen = filters.contains(selectedFilter) ? selectedFilter
                           : filters.isEmpty()              ? QString()
                                                            : filters.first();
    dialog.selectNameFilter(chosen);
    dialog.setDefaultSuffix(filterSuffix(chosen));
    // The extension of a name typed without one follows the type the user switches to.
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog](const QString &filter) { dialog.setDefaultSuffix(filterSuffix(filter)); });
    dialog.selectFile(proposedName);
}

FileDialogs::TypedSaveChoice SystemFileDialogs::saveFileNameOfType(QWidget *parent,
                                                                   const QString &folder,
                                                                   const QStringList &filters,
                                                                   const QString &selectedFilter,
                                                                   const QString &proposedName) {
    QFileDialog dialog(parent);
    setUpTypedSaveDialog(dialog, folder, filters, selectedFilter, proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return {dialog.selectedFiles().first(), dialog.selectedNameFilter()};
}
