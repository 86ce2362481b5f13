#pragma once

#include <QString>

class QFileDialog;
class QWidget;

// The open and save file dialogs. The program asks through this interface only, so tests
// answer with a scripted implementation and never wait on a real dialog.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;

    // The chosen file, or an empty string when the user cancelled. The open dialog accepts a
    // typed name of a file that does not exist: the caller decides what to tell the user.
    // filter is in Qt's form
    // ("Файлы настройки(*.set)"); proposedName is preselected in the folder.
    virtual QString openFileName(QWidget *parent, const QString &folder, const QString &filter,
                                 const QString &proposedName) = 0;
    virtual QString saveFileName(QWidget *parent, const QString &folder, const QString &filter,
                                 const QString &proposedName) = 0;
    // As saveFileName, but the dialog asks before an existing file is replaced.
    virtual QString saveFileNameConfirmingOverwrite(QWidget *parent, const QString &folder,
                                                    const QString &filter,
                                                    const QString &proposedName) {
        return saveFileName(parent, folder, filter, proposedName);
    }
};

// The real dialogs of the desktop.
class SystemFileDialogs : public FileDialogs {
public:
    QString openFileName(QWidget *parent, const QString &folder, const QString &filter,
                         const QString &proposedName) override;
    QString saveFileName(QWidget *parent, const QString &folder, const QString &filter,
                         const QString &proposedName) override;

    // Sets up the open dialog: in the folder with the proposed name selected, the filter, and
    // any name accepted. The toolkit's own dialog is used, since a desktop's native open
    // dialog may refuse a name that does not exist before the program sees it.
    static void setUpOpenDialog(QFileDialog &dialog, const QString &folder, const QString &filter,
                                const QString &proposedName);
    QString saveFileNameConfirmingOverwrite(QWidget *parent, const QString &folder,
                                            const QString &filter,
                                            const QString &proposedName) override;
};
