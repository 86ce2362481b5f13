#pragma once

#include "safe_file.h"

#include <QString>
#include <QStringList>

#include <optional>

// Printer header files ("*.set"): one header line per file line, Windows-1251, CR LF.
namespace PrinterHeaderFile {

// The file read at start-up from the program folder and proposed by the dialogs.
inline const QString DefaultFileName = QStringLiteral("nastr.set");
inline const QString Extension = QStringLiteral(".set");
inline const QString DialogFilter = QStringLiteral("Файлы настройки(*.set)");

// How much of a header file is read. NormalizeHeader keeps the first 63 characters and line
// ends of the wrapped text and nothing after them, and each of those comes from at most two
// bytes of the file (a character, or a line end of up to CR LF; a line is cut only after its
// 84th character, beyond the 63 kept). So the first 126 bytes decide the header; reading
// 8 KiB gives the same header as reading the whole file, with a wide margin.
inline constexpr qint64 ReadLimit = 8 * 1024;

// The lines of the file's first ReadLimit bytes, or nothing when it cannot be opened or read.
// Meant to be normalised: the last line may be cut by the limit.
std::optional<QStringList> load(const QString &path);

// Replaces the file with the lines (every line ended by CR LF, Windows-1251) through
// SafeFile. When the write fails the old file is untouched and the result gives the reason.
SafeFile::WriteResult save(const QString &path, const QStringList &lines);

// A name typed without an extension gets ".set"; any other name is returned as it is.
QString withDefaultExtension(const QString &path);

} // namespace PrinterHeaderFile
