#pragma once

#include <QString>
#include <QStringList>

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

    // What a save dialog offering several file types returned: the file, and the type the
    // user had chosen (one of the filters). An empty path when the user cancelled.
    struct TypedSaveChoice {
        QString path;
        QString filter;
    };
    // A save dialog that asks before an existing file is replaced, offering `filters` (each
    // in Qt's form, "Метафайлы (*.emf)") with `selectedFilter` chosen at first. A name typed
    // without an extension gets the extension of the type chosen when the dialog closes.
    // The default goes through saveFileNameConfirmingOverwrite and reports the filter whose
    // extension the chosen name has (else `selectedFilter`).
    virtual TypedSaveChoice saveFileNameOfType(QWidget *parent, const QString &folder,
                                               const QStringList &filters,
                                               const QString &selectedFilter,
                                               const QString &proposedName);

    // The extension a filter names, without its dot: "emf" for "Метафайлы (*.emf)"; empty
    // when it names none.
    static QString filterSuffix(const QString &filter);
    // The filter among `filters` whose extension `path` has (case-insensitive), else an
    // empty string.
    static QString filterOfPath(const QStringList &filters, const QString &path);
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
    // Whether a save dialog asks before it lets an existing file be chosen.
    enum class Overwrite { Silently, AfterQuestion };
    // Sets up the toolkit's save dialog of one type: a name typed without an extension gets
    // the filter's, and any question is about that completed name.
    static void setUpSaveDialog(QFileDialog &dialog, const QString &folder, const QString &filter,
                                const QString &proposedName, Overwrite overwrite);
    // The toolkit's own dialog, whose default extension follows the chosen type as the user
    // switches types (a desktop's native dialog may not tell the program of the switch).
    TypedSaveChoice saveFileNameOfType(QWidget *parent, const QString &folder,
                                       const QStringList &filters, const QString &selectedFilter,
                                       const QString &proposedName) override;
    // Sets up that dialog, for tests of the extension rule without showing it.
    static void setUpTypedSaveDialog(QFileDialog &dialog, const QString &folder,
                                     const QStringList &filters, const QString &selectedFilter,
                                     const QString &proposedName);
};
