#include "readings_colours_page.h"

#include "app_settings.h"
#include "settings_ranges.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using SettingsRanges::fieldIndex;

ReadingsColoursPage::ReadingsColoursPage(SettingsStore &settings, UserPrompts &prompts,
                                         QWidget *parent)
    : OptionsPage(settings, prompts, parent) {
    auto *column = new QVBoxLayout(this);
    column->addWidget(colourPair({"Цвет показаний", "Button19", "Button20", "Edit14", "   Лм",
                                  fieldIndex(&AppSettings::ReadingsTextColor),
                                  fieldIndex(&AppSettings::ReadingsBackColor)}));
    column->addWidget(colourPair({"Цвет обознач.", "Button21", "Button22", "Edit15", "   Но",
                                  fieldIndex(&AppSettings::LabelsTextColor),
                                  fieldIndex(&AppSettings::LabelsBackColor)}));
    const int panelField = fieldIndex(&AppSettings::ReadingsPanelColor);
    auto *panel = new QGridLayout;
    panel->addWidget(colourButton("Button23", QStringLiteral("Фон общий"), panelField), 0, 0);
    panel->addWidget(sampleBox("Edit16", QString(), -1, panelField), 0, 1);
    column->addLayout(panel);
    column->addWidget(checkBox("CheckBox4", QStringLiteral("Цвет как у графиков"),
                               fieldIndex(&AppSettings::ReadingsUseChannelColors), false,
                               Applied::AtOnce));
    column->addStretch(1);
}

void ReadingsColoursPage::fieldApplied(int field) {
    if (field == fieldIndex(&AppSettings::ReadingsUseChannelColors))
        emit appearanceChanged();
}
