#include "tform3.h"

#include "categories_dialog_rules.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TForm3::TForm3(QWidget *parent) : QDialog(parent), rows_(new QListWidget(this)) {
    setObjectName("Form3");
    setWindowTitle(QString::fromUtf16(CategoriesDialog::Caption));
    setModal(true);

    auto *heading = new QPlainTextEdit(this);
    heading->setObjectName("Memo1");
    heading->setReadOnly(true);
    heading->setLineWrapMode(QPlainTextEdit::NoWrap);
    QStringList lines;
    for (const char16_t *line : CategoriesDialog::Heading)
        lines << QString::fromUtf16(line);
    heading->setPlainText(lines.join('\n'));
    heading->setMaximumHeight(heading->fontMetrics().lineSpacing() * 5);

    rows_->setObjectName("ListBox1");
    for (const char16_t *row : CategoriesDialog::Rows)
        rows_->addItem(QString::fromUtf16(row));

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(QString::fromUtf16(CategoriesDialog::OkButton),
                                         QDialogButtonBox::AcceptRole);
    ok->setObjectName("BitBtn1");
    ok->setDefault(true);
    QPushButton *cancel = buttons->addButton(QString::fromUtf16(CategoriesDialog::CancelButton),
                                             QDialogButtonBox::RejectRole);
    cancel->setObjectName("BitBtn2");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(rows_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

    auto *column = new QVBoxLayout(this);
    column->addWidget(heading);
    column->addWidget(rows_);
    column->addWidget(buttons);
    resize(560, 300);
}

void TForm3::prepare(int vehicleCategory) {
    selectRow(CategoriesDialog::InitialRow(vehicleCategory));
}

int TForm3::selectedRow() const {
    const QList<QListWidgetItem *> selected = rows_->selectedItems();
    return selected.isEmpty() ? -1 : rows_->row(selected.first());
}

void TForm3::selectRow(int row) {
    rows_->setCurrentRow(row);
}

int TForm3::chosenCategory() const {
    return CategoriesDialog::CategoryForRow(selectedRow());
}
