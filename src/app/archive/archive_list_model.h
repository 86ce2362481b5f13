#pragma once

#include "archive_record.h"

#include <QAbstractTableModel>
#include <QList>

class TestArchive;

// The archive dialog's list: one row a test, newest first, as the archive finds them for the
// filter. At most kShownLimit rows are kept; truncated() tells that the archive holds more,
// so the dialog can say that only the first ones are shown.
class ArchiveListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int kShownLimit = 500;
    enum Column { DateTime, Number, Detail, Category, Kind, Verdict, ColumnCount };

    explicit ArchiveListModel(TestArchive &archive, QObject *parent = nullptr);

    // Asks the archive anew; the filter's own limit is replaced by the shown limit.
    void search(const ArchiveFilter &filter);
    const ArchiveFilter &filter() const { return filter_; }
    bool truncated() const { return truncated_; }
    const QList<ArchiveSummary> &rows() const { return rows_; }
    const ArchiveSummary &summary(int row) const { return rows_.at(row); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QString text(const ArchiveSummary &summary, int column) const;

    TestArchive &archive_;
    ArchiveFilter filter_;
    QList<ArchiveSummary> rows_;
    bool truncated_ = false;
};
