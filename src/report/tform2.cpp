#include "tform2.h"

#include "run_state.h"
#include "screen_keyboard.h"
#include "screen_keyboard_keys.h"
#include "test_report.h"

#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr std::array<int, 3> kFieldLimits = {ScreenKeyboardKeys::kNumberLimit,
                                             ScreenKeyboardKeys::kDetailLimit,
                                             ScreenKeyboardKeys::kStationLimit};

template <typename Widget> Widget *named(Widget *widget, const QString &name) {
    widget->setObjectName(name);
    return widget;
}

bool isEnter(const QEvent *event) {
    const int key = static_cast<const QKeyEvent *>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

TForm2::TForm2(RunState &state, QWidget *parent)
    : QDialog(parent), state_(state), fields_(named(new QFrame(this), "Panel1")),
      numberLabel_(named(new QLabel(QStringLiteral("№ автомобиля:"), fields_), "Label1")),
      detailLabel_(named(new QLabel(QStringLiteral("Владелец:"), fields_), "Label2")),
      okButton_(named(new QPushButton(QStringLiteral("ОК"), fields_), "Button2")),
      keyboard_(new ScreenKeyboard(this)) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Оформление данных"));

    auto *stationLabel = named(new QLabel(QStringLiteral("Название СТО:"), fields_), "Label3");
    for (int field = 0; field < FieldCount; ++field) {
        edits_[field] = named(new QLineEdit(fields_), QStringLiteral("Edit%1").arg(field + 1));
        edits_[field]->installEventFilter(this);
        keyboardButtons_[field] = named(new QPushButton(QStringLiteral("..."), fields_),
                                        QStringLiteral("BitBtn%1").arg(field + 1));
        connect(keyboardButtons_[field], &QPushButton::clicked, this,
                [this, field] { openKeyboard(Field(field)); });
    }
    keyboardButtons_[StationField]->setEnabled(false); // until "Изменить"
    edits_[StationField]->setMinimumWidth(edits_[StationField]->fontMetrics().averageCharWidth() *
                                          ScreenKeyboardKeys::kStationLimit);
    auto *change = named(new QPushButton(QStringLiteral("Изменить"), fields_), "Button3");
    auto *cancel = named(new QPushButton(QStringLiteral("Отмена"), fields_), "Button1");
    connect(change, &QPushButton::clicked, this, &TForm2::unlockStation);
    connect(okButton_, &QPushButton::clicked, this, [this] {
        store();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &TForm2::reject);

    auto *grid = new QGridLayout(fields_);
    grid->addWidget(numberLabel_, 0, 0);
    grid->addWidget(edits_[NumberField], 0, 1);
    grid->addWidget(keyboardButtons_[NumberField], 0, 2);
    grid->addWidget(detailLabel_, 1, 0);
    grid->addWidget(edits_[DetailField], 1, 1);
    grid->addWidget(keyboardButtons_[DetailField], 1, 2);
    grid->addWidget(stationLabel, 2, 0);
    grid->addWidget(change, 2, 1, Qt::AlignLeft);
    grid->addWidget(edits_[StationField], 3, 0, 1, 2);
    grid->addWidget(keyboardButtons_[StationField], 3, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton_);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, 4, 0, 1, 3);

    keyboard_->hide();
    connect(keyboard_, &ScreenKeyboard::accepted, this, [this](const QString &text) {
        edits_[target_]->setText(text);
        closeKeyboard();
    });
    connect(keyboard_, &ScreenKeyboard::cancelled, this, &TForm2::closeKeyboard);
    keyboard_->input()->installEventFilter(this);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(fields_);
    layout->addWidget(keyboard_);
}

bool TForm2::execute() {
    prepare();
    const bool ok = runModal(*this) == QDialog::Accepted;
    if (vehicleDataClosed)
        vehicleDataClosed(ok);
    return ok;
}

void TForm2::prepare() {
    const VehicleData &vehicle = state_.Vehicle;
    if (state_.Settings.ReportKind == VehicleReport) {
        numberLabel_->setText(QStringLiteral("№ автомобиля : "));
        detailLabel_->setText(vehicle.DetailLabel);
    } else {
        numberLabel_->setText(QStringLiteral("Тип прибора : ВЕЛАНТАР "));
        detailLabel_->setText(QStringLiteral("Зав.№ прибора :"));
    }
    edits_[NumberField]->setText(vehicle.NumberText);
    edits_[DetailField]->setText(vehicle.DetailText);
    edits_[StationField]->setText(vehicle.StationName);
    // The station line is locked again at every opening; its keyboard button, once
    // "Изменить" enabled it, stays enabled for the rest of the run.
    edits_[StationField]->setEnabled(false);
    closeKeyboard();
    edits_[NumberField]->setFocus();
}

void TForm2::store() {
    VehicleData &vehicle = state_.Vehicle;
    vehicle.NumberText = edits_[NumberField]->text().left(kFieldLimits[NumberField]);
    vehicle.DetailText = edits_[DetailField]->text().left(kFieldLimits[DetailField]);
    if (edits_[StationField]->isEnabled())
        vehicle.StationName = edits_[StationField]->text().left(kFieldLimits[StationField]);
}

void TForm2::unlockStation() {
    edits_[StationField]->setEnabled(true);
    keyboardButtons_[StationField]->setEnabled(true);
    state_.Flags.StationChanged = true;
    edits_[StationField]->setFocus();
}

void TForm2::openKeyboard(Field field) {
    target_ = field;
    fields_->hide();
    keyboard_->show();
    adjustSize();
    keyboard_->begin(edits_[field]->text(), kFieldLimits[field]);
}

void TForm2::closeKeyboard() {
    keyboard_->hide();
    fields_->show();
    adjustSize();
}

void TForm2::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Escape && !keyboard_->isHidden()) {
        closeKeyboard();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TForm2::eventFilter(QObject *watched, QEvent *event) {
    // Enter never reaches the dialog (it would press a default button): its press is taken
    // here, and its release in the number line moves on to the detail line, in the detail and
    // station lines to "ОК".
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    if (!key || !isEnter(event))
        return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::KeyRelease) {
        if (watched == edits_[NumberField])
            edits_[DetailField]->setFocus();
        else if (watched == edits_[DetailField] || watched == edits_[StationField])
            okButton_->setFocus();
    }
    return true;
}
