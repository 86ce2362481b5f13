#pragma once

#include "archive_record.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The archive's tests as a CSV file for a spreadsheet: one row a recorded slot ("Nмин",
// "Nпов", "ПГС 1".."ПГС 3") with the test's date, number, vehicle text, category, document
// kind and verdict beside its readings; a test with no recorded slot is one row without
// readings.
//
// The file is written the way a spreadsheet opens it right by a double click on a Russian
// desktop: the list separator of the Russian regional settings, ";"; decimal commas; CR LF
// line ends; UTF-8 behind a byte order mark. The mark is what makes the text come out right
// everywhere: Excel reads a marked file as UTF-8 (and an unmarked one in the ANSI code page),
// and LibreOffice Calc's import takes the mark over the system's encoding, where a
// windows-1251 file would come out as mojibake on a UTF-8 desktop.
namespace ArchiveCsv {

// The mark UTF-8 text starts with, so a spreadsheet reads it as UTF-8.
inline const QByteArray kByteOrderMark = QByteArrayLiteral("\xEF\xBB\xBF");

// The field as a CSV cell: in double quotes, its quotes doubled, when it holds ";", a quote
// or a line end.
QString field(const QString &text);
// A number written with a decimal point ("1.25", "-0.5") gets a decimal comma; any other
// text is returned as it is.
QString decimalComma(const QString &text);

// The header line, then the rows, each cells joined by ";".
QStringList lines(const QList<ArchiveRecord> &records);
// Those lines in UTF-8 behind the byte order mark, each ended by CR LF.
QByteArray encode(const QList<ArchiveRecord> &records);

} // namespace ArchiveCsv
