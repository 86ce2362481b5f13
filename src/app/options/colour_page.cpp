#include "colour_page.h"

#include "app_settings.h"
#include "channel_info.h"
#include "settings_ranges.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

using SettingsRanges::fieldIndex;

ColourPage::ColourPage(SettingsStore &settings, UserPrompts &prompts, QWidget *parent)
    : OptionsPage(settings, prompts, parent) {
    auto *channels = new QGroupBox(QStringLiteral("Цвет диаграмм и графиков"), this);
    auto *channelGrid = new QGridLayout(channels);
    for (Channel channel : kAllChannels) {
        const int c = index(channel);
        const int field = fieldIndex(&AppSettings::ChannelColor, c);
        const int row = c % 3, column = c / 3 * 2;
        channelGrid->addWidget(colourButton(QStringLiteral("Button%1").arg(c + 1),
                                            channelInfo(channel).name.toString(), field),
                               row, column);
        channelGrid->addWidget(sampleBox(QStringLiteral("Edit%1").arg(c + 1), QString(), -1, field),
                               row, column + 1);
    }

    auto *others = new QGridLayout;
    const std::tuple<const char *, const char16_t *, const char *, int> rows[] = {
        {"Button7", u"фон графика", "Edit7", fieldIndex(&AppSettings::GraphBackColor)},
        {"Button8", u"нормы", "Edit8", fieldIndex(&AppSettings::NormColor)}};
    int row = 0;
    for (const auto &[button, caption, sample, field] : rows) {
        others->addWidget(colourButton(button, QString::fromUtf16(caption), field), row, 0);
        others->addWidget(sampleBox(sample, QString(), -1, field), row, 1);
        ++row;
    }

    auto *width = new QFormLayout;
    width->addRow(QStringLiteral("Толщина линий графиков"),
                  spinEdit("SpinEdit7", fieldIndex(&AppSettings::LineWidth)));

    auto *column = new QVBoxLayout(this);
    column->addWidget(channels);
    column->addLayout(others);
    column->addLayout(width);
    column->addStretch(1);
}

void ColourPage::fieldApplied(int field) {
    const int first = fieldIndex(&AppSettings::ChannelColor, 0);
    if (field >= first && field < first + kChannelCount)
        emit graphSettingsChanged();
}
