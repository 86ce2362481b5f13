#include "control_page.h"

#include "app_settings.h"
#include "channel_info.h"
#include "radio_group.h"
#include "settings_ranges.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QSpinBox>
#include <QVBoxLayout>

using SettingsRanges::fieldIndex;

ControlPage::ControlPage(SettingsStore &settings, UserPrompts &prompts, QWidget *parent)
    : OptionsPage(settings, prompts, parent) {
    RadioGroup *start = radioGroup("RadioGroup1", QStringLiteral("Включать запись графика"),
                                   {QStringLiteral("при достижении связи с прибором"),
                                    QStringLiteral("кнопкой   \"Продолжить\"")},
                                   fieldIndex(&AppSettings::GraphStartMode), Applied::OnOk);
    RadioGroup *full = radioGroup(
        "RadioGroup3", QStringLiteral("По заполнении всего графика :"),
        {QStringLiteral("сдвигать,стирая начало"), QStringLiteral("останавливать с сообщением")},
        fieldIndex(&AppSettings::GraphFullAction), Applied::OnOk);
    // Kept and stored, but not offered: recording goes on whatever view is shown.
    checkBox("CheckBox2", QStringLiteral("продолжать запись,когда графика не видно"),
             fieldIndex(&AppSettings::NoRecordWhenHidden), true, Applied::OnOk)
        ->hide();
    QCheckBox *legend = checkBox("CheckBox3", QStringLiteral("показывать легенду"),
                                 fieldIndex(&AppSettings::LegendHidden), true, Applied::OnOk);

    auto *scales = new QGroupBox(QStringLiteral("Вся шкала"), this);
    auto *scaleGrid = new QGridLayout(scales);
    for (Channel channel : kAllChannels) {
        const int c = index(channel);
        auto *row = new QFormLayout;
        row->addRow(channelInfo(channel).scaleCaption.toString(),
                    spinEdit(QStringLiteral("SpinEdit%1").arg(8 + c),
                             fieldIndex(&AppSettings::FullScale, c)));
        scaleGrid->addLayout(row, c % 3, c / 3);
    }

    auto *column = new QVBoxLayout(this);
    column->addWidget(start);
    column->addWidget(full);
    column->addWidget(legend);
    column->addWidget(scales);
    column->addStretch(1);
}
