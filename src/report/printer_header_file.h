#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Printer header files ("*.set"): one header line per file line, Windows-1251, CR LF.
namespace PrinterHeaderFile {

// The file read at start-up from the program folder and proposed by the dialogs.
inline const QString DefaultFileName = QStringLiteral("nastr.set");
inline const QString Extension = QStringLiteral(".set");
inline const QString DialogFilter = QStringLiteral("Файлы настройки (*.set)");

// The lines of the file, or nothing when it cannot be opened or read.
std::optional<QStringList> load(const QString &path);

// Replaces the file with the lines (every line ended by CR LF) through QSaveFile. Returns
// false when the write failed; the old file is then untouched.
bool save(const QString &path, const QStringList &lines);

// A name typed without an extension gets ".set"; any other name is returned as it is.
QString withDefaultExtension(const QString &path);

} // namespace PrinterHeaderFile
