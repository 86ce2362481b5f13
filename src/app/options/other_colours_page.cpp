#include "other_colours_page.h"

#include "app_settings.h"
#include "settings_ranges.h"

#include <QVBoxLayout>

using SettingsRanges::fieldIndex;

OtherColoursPage::OtherColoursPage(SettingsStore &settings, UserPrompts &prompts, QWidget *parent)
    : OptionsPage(settings, prompts, parent) {
    // Each row colours one control: element k of TextColor and BackColor.
    struct Row {
        const char *caption;
        const char *sampleText;
        int element;
    };
    const Row rows[] = {{"Цвет таблицы", "   Аб", 0},
                        {"Цвет заголовка", "   Де", 2},
                        {"Цвет дата/время", "   Жз", 1},
                        {"Цвет отчета", "   Ик", 3},
                        {"Цвет информ.", "   Вг", 4}};
    auto *column = new QVBoxLayout(this);
    int number = 0;
    for (const Row &row : rows) {
        const QByteArray fontButton = "Button" + QByteArray::number(9 + 2 * number);
        const QByteArray backButton = "Button" + QByteArray::number(10 + 2 * number);
        const QByteArray sample = "Edit" + QByteArray::number(9 + number);
        column->addWidget(colourPair({row.caption, fontButton.constData(), backButton.constData(),
                                      sample.constData(), row.sampleText,
                                      fieldIndex(&AppSettings::TextColor, row.element),
                                      fieldIndex(&AppSettings::BackColor, row.element)}));
        ++number;
    }
    column->addStretch(1);
}
