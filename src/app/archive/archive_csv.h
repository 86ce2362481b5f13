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
// The file is written the way a spreadsheet on a Russian Windows opens it by a double click:
// the list separator of the Russian regional settings, ";"; decimal commas; CR LF line ends;
// and the ANSI code page 1251. Every Excel version there reads a double-clicked CSV in the
// system's ANSI code page, while a UTF-8 file (even with a byte order mark) comes out as
// mojibake in the older ones, so windows-1251 is the encoding that opens right everywhere.
// Letters of the test data outside the code page cannot occur: the vehicle texts are typed
// from the code page's own key table.
namespace ArchiveCsv {

// The field as a CSV cell: in double quotes, its quotes doubled, when it holds ";", a quote
// or a line end.
QString field(const QString &text);
// A number written with a decimal point ("1.25", "-0.5") gets a decimal comma; any other
// text is returned as it is.
QString decimalComma(const QString &text);

// The header line, then the rows, each cells joined by ";".
QStringList lines(const QList<ArchiveRecord> &records);
// Those lines in windows-1251, each ended by CR LF.
QByteArray encode(const QList<ArchiveRecord> &records);

} // namespace ArchiveCsv
