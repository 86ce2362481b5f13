#include "archive_texts.h"

namespace ArchiveTexts {

QString verdict(ArchiveVerdict verdict) {
    switch (verdict) {
    case ArchiveVerdict::Pass:
        return QStringLiteral("соответствует");
    case ArchiveVerdict::Fail:
        return QStringLiteral("не соответствует");
    case ArchiveVerdict::NotJudged:
        break;
    }
    return {};
}

QString kind(ArchiveDocumentKind kind) {
    switch (kind) {
    case ArchiveDocumentKind::Protocol:
        return QStringLiteral("Протокол");
    case ArchiveDocumentKind::ExtendedProtocol:
        return QStringLiteral("Расшир.протокол");
    case ArchiveDocumentKind::VehicleReport:
        break;
    }
    return QStringLiteral("Отчет");
}

QString date(const QDateTime &moment) {
    return moment.toString(QStringLiteral("dd.MM.yyyy"));
}

QString time(const QDateTime &moment) {
    return moment.toString(QStringLiteral("hh:mm:ss"));
}

QString slotName(ArchiveDocumentKind documentKind, int slot) {
    if (documentKind == ArchiveDocumentKind::VehicleReport)
        return slot == 0 ? QStringLiteral("Nмин") : QStringLiteral("Nпов");
    return QStringLiteral("ПГС %1").arg(slot + 1);
}

} // namespace ArchiveTexts
