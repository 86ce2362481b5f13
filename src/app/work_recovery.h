#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

class SideDocument;
class UserPrompts;
class WorkingFolder;

// Unsaved work when the program is ended from outside (a termination signal, a logout): no
// question can be asked then, so the graph and the report save themselves under a name that
// says they were recovered (SideDocument::saveRecovered), and a note in the working folder
// ("recovered.lst", Windows-1251, one path a line) lists what was saved. At the next start
// the note is read, removed, and the user is told where the work went.
namespace WorkRecovery {

// Saves each unsaved document into its folder ("Graph", "Text") and adds the files saved to
// the note. Returns the paths saved; a document that is null, saved or fails to write adds
// nothing.
QStringList saveUnsavedWork(SideDocument *graph, SideDocument *report, const WorkingFolder &folder,
                            const QDateTime &now);

// The files the note lists (at most the first 64 KiB of it are read), and the note removed.
// Nothing when there is no note.
QStringList takeRecoveredFiles(const WorkingFolder &folder);

// The message that lists them.
QString recoveredFilesMessage(const QStringList &paths);

// Start-up: when the last run left a note, shows the message once.
void tellAboutRecoveredWork(const WorkingFolder &folder, UserPrompts &prompts);

} // namespace WorkRecovery
