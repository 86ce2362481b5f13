#include "norms_page.h"

#include "app_settings.h"
#include "radio_group.h"
#include "settings_ranges.h"

#include <QGridLayout>

using SettingsRanges::fieldIndex;

NormsPage::NormsPage(SettingsStore &settings, UserPrompts &prompts, QWidget *parent)
    : OptionsPage(settings, prompts, parent) {
    RadioGroup *alarm = radioGroup(
        "RadioGroup2", QStringLiteral("Сигнализация превышения"),
        {QStringLiteral("отключена"), QStringLiteral("цвет шрифта"), QStringLiteral("цвет фона"),
         QStringLiteral("цвет диаграммы"), QStringLiteral("диаграмма и шрифт"),
         QStringLiteral("диаграмма и фон"), QStringLiteral("цвет рамки")},
        fieldIndex(&AppSettings::AlarmStyle), Applied::AtOnce);
    RadioGroup *vehicle = radioGroup(
        "RadioGroup5", QStringLiteral("Характеристика автомобиля"),
        {QStringLiteral("  Владелец"), QStringLiteral("  Марка"), QStringLiteral("  VIN")},
        fieldIndex(&AppSettings::VehicleFieldIndex), Applied::OnOk);
    reportForm_ = radioGroup("RadioGroup9", QString(),
                             {QStringLiteral("  Отчет"), QStringLiteral("  Протокол"),
                              QStringLiteral("  Расшир.протокол")},
                             fieldIndex(&AppSettings::ReportKind), Applied::OnOk);
    reportForm_->setToolTip(QStringLiteral("Переключается при калибровке."));
    reportForm_->setEnabled(false);

    auto *grid = new QGridLayout(this);
    grid->addWidget(alarm, 0, 0, 2, 1);
    grid->addWidget(vehicle, 0, 1);
    grid->addWidget(reportForm_, 1, 1);
    grid->setRowStretch(2, 1);
}

void NormsPage::loaded() {
    reportForm_->setEnabled(settings().ReportFormUnlocked == 1);
}
