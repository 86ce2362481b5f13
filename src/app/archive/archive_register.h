#pragma once

#include "archive_record.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

// The register of the tests of a date range, as a station files it: a title with the range,
// the station line, then one line a test, oldest first (date, time, number, category,
// verdict) in columns as wide as their longest cell, and the count. Printed in the test
// documents' monospace layout, or as a PDF file.
namespace ArchiveRegister {

struct Range {
    QDate from;
    QDate to;
};

// The lines of the register of `tests` (as the archive finds them, newest first).
QStringList lines(const QList<ArchiveSummary> &tests, const QString &stationLine,
                  const Range &range);

// The lines laid out as the printer would put them, as the bytes of a PDF file; empty when
// the PDF could not be made.
QByteArray pdf(const QStringList &lines);

} // namespace ArchiveRegister
