#pragma once

#include "archive_record.h"

#include <QDateTime>
#include <QString>

// How the archive's list, its CSV export and its register name a verdict, a document kind and
// the moment of a save.
namespace ArchiveTexts {

// "соответствует", "не соответствует", empty for a document that was not judged.
QString verdict(ArchiveVerdict verdict);
// "Отчет", "Протокол", "Расшир.протокол", as the options name the report kinds.
QString kind(ArchiveDocumentKind kind);
// "dd.MM.yyyy"; "hh:mm:ss".
QString date(const QDateTime &moment);
QString time(const QDateTime &moment);
// The slot's name in a document of the kind: "Nмин", "Nпов" or "ПГС 1".."ПГС 3".
QString slotName(ArchiveDocumentKind kind, int slot);

} // namespace ArchiveTexts
