#include "norms_panel.h"

#include "norm_spin_box.h"

#include "app_settings.h"
#include "bgr_color.h"
#include "norm_grid.h"
#include "norm_panel_texts.h"
#include "settings_store.h"
#include "tform3.h"
#include "user_prompts.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

namespace {

constexpr NormEditor kEditors[] = {NormEditor::Single, NormEditor::Integer, NormEditor::Fraction};

} // namespace

NormSpinBox *NormsPanel::Editors::of(NormEditor editor) const {
    switch (editor) {
    case NormEditor::Integer:
        return integer;
    case NormEditor::Fraction:
        return fraction;
    case NormEditor::Single:
        break;
    }
    return single;
}

NormsPanel::NormsPanel(const NormsPanelControls &controls, QTableWidget *normsGrid,
                       SettingsStore &settings, ChangeFlags &flags, UserPrompts &prompts,
                       QWidget *dialogParent, QObject *parent)
    : QObject(parent), store_(settings), settings_(settings.get()), flags_(flags),
      prompts_(prompts), categories_(controls.categories), variants_(controls.variants),
      speedModes_(controls.speedModes), categoriesButton_(controls.categoriesButton),
      editButton_(controls.editButton), speedIndicator_(controls.speedIndicator),
      comma_(controls.comma),
      grid_(normsGrid), editors_{controls.single, controls.integer, controls.fraction},
      gridMenu_(new QMenu(normsGrid)), dialog_(new TForm3(dialogParent)) {
    gridMenu_->setObjectName("PopupMenu8");
    speedIndicator_->setToolTip(QString::fromUtf16(SpeedIndicatorHint));
    QPalette indicator = speedIndicator_->palette();
    indicator.setColor(QPalette::Base, Qt::black);
    speedIndicator_->setPalette(indicator);

    // Only the value row can be selected; a click there marks the column to edit.
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setSelectionBehavior(QAbstractItemView::SelectItems);
    for (int row = 0; row < NormGrid::kValueRow; ++row)
        for (int column = 0; column < grid_->columnCount(); ++column)
            if (QTableWidgetItem *item = grid_->item(row, column))
                item->setFlags(Qt::ItemIsEnabled);
    grid_->setCurrentCell(NormGrid::kValueRow, 0);

    for (NormEditor editor : kEditors) {
        NormSpinBox *spin = editors_.of(editor);
        spin->installEventFilter(this);
        spin->lineEdit()->installEventFilter(this);
    }
    hideEditors();
    connectControls();
}

void NormsPanel::connectControls() {
    connect(categories_, &QListWidget::currentRowChanged, this, &NormsPanel::ListBox1Click);
    connect(variants_, &QListWidget::currentRowChanged, this, &NormsPanel::ListBox2Click);
    // A click on the mode already chosen chooses it again ("авто-перекл." starts over with
    // the minimal-speed limits); a new row chosen by the keys counts as a click.
    connect(speedModes_, &QListWidget::currentRowChanged, this, &NormsPanel::ListBox3Click);
    connect(speedModes_, &QListWidget::clicked, this,
            [this](const QModelIndex &clicked) { ListBox3Click(clicked.row()); });
    connect(categoriesButton_, &QPushButton::clicked, this, &NormsPanel::BitBtn10Click);
    connect(editButton_, &QPushButton::clicked, this, &NormsPanel::BitBtn8Click);
    connect(grid_, &QTableWidget::cellClicked, this, &NormsPanel::StringGrid5Click);

    gridMenu_->addAction(QString::fromUtf16(NormPanelTexts::EditCellMenuItem), this,
                         &NormsPanel::BitBtn8Click);
    gridMenu_->addAction(QString::fromUtf16(NormPanelTexts::CancelMenuItem)); // only closes
    grid_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { gridMenu_->popup(grid_->viewport()->mapToGlobal(pos)); });
}

// ---- Start-up and exit -----------------------------------------------------------------

void NormsPanel::LoadNormFile(const QString &path) {
    table_ = ::LoadNormFile(path);
}

void NormsPanel::startUp() {
    selectListRows();
    elevatedActive_ = ElevatedActiveFor(SpeedModeFrom(settings_.SpeedMode));
    ShowSpeedIndicator();
    RefreshNormGrid();
}

NormSaveOutcome NormsPanel::SaveNormFile(const QString &path) const {
    return ::SaveNormFile(path, table_, flags_);
}

void NormsPanel::selectListRows() {
    // A selection outside a list (a damaged settings file) shows no row selected.
    const std::pair<QListWidget *, int> lists[] = {{categories_, settings_.VehicleCategory},
                                                   {variants_, settings_.CatalystKind},
                                                   {speedModes_, settings_.SpeedMode}};
    for (const auto &[list, row] : lists) {
        const QSignalBlocker quiet(list);
        list->setCurrentRow(row >= 0 && row < list->count() ? row : -1);
    }
}

// ---- Limits in force -------------------------------------------------------------------

const NormSet &NormsPanel::selectedLimits() const {
    return table_.row(settings_.VehicleCategory, settings_.CatalystKind);
}

bool NormsPanel::autoSwitching() const {
    return SpeedModeFrom(settings_.SpeedMode) == SpeedMode::Auto;
}

void NormsPanel::RefreshNormGrid() {
    const NormGridTexts texts = ::RefreshNormGrid(selectedLimits(), settings_.VehicleCategory);
    grid_->setToolTip(texts.hint);
    for (int column = 0; column < NormGrid::kColumnCount; ++column)
        if (QTableWidgetItem *item = grid_->item(NormGrid::kValueRow, column))
            item->setText(texts.cells[column]);
    PublishLimits();
}

void NormsPanel::PublishLimits() {
    published_ = ::PublishLimits(selectedLimits(), elevatedActive_);
    emit limitsPublished(published_);
}

void NormsPanel::ShowSpeedIndicator() {
    const SpeedIndicator shown = ::ShowSpeedIndicator(elevatedActive_);
    speedIndicator_->setText(shown.text);
    QPalette palette = speedIndicator_->palette();
    palette.setColor(QPalette::Text, colorFromBgr(shown.fontColor));
    speedIndicator_->setPalette(palette);
}

void NormsPanel::AutoSwitchSpeedMode(int rpm) {
    const bool elevated = ::AutoSwitchSpeedMode(selectedLimits(), rpm, elevatedActive_);
    if (elevated == elevatedActive_)
        return;
    elevatedActive_ = elevated;
    PublishLimits();
    ShowSpeedIndicator();
}

// ---- Lists and dialog ------------------------------------------------------------------

void NormsPanel::ListBox1Click(int row) {
    if (row < 0 || row == settings_.VehicleCategory)
        return;
    store_.set(&AppSettings::VehicleCategory, row);
    RefreshNormGrid();
}

void NormsPanel::ListBox2Click(int row) {
    if (row < 0 || row == settings_.CatalystKind)
        return;
    store_.set(&AppSettings::CatalystKind, row);
    RefreshNormGrid();
}

void NormsPanel::ListBox3Click(int row) {
    // The press that changes the row and its click both arrive here; the second finds the
    // mode in force already.
    if (row < 0 ||
        (row == settings_.SpeedMode && elevatedActive_ == ElevatedActiveFor(SpeedModeFrom(row))))
        return;
    store_.set(&AppSettings::SpeedMode, row);
    elevatedActive_ = ElevatedActiveFor(SpeedModeFrom(row));
    ShowSpeedIndicator();
    PublishLimits();
}

void NormsPanel::BitBtn10Click() {
    dialog_->prepare(settings_.VehicleCategory);
    if (runModal(*dialog_) == QDialog::Accepted) {
        store_.set(&AppSettings::VehicleCategory, dialog_->chosenCategory());
        const QSignalBlocker quiet(categories_);
        categories_->setCurrentRow(settings_.VehicleCategory);
    }
    RefreshNormGrid();
}

// ---- Hand editing ----------------------------------------------------------------------

void NormsPanel::StringGrid5Click(int row, int column) {
    if (row == NormGrid::kValueRow)
        editor_.markColumn(column);
}

void NormsPanel::BitBtn8Click() {
    const BeginEditResult begun =
        editor_.BeginCellEdit(table_, settings_.VehicleCategory, settings_.CatalystKind);
    if (!begun.started) {
        prompts_.message(begun.refusal);
        return;
    }
    editButton_->hide();
    const std::pair<NormSpinBox *, SpinEditorSetup> setups[] = {
        {editors_.single, begun.setup.single},
        {editors_.integer, begun.setup.integer},
        {editors_.fraction, begun.setup.fraction}};
    for (const auto &[spin, setup] : setups) {
        const QSignalBlocker quiet(spin);
        spin->setRange(setup.minimum, setup.maximum);
        spin->setValue(setup.value);
        spin->lineEdit()->setMaxLength(qMax(1, setup.maxLength));
        spin->setVisible(setup.visible);
    }
    comma_->setVisible(begun.setup.commaVisible);
    QSpinBox *focused = editors_.of(begun.setup.focus);
    focused->setFocus();
    focused->selectAll();
}

bool NormsPanel::editorOf(QObject *watched, NormEditor &editor) const {
    for (NormEditor candidate : kEditors) {
        QSpinBox *spin = editors_.of(candidate);
        if (watched == spin || watched->parent() == spin) {
            editor = candidate;
            return true;
        }
    }
    return false;
}

bool NormsPanel::eventFilter(QObject *watched, QEvent *event) {
    NormEditor editor;
    if (!editorOf(watched, editor))
        return false;
    if (event->type() == QEvent::KeyRelease) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->isAutoRepeat())
            return false;
        const EditorAction action = editor_.keyReleased(editor, key->key());
        act(editor, action);
        // A release sent to the spin box's own line edit stops there, so that it is not
        // handled again by the spin box it would otherwise go on to.
        return action != EditorAction::None && watched != editors_.of(editor);
    }
    // Only the control that had the focus is told it left.
    if (event->type() == QEvent::FocusOut)
        act(editor, editor_.focusLeft(editor));
    return false;
}

void NormsPanel::act(NormEditor editor, EditorAction action) {
    switch (action) {
    case EditorAction::None:
        break;
    case EditorAction::SetZero:
        editors_.of(editor)->setValue(0);
        break;
    case EditorAction::FocusFraction:
        editors_.fraction->setFocus();
        editors_.fraction->selectAll();
        break;
    case EditorAction::Commit:
        commitEdit();
        break;
    case EditorAction::Cancel:
        editor_.CancelCellEdit();
        hideEditors();
        break;
    }
}

void NormsPanel::commitEdit() {
    NormEditorValues values;
    for (NormEditor editor : kEditors)
        editors_.of(editor)->interpretText();
    values.single = editors_.single->value();
    values.integer = editors_.integer->value();
    values.fraction = editors_.fraction->value();
    if (!editor_.CommitCellEdit(table_, flags_, values))
        return;
    RefreshNormGrid();
    hideEditors();
}

void NormsPanel::hideEditors() {
    for (NormEditor editor : kEditors)
        editors_.of(editor)->hide();
    comma_->hide();
    editButton_->show();
}
