#include "archive_list_model.h"

#include "archive_texts.h"
#include "test_archive.h"

ArchiveListModel::ArchiveListModel(TestArchive &archive, QObject *parent)
    : QAbstractTableModel(parent), archive_(archive) {}

void ArchiveListModel::search(const ArchiveFilter &filter) {
    filter_ = filter;
    // One more than is shown tells whether the archive holds more.
    ArchiveFilter limited = filter;
    limited.limit = kShownLimit + 1;
    QList<ArchiveSummary> found = archive_.find(limited);
    truncated_ = found.size() > kShownLimit;
    if (truncated_)
        found.resize(kShownLimit);
    beginResetModel();
    rows_ = std::move(found);
    endResetModel();
}

int ArchiveListModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int ArchiveListModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ArchiveListModel::data(const QModelIndex &index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rows_.size())
        return {};
    return text(rows_[index.row()], index.column());
}

QString ArchiveListModel::text(const ArchiveSummary &summary, int column) const {
    switch (column) {
    case DateTime:
        return ArchiveTexts::date(summary.savedAt) + u' ' + ArchiveTexts::time(summary.savedAt);
    case Number:
        return summary.vehicleNumber;
    case Detail:
        return summary.detailText;
    case Category:
        return summary.category;
    case Kind:
        // A document saved again is a revision of its first record.
        return summary.revisionOf.isEmpty()
                   ? ArchiveTexts::kind(summary.kind)
                   : ArchiveTexts::kind(summary.kind) + QStringLiteral(" (повторно)");
    case Verdict:
        return ArchiveTexts::verdict(summary.overall);
    }
    return {};
}

QVariant ArchiveListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char *const Titles[ColumnCount] = {"Дата и время", "Номер",    "Данные ТС",
                                                    "Категория",    "Документ", "Заключение"};
    return section >= 0 && section < ColumnCount ? QString::fromUtf8(Titles[section]) : QString();
}
