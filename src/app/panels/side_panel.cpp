#include "panel_builders.h"
#include "panel_widgets.h"
#include "view_panels.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace PanelWidgets;

// The side panel the report and graph views share: the channel check boxes and value boxes,
// the document buttons, the recording pair and the report's record buttons.
void PanelBuilders::sidePanel(QWidget *parent, ViewPanels &v) {
    v.sidePanel = named(new QFrame(parent), "Panel15");
    v.sidePanel->setFrameShape(QFrame::StyledPanel);
    GraphPanelControls &graph = v.graphPanel;
    const QStringList channels = {"CO,%", "CH,ppm", "CO2,%", "O2,%", "Lamb", "N,min-1"};
    for (int i = 0; i < channels.size(); ++i) {
        auto *check =
            named(new QCheckBox(channels[i], v.sidePanel), QStringLiteral("CheckBox%1").arg(i + 1));
        check->setChecked(true);
        check->show();
        graph.channelBoxes[i] = check;
        graph.valueBoxes[i] = valueBox(v.sidePanel, QStringLiteral("Edit%1").arg(i + 1));
    }
    const std::pair<const char *, const char *> documentButtons[] = {
        {"BitBtn1", "Сохранить"}, {"BitBtn2", "Открыть"},   {"BitBtn3", "Стереть"},
        {"BitBtn4", "Печать"},    {"BitBtn5", "Настроить"}, {"BitBtn9", "Оформить"}};
    for (const auto &[name, caption] : documentButtons)
        button(v.sidePanel, name, QString::fromUtf8(caption));
    graph.stop = button(v.sidePanel, "BitBtn6", QStringLiteral("Останов"),
                        QStringLiteral("Остановить запись графика."));
    graph.stop->hide();
    graph.record = button(v.sidePanel, "BitBtn7", QStringLiteral("Запись"),
                          QStringLiteral("Начать/продолжить запись графика"));

    auto *speedPanel = named(new QFrame(v.sidePanel), "Panel16");
    speedPanel->setToolTip(QStringLiteral("измерения в отчет"));
    label(speedPanel, "Label6", QStringLiteral("Записать:"));
    button(speedPanel, "BitBtn17", QStringLiteral("Nмин."));
    button(speedPanel, "BitBtn18", QStringLiteral("Nпов."));
    auto *gasPanel = named(new QFrame(v.sidePanel), "Panel1");
    for (int i = 0; i < 3; ++i)
        button(gasPanel, QStringLiteral("BitBtn%1").arg(19 + i),
               QStringLiteral("ПГС %1").arg(i + 1));
}
