#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QtGlobal>

class QIODevice;

// Text files in the Windows Cyrillic code page (windows-1251) with CR LF line ends: the
// station line, the printer header, the test documents, the graph text export, the info
// pages and the help text.
//
// Reading splits on CR LF, and also accepts a bare LF or a bare CR as a line end, so a file
// edited on another system still reads line by line. A line end after the last line does
// not start another line: "a\r\nb\r\n" and "a\r\nb" both give the lines "a" and "b"; an
// empty file gives no lines.
//
// Writing ends every line with CR LF, the last one included, unless asked otherwise. It goes
// through QSaveFile, so a failed write leaves the old file whole. A character the code page
// cannot hold is written as '?'.
namespace TextFile1251 {

struct ReadResult {
    bool ok = false; // the file could be opened and read
    QStringList lines;
};

struct FirstLineResult {
    bool ok = false; // the file could be opened and read
    QString line;    // empty for an empty file
};

enum class LastLineEnd { Terminated, Unterminated };

// No limit on the bytes read.
inline constexpr qint64 kWholeFile = -1;

// The lines of the file, or of its first maxBytes bytes only (a line cut by the limit ends
// there). Time and memory are linear in the bytes read.
ReadResult readLines(const QString &path, qint64 maxBytes = kWholeFile);

// Only the first line of the file: reads no further than its end, nor than maxBytes bytes
// (the line is then the first maxBytes bytes). Each byte of the code page is one character,
// so a caller that keeps at most n characters passes n. Linear in the bytes read.
FirstLineResult readFirstLine(const QString &path, qint64 maxBytes = kWholeFile);

// The same, from an open device's current position; ok is false on a read error.
ReadResult readLines(QIODevice &device, qint64 maxBytes = kWholeFile);
FirstLineResult readFirstLine(QIODevice &device, qint64 maxBytes = kWholeFile);

// Replaces the file with the given lines. Returns false when the file could not be created
// or completed; the old file then stays as it was.
bool writeLines(const QString &path, const QStringList &lines,
                LastLineEnd lastLineEnd = LastLineEnd::Terminated);

// The code page conversions the functions above use.
QString decode(QByteArrayView bytes);
QByteArray encode(QStringView text);

// Splits decoded text into lines by the rule above.
QStringList splitLines(QStringView text);

} // namespace TextFile1251
