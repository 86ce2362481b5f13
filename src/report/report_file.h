#pragma once

#include "vehicle_data.h"

#include <QDate>
#include <QString>
#include <QStringList>

// Test documents on disk: Windows-1251 text, one memo line per file line, CR LF line ends.
namespace ReportFile {

inline constexpr char16_t Folder[] = u"Text";
inline constexpr char16_t SaveFilter[] = u"Текстовые файлы (*.txt)";
inline constexpr char16_t OpenFilter[] = u"Текстовые файлы(*.txt)";
// A larger file is not a test document; the memo does not take it.
inline constexpr qint64 kMaxFileBytes = 1 << 20;

// The name the save dialog proposes: NumberText and "_", DetailText and "_" (each only when
// neither empty nor fifteen blanks), the month and day "MM-dd", ".txt". Characters no file name
// may hold (\ / : * ? " < > | and control characters) become "_".
QString SuggestedReportFileName(const VehicleData &vehicle, const QDate &today);

// A name typed without an extension gets ".txt"; any other name is returned as it is.
QString withTextExtension(const QString &path);

struct ReportSaveResult {
    bool ok = false;
    QString reason; // the system's reason when ok is false
};
// Replaces the file with the lines; a failed write leaves the old file whole.
ReportSaveResult saveReport(const QString &path, const QStringList &lines);

struct ReportOpenResult {
    bool ok = false;
    QStringList lines;
};
// The lines of a document file; fails for an unreadable file or one above kMaxFileBytes.
ReportOpenResult openReport(const QString &path);

} // namespace ReportFile
