#include "work_recovery.h"

#include "regular_file.h"
#include "side_document.h"
#include "text_file_1251.h"
#include "user_prompts.h"
#include "working_folder.h"

#include <QDir>
#include <QFile>

namespace WorkRecovery {

namespace {

constexpr qint64 kNoteReadLimit = 64 * 1024;

QString notePath(const WorkingFolder &folder) {
    return folder.filePath(DataFileNames::RecoveryNote);
}

QStringList noteLines(const QString &path) {
    QStringList lines = TextFile1251::readLines(path, kNoteReadLimit).lines;
    lines.removeAll(QString());
    return lines;
}

} // namespace

QStringList saveUnsavedWork(SideDocument *graph, SideDocument *report, const WorkingFolder &folder,
                            const QDateTime &now) {
    const std::pair<SideDocument *, const char16_t *> documents[] = {
        {graph, DataFileNames::GraphFolder}, {report, DataFileNames::TextFolder}};
    QStringList saved;
    for (const auto &[document, subfolder] : documents) {
        if (!document || !document->unsaved())
            continue;
        const QString path = document->saveRecovered(folder.filePath(subfolder), now);
        if (!path.isEmpty())
            saved << path;
    }
    if (!saved.isEmpty()) {
        // A note the last start did not get to tell about keeps its lines.
        const QString note = notePath(folder);
        TextFile1251::writeLines(note, noteLines(note) + saved);
    }
    return saved;
}

QStringList takeRecoveredFiles(const WorkingFolder &folder) {
    const QString note = notePath(folder);
    if (!RegularFile::isRegular(note))
        return {};
    const QStringList paths = noteLines(note);
    QFile::remove(note);
    return paths;
}

QString recoveredFilesMessage(const QStringList &paths) {
    QStringList shown;
    for (const QString &path : paths)
        shown << QDir::toNativeSeparators(path);
    return QStringLiteral("Программа была закрыта без вопросов (выход из системы или сигнал "
                          "завершения). Несохраненная работа сохранена в файлы:\n") +
           shown.join(u'\n');
}

void tellAboutRecoveredWork(const WorkingFolder &folder, UserPrompts &prompts) {
    const QStringList paths = takeRecoveredFiles(folder);
    if (!paths.isEmpty())
        prompts.message(recoveredFilesMessage(paths));
}

} // namespace WorkRecovery
