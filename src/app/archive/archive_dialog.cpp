#include "archive_dialog.h"

#include "archive_list_model.h"
#include "clock.h"
#include "report_printer.h"
#include "services.h"
#include "test_archive.h"
#include "user_prompts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The verdict choice's items, in the combo's order.
const std::pair<const char *, std::optional<ArchiveVerdict>> VerdictChoices[] = {
    {"все", std::nullopt},
    {"соответствует", ArchiveVerdict::Pass},
    {"не соответствует", ArchiveVerdict::Fail},
};

constexpr int kDefaultRangeDays = 30;

QPushButton *button(const char *name, const char *caption, QWidget *parent) {
    auto *made = new QPushButton(QString::fromUtf8(caption), parent);
    made->setObjectName(QString::fromLatin1(name));
    made->setAutoDefault(false);
    return made;
}

template <typename Widget> Widget *named(const char *name, QWidget *parent) {
    auto *made = new Widget(parent);
    made->setObjectName(QString::fromLatin1(name));
    return made;
}

} // namespace

ArchiveDialog::ArchiveDialog(TestArchive &archive, const Services &services,
                             const QString &stationLine, QWidget *parent)
    : QDialog(parent), archive_(archive), services_(services), stationLine_(stationLine),
      model_(new ArchiveListModel(archive, this)) {
    setObjectName(QStringLiteral("ArchiveDialog"));
    setWindowTitle(QStringLiteral("Архив испытаний"));
    searchTimer_.setObjectName(QStringLiteral("ArchiveSearchTimer"));
    searchTimer_.setSingleShot(true);
    searchTimer_.setInterval(kSearchDelayMs);
    buildControls();
    connectControls();
    runSearch();
}

void ArchiveDialog::buildControls() {
    auto *filters = new QGridLayout;
    numberEdit_ = named<QLineEdit>("ArchiveNumberEdit", this);
    numberEdit_->setPlaceholderText(QStringLiteral("любая часть номера"));
    detailEdit_ = named<QLineEdit>("ArchiveDetailEdit", this);
    detailEdit_->setPlaceholderText(QStringLiteral("владелец, марка или VIN"));
    rangeCheck_ = named<QCheckBox>("ArchiveRangeCheck", this);
    rangeCheck_->setText(QStringLiteral("Дата с"));
    const QDate today = services_.clock->now().date();
    fromDate_ = named<QDateEdit>("ArchiveFromDate", this);
    fromDate_->setDate(today.addDays(-kDefaultRangeDays));
    toDate_ = named<QDateEdit>("ArchiveToDate", this);
    toDate_->setDate(today);
    for (QDateEdit *edit : {fromDate_, toDate_}) {
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
        edit->setEnabled(false);
    }
    verdictCombo_ = named<QComboBox>("ArchiveVerdictCombo", this);
    for (const auto &[caption, verdict] : VerdictChoices)
        verdictCombo_->addItem(QString::fromUtf8(caption));

    filters->addWidget(new QLabel(QStringLiteral("Номер:"), this), 0, 0);
    filters->addWidget(numberEdit_, 0, 1);
    filters->addWidget(new QLabel(QStringLiteral("Данные ТС:"), this), 0, 2);
    filters->addWidget(detailEdit_, 0, 3);
    auto *dates = new QHBoxLayout;
    dates->addWidget(rangeCheck_);
    dates->addWidget(fromDate_);
    dates->addWidget(new QLabel(QStringLiteral("по"), this));
    dates->addWidget(toDate_);
    dates->addStretch();
    filters->addLayout(dates, 1, 0, 1, 2);
    filters->addWidget(new QLabel(QStringLiteral("Заключение:"), this), 1, 2);
    filters->addWidget(verdictCombo_, 1, 3);

    list_ = named<QTableView>("ArchiveList", this);
    list_->setModel(model_);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->verticalHeader()->hide();
    list_->horizontalHeader()->setStretchLastSection(true);
    list_->setWordWrap(false);
    // Columns as wide as their longest usual text, measured once rather than over the rows.
    const QFontMetrics metrics(list_->font());
    static const char *const Widest[ArchiveListModel::ColumnCount] = {
        "00.00.0000 00:00:00", "М000ММ000", "Кузнецова А. А.", "M1,N1,M2",
        "Расшир.протокол (повторно)"};
    for (int column = 0; column < ArchiveListModel::ColumnCount; ++column)
        if (Widest[column])
            list_->setColumnWidth(
                column, metrics.horizontalAdvance(QString::fromUtf8(Widest[column])) + 24);
    list_->verticalHeader()->setDefaultSectionSize(metrics.height() + 6);
    note_ = named<QLabel>("ArchiveListNote", this);

    document_ = named<QPlainTextEdit>("ArchiveDocument", this);
    document_->setReadOnly(true);
    document_->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont font = ReportPrinter::printerFont();
    font.setFixedPitch(true);
    font.setPointSize(10);
    document_->setFont(font);

    auto *listSide = new QWidget(this);
    auto *listLayout = new QVBoxLayout(listSide);
    listLayout->setContentsMargins(0, 0, 0, 0);
    listLayout->addWidget(list_);
    listLayout->addWidget(note_);
    // The list above the document, so both keep their full width.
    auto *splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(listSide);
    splitter->addWidget(document_);
    splitter->setStretchFactor(0, 2);
    splitter->setStretchFactor(1, 3);

    printButton_ = button("ArchivePrintButton", "Печать", this);
    copyButton_ = button("ArchiveCopyButton", "Открыть копию", this);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(printButton_);
    buttons->addWidget(copyButton_);
    buttons->addSpacing(16);
    const std::pair<QPushButton *, void (ArchiveDialog::*)()> actions[] = {
        {button("ArchiveCsvButton", "Экспорт в CSV...", this), &ArchiveDialog::exportCsv},
        {button("ArchiveRegisterPrintButton", "Печать реестра", this),
         &ArchiveDialog::printRegister},
        {button("ArchiveRegisterPdfButton", "Реестр в PDF...", this),
         &ArchiveDialog::saveRegisterPdf},
    };
    for (const auto &[made, action] : actions) {
        buttons->addWidget(made);
        connect(made, &QPushButton::clicked, this, action);
    }
    buttons->addStretch();
    QPushButton *close = button("ArchiveCloseButton", "Закрыть", this);
    buttons->addWidget(close);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(splitter, 1);
    layout->addLayout(buttons);
    resize(980, 700);
}

void ArchiveDialog::connectControls() {
    const auto later = [this] { searchTimer_.start(); };
    connect(&searchTimer_, &QTimer::timeout, this, &ArchiveDialog::runSearch);
    connect(numberEdit_, &QLineEdit::textChanged, this, later);
    connect(detailEdit_, &QLineEdit::textChanged, this, later);
    // Enter in a search field searches at once instead of waiting for the pause.
    for (QLineEdit *edit : {numberEdit_, detailEdit_})
        connect(edit, &QLineEdit::returnPressed, this, &ArchiveDialog::runSearch);
    connect(fromDate_, &QDateEdit::dateChanged, this, later);
    connect(toDate_, &QDateEdit::dateChanged, this, later);
    connect(verdictCombo_, &QComboBox::currentIndexChanged, this, later);
    connect(rangeCheck_, &QCheckBox::toggled, this, [this, later](bool on) {
        fromDate_->setEnabled(on);
        toDate_->setEnabled(on);
        later();
    });
    connect(list_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &ArchiveDialog::showCurrentDocument);
    connect(printButton_, &QPushButton::clicked, this, &ArchiveDialog::printDocument);
    connect(copyButton_, &QPushButton::clicked, this, &ArchiveDialog::openSelectedCopy);
}

ArchiveFilter ArchiveDialog::currentFilter() const {
    ArchiveFilter filter;
    filter.vehicleNumber = numberEdit_->text().trimmed();
    filter.detailText = detailEdit_->text().trimmed();
    if (rangeCheck_->isChecked()) {
        filter.from = fromDate_->date();
        filter.to = toDate_->date();
    }
    const int choice = verdictCombo_->currentIndex();
    if (choice >= 0 && choice < int(std::size(VerdictChoices)))
        filter.verdict = VerdictChoices[choice].second;
    return filter;
}

void ArchiveDialog::runSearch() {
    searchTimer_.stop();
    model_->search(currentFilter());
    const int found = model_->rowCount();
    note_->setText(model_->truncated() ? QStringLiteral("Показаны первые %1 испытаний").arg(found)
                                       : QStringLiteral("Найдено испытаний: %1").arg(found));
    if (found > 0)
        list_->selectRow(0);
    showCurrentDocument();
}

std::optional<ArchiveRecord> ArchiveDialog::currentRecord() const {
    const QModelIndex current = list_->selectionModel()->currentIndex();
    if (!current.isValid() || current.row() >= model_->rowCount())
        return std::nullopt;
    return archive_.record(model_->summary(current.row()).id);
}

void ArchiveDialog::showCurrentDocument() {
    const std::optional<ArchiveRecord> record = currentRecord();
    document_->setPlainText(
        record ? QString(record->documentText).replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
               : QString());
    printButton_->setEnabled(record.has_value());
    copyButton_->setEnabled(record.has_value());
}

QList<QString> ArchiveDialog::selectedIds() const {
    QList<QString> ids;
    QModelIndexList rows = list_->selectionModel()->selectedRows();
    // In the list's order (newest first), not in the order of the clicks.
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex &a, const QModelIndex &b) { return a.row() < b.row(); });
    for (const QModelIndex &row : rows)
        ids << model_->summary(row.row()).id;
    return ids;
}
