#pragma once

#include "file_dialogs.h"

#include <QStringList>

// File dialogs for tests: each call takes the next scripted answer (an empty string is a
// cancel) and records the folder, filter and proposed name it was shown with.
class ScriptedFileDialogs : public FileDialogs {
public:
    QStringList answers;
    QStringList shownFolders;
    QStringList filters;
    QStringList proposedNames;

    QString openFileName(QWidget *, const QString &folder, const QString &filter,
                         const QString &proposedName) override {
        return next(folder, filter, proposedName);
    }
    QString saveFileName(QWidget *, const QString &folder, const QString &filter,
                         const QString &proposedName) override {
        return next(folder, filter, proposedName);
    }
    // Saves whose dialog would ask before replacing a file.
    int overwriteQuestions = 0;
    QString saveFileNameConfirmingOverwrite(QWidget *parent, const QString &folder,
                                            const QString &filter,
                                            const QString &proposedName) override {
        ++overwriteQuestions;
        return saveFileName(parent, folder, filter, proposedName);
    }
    // Saves offering several types: each records the type it opened with; the type chosen is
    // the next of chosenFilters, else the one the answer's extension names, else the one it
    // opened with. The filters shown are recorded joined by ";;".
    QStringList openedWithFilters;
    QStringList chosenFilters;
    TypedSaveChoice saveFileNameOfType(QWidget *parent, const QString &folder,
                                       const QStringList &filters, const QString &selectedFilter,
                                       const QString &proposedName) override {
        openedWithFilters << selectedFilter;
        TypedSaveChoice choice;
        choice.path = saveFileNameConfirmingOverwrite(
            parent, folder, filters.join(QStringLiteral(";;")), proposedName);
        const QString byName = filterOfPath(filters, choice.path);
        choice.filter = !chosenFilters.isEmpty() ? chosenFilters.takeFirst()
                        : !byName.isEmpty()      ? byName
                                                 : selectedFilter;
        return choice;
    }

private:
    QString next(const QString &folder, const QString &filter, const QString &proposedName) {
        shownFolders << folder;
        filters << filter;
        proposedNames << proposedName;
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
};
