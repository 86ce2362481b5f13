#include "tprt.h"

#include "poll_cycle.h"
#include "tvelantar.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

using namespace CalibrationGasGrid;

namespace {

constexpr int kFixedColumns = 2;
constexpr int kKitCount = CalibrationGasFile::kKitCount;

QPushButton *dialogButton(QWidget *parent, const char *name, const QString &caption,
                          const QString &hint = {}) {
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(hint);
    return button;
}

int rowOfValue(int value) {
    return 1 + value;
}

} // namespace

TPRT::TPRT(PollCycle &cycle, const TVelantar &analyser, QWidget *parent)
    : QDialog(parent), cycle_(cycle), analyser_(analyser),
      grid_(new QTableWidget(kRowCount, kColumnCount, this)), kits_(new QListWidget(this)) {
    setObjectName(QStringLiteral("PRT"));
    setWindowTitle(QStringLiteral("Редактор ПГС"));

    grid_->setObjectName(QStringLiteral("StringGrid3"));
    grid_->horizontalHeader()->hide();
    grid_->verticalHeader()->hide();
    grid_->setEditTriggers(QAbstractItemView::AllEditTriggers);
    grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int row = 0; row < kRowCount; ++row)
        for (int column = 0; column < kColumnCount; ++column) {
            auto *cell = new QTableWidgetItem(title(row, column));
            // The titles: the first row and the first two columns.
            if (row == 0 || column < kFixedColumns) {
                cell->setFlags(Qt::ItemIsEnabled);
                cell->setBackground(palette().button());
            }
            grid_->setItem(row, column, cell);
        }
    // Title columns as wide as their titles, value columns as wide as the widest value.
    grid_->setTextElideMode(Qt::ElideNone);
    grid_->resizeColumnsToContents();
    const int valueWidth = grid_->fontMetrics().horizontalAdvance(QStringLiteral("-32768")) + 16;
    for (int kit = 0; kit < kKitCount; ++kit)
        grid_->setColumnWidth(columnOf(kit), valueWidth);
    grid_->setFixedSize(grid_->horizontalHeader()->length() + 2 * grid_->frameWidth(),
                        grid_->verticalHeader()->length() + 2 * grid_->frameWidth());

    kits_->setObjectName(QStringLiteral("ListBox4"));
    kits_->setToolTip(QString::fromUtf16(KitListHint));
    for (const char16_t *item : KitListItems)
        kits_->addItem(QString::fromUtf16(item));
    kits_->setFixedWidth(kits_->sizeHintForColumn(0) + 4 * kits_->frameWidth() + 8);

    auto *toWorking =
        dialogButton(this, "BitBtn23", QStringLiteral("0 <-- N"), QStringLiteral("Прочитать"));
    auto *refresh =
        dialogButton(this, "BitBtn1", QStringLiteral("Обновл."), QStringLiteral("ПГС с прибора"));
    auto *fromWorking =
        dialogButton(this, "BitBtn24", QStringLiteral("0 --> N"), QStringLiteral("Записать"));
    auto *cancel = dialogButton(this, "BitBtn25", QStringLiteral("Отмена"));
    auto *ok = dialogButton(this, "BitBtn22", QStringLiteral("OK"));
    connect(toWorking, &QPushButton::clicked, this, [this] { copySelected(copyKitToWorking); });
    connect(fromWorking, &QPushButton::clicked, this, [this] { copySelected(copyWorkingToKit); });
    connect(refresh, &QPushButton::clicked, this, &TPRT::refreshFromAnalyser);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(ok, &QPushButton::clicked, this, [this] {
        if (editedKits_ && flags_)
            acceptTable(table(), *editedKits_, *flags_);
        accept();
    });

    Timer1.setParent(this);
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setInterval(RefreshDelayMs);
    connect(&Timer1, &QTimer::timeout, this, &TPRT::Timer1Timer);

    auto *side = new QGridLayout;
    side->addWidget(kits_, 0, 0, 3, 1);
    side->addWidget(toWorking, 0, 1);
    side->addWidget(refresh, 1, 1);
    side->addWidget(fromWorking, 2, 1);
    side->setRowStretch(3, 1);
    side->addWidget(cancel, 4, 0, 1, 2);
    side->addWidget(ok, 5, 0, 1, 2);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(grid_);
    layout->addLayout(side);
}

bool TPRT::execute(CalibrationGasKits &kits, ChangeFlags &flags) {
    setTable(tableFromKits(kits));
    grid_->setCurrentCell(rowOfValue(0), columnOf(0));
    kits_->setCurrentRow(0);
    editedKits_ = &kits;
    flags_ = &flags;
    const bool ok = runModal(*this) == QDialog::Accepted;
    editedKits_ = nullptr;
    flags_ = nullptr;
    return ok;
}

ValueTable TPRT::table() const {
    ValueTable values;
    for (int value = 0; value < kValueCount; ++value)
        for (int kit = 0; kit < kKitCount; ++kit)
            values[value][kit] = grid_->item(rowOfValue(value), columnOf(kit))->text();
    return values;
}

void TPRT::setTable(const ValueTable &values) {
    for (int value = 0; value < kValueCount; ++value)
        for (int kit = 0; kit < kKitCount; ++kit)
            grid_->item(rowOfValue(value), columnOf(kit))->setText(values[value][kit]);
}

void TPRT::copySelected(void (*copy)(ValueTable &, int)) {
    ValueTable values = table();
    copy(values, kits_->currentRow());
    setTable(values);
}

void TPRT::refreshFromAnalyser() {
    cycle_.startCalibrationGasCycle();
    Timer1.start();
}

void TPRT::Timer1Timer() {
    Timer1.stop();
    ValueTable values = table();
    fillWorkingFromAnalyser(values, analyser_.decoded().CalibrationGasValues);
    setTable(values);
}

void TPRT::done(int result) {
    // A fetch still waiting ends with the dialog, so it cannot overwrite the next opening.
    Timer1.stop();
    QDialog::done(result);
}
