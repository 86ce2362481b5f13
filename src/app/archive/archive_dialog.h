#pragma once

#include "archive_record.h"

#include <QDialog>
#include <QTimer>

#include <functional>
#include <optional>

class ArchiveListModel;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class TestArchive;
struct Services;

// "Архив испытаний": the archive's tests, newest first, searched as the operator types (vehicle
// number, the second vehicle text, a date range, the verdict); the selected test's document
// read-only, printed or opened in the report view as a copy; the selection (or every match)
// exported as CSV; the register of the date range printed or saved as PDF.
class ArchiveDialog : public QDialog {
    Q_OBJECT

public:
    // How long typing must pause before the list is searched anew: a fast typist's keys come
    // closer together, so one search follows a typed word, not each letter of it.
    static constexpr int kSearchDelayMs = 150;

    ArchiveDialog(TestArchive &archive, const Services &services, const QString &stationLine,
                  QWidget *parent = nullptr);

    // "Открыть копию": puts the record's document into the report view; false when it did not
    // (the operator kept the unsaved report). The dialog closes after a copy was opened.
    std::function<bool(const ArchiveRecord &)> openCopy;

    // The pause after a change of the search fields; its timeout runs runSearch.
    QTimer &searchTimer() { return searchTimer_; }
    // The list searched for what the fields hold now.
    void runSearch();
    // What the fields hold now, without a limit.
    ArchiveFilter currentFilter() const;
    ArchiveListModel &model() const { return *model_; }

    // The buttons; the register covers the dates of the fields while the range is on,
    // otherwise every test, from the oldest to the newest.
    void printDocument();
    // The register the two register buttons print or save.
    QStringList registerLines() const;
    void openSelectedCopy();
    void exportCsv();
    void printRegister();
    void saveRegisterPdf();

private:
    void buildControls();
    void connectControls();
    void showCurrentDocument();
    QList<QString> selectedIds() const;
    // The shown test's record, asked of the archive; none when nothing is selected.
    std::optional<ArchiveRecord> currentRecord() const;

    TestArchive &archive_;
    const Services &services_;
    QString stationLine_;
    ArchiveListModel *model_;
    QTimer searchTimer_;

    QLineEdit *numberEdit_ = nullptr;
    QLineEdit *detailEdit_ = nullptr;
    QCheckBox *rangeCheck_ = nullptr;
    QDateEdit *fromDate_ = nullptr;
    QDateEdit *toDate_ = nullptr;
    QComboBox *verdictCombo_ = nullptr;
    QTableView *list_ = nullptr;
    QLabel *note_ = nullptr;
    QPlainTextEdit *document_ = nullptr;
    QPushButton *printButton_ = nullptr;
    QPushButton *copyButton_ = nullptr;
};
