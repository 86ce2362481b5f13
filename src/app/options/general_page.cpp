#include "general_page.h"

#include "app_settings.h"
#include "radio_group.h"
#include "settings_ranges.h"
#include "settings_store.h"
#include "user_prompts.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

using SettingsRanges::fieldIndex;

const QString GeneralPage::DefaultsQuestion =
    QStringLiteral("Вы действительно хотите восстановить значения по умолчанию ? "
                   "После ответа \"YES\" перезапустите программу.");

GeneralPage::GeneralPage(SettingsStore &settings, UserPrompts &prompts,
                         std::function<AnalyserKind()> analyserKind, QWidget *parent)
    : OptionsPage(settings, prompts, parent), analyserKind_(std::move(analyserKind)) {
    auto *intervals = new QGroupBox(QStringLiteral("Интервал индикации , мсек"), this);
    auto *intervalRows = new QFormLayout(intervals);
    intervalRows->addRow(QStringLiteral("Таблица"),
                         spinEdit("SpinEdit1", fieldIndex(&AppSettings::ViewInterval, 0)));
    intervalRows->addRow(QStringLiteral("Диаграмма"),
                         spinEdit("SpinEdit2", fieldIndex(&AppSettings::ViewInterval, 1)));

    // The window mode is applied by "OK", and only after a click on the group.
    windowGroup_ = radioGroup(
        "RadioGroup6", QStringLiteral("    Окно   "),
        {QStringLiteral("640 х 480"), QStringLiteral("Изменяемое"), QStringLiteral("Полный экран")},
        fieldIndex(&AppSettings::WindowMode), Applied::ShownOnly);
    connect(windowGroup_, &RadioGroup::itemClicked, this, [this] { windowModeClicked_ = true; });

    auto *defaults = new QPushButton(QStringLiteral("Настройки по умолчанию."), this);
    defaults->setObjectName("Button24");
    defaults->setToolTip(QStringLiteral("Восстановить все исходные настройки"));
    defaults->setProperty("appliesAtOnce", true);
    connect(defaults, &QPushButton::clicked, this, [this] {
        if (this->prompts().askYesNoCancel(DefaultsQuestion) == UserPrompts::Answer::Yes)
            emit defaultsConfirmed();
    });

    modeIndication_ = checkBox(
        "CheckBox6", QStringLiteral("Прибор Т5 (Т6) с 2004 г.выпуска (индикация режимов работы)"),
        fieldIndex(&AppSettings::OldAnalyser), true, Applied::OnOk);
    modeIndication_->setProperty("appliesAtOnce", true);
    connect(modeIndication_, &QCheckBox::clicked, this, &GeneralPage::modeIndicationClicked);
    QCheckBox *printer =
        checkBox("CheckBox7", QStringLiteral("Есть встроенный принтер"),
                 fieldIndex(&AppSettings::NoBuiltInPrinter), true, Applied::AtOnceAndOnOk);

    auto *top = new QHBoxLayout;
    top->addWidget(intervals);
    top->addWidget(windowGroup_);
    auto *column = new QVBoxLayout(this);
    column->addLayout(top);
    column->addWidget(defaults, 0, Qt::AlignLeft);
    column->addWidget(modeIndication_);
    column->addWidget(printer);
    column->addStretch(1);
}

int GeneralPage::windowMode() const {
    return windowGroup_->itemIndex();
}

void GeneralPage::modeIndicationClicked(bool ticked) {
    // Only a four-component analyser reports its operating modes: otherwise the box
    // unticks itself and the indication goes off.
    if (ticked && analyserKind_() != AnalyserKind::FourComponent) {
        modeIndication_->setChecked(false);
        ticked = false;
    }
    store().set(&AppSettings::OldAnalyser, ticked ? 0 : 1);
    if (ticked)
        emit normalPollingRequested();
    else
        emit modeIndicationSwitchedOff();
}
