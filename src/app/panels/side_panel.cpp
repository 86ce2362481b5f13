#include "panel_builders.h"
#include "panel_widgets.h"
#include "view_panels.h"

#include "channel_info.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <tuple>

using namespace PanelWidgets;

// The side panel the report and graph views share: the channel check boxes and value boxes,
// the document buttons, the recording pair and the report's record buttons.
void PanelBuilders::sidePanel(QWidget *parent, ViewPanels &v) {
    v.sidePanel = named(new QFrame(parent), "Panel15");
    v.sidePanel->setFrameShape(QFrame::StyledPanel);
    GraphPanelControls &graph = v.graphPanel;
    for (Channel channel : kAllChannels) {
        const int i = index(channel);
        auto *check =
            named(new QCheckBox(channelInfo(channel).checkCaption.toString(), v.sidePanel),
                  QStringLiteral("CheckBox%1").arg(i + 1));
        check->setChecked(true);
        check->show();
        graph.channelBoxes[i] = check;
        graph.valueBoxes[i] = valueBox(v.sidePanel, QStringLiteral("Edit%1").arg(i + 1));
    }
    ViewPanels::SideButtons &b = v.sideButtons;
    const std::tuple<QPushButton * ViewPanels::SideButtons::*, const char *, const char *>
        documentButtons[] = {{&ViewPanels::SideButtons::save, "BitBtn1", "Сохранить"},
                             {&ViewPanels::SideButtons::open, "BitBtn2", "Открыть"},
                             {&ViewPanels::SideButtons::clear, "BitBtn3", "Стереть"},
                             {&ViewPanels::SideButtons::print, "BitBtn4", "Печать"},
                             {&ViewPanels::SideButtons::configure, "BitBtn5", "Настроить"},
                             {&ViewPanels::SideButtons::arrange, "BitBtn9", "Оформить"}};
    for (const auto &[slot, name, caption] : documentButtons)
        b.*slot = button(v.sidePanel, name, QString::fromUtf8(caption));
    graph.stop = button(v.sidePanel, "BitBtn6", QStringLiteral("Останов"),
                        QStringLiteral("Остановить запись графика."));
    graph.stop->hide();
    graph.record = button(v.sidePanel, "BitBtn7", QStringLiteral("Запись"),
                          QStringLiteral("Начать/продолжить запись графика"));

    b.speedRecordPanel = named(new QFrame(v.sidePanel), "Panel16");
    b.speedRecordPanel->setToolTip(QStringLiteral("измерения в отчет"));
    b.speedRecordCaption = label(b.speedRecordPanel, "Label6", QStringLiteral("Записать:"));
    b.speedRecord = {button(b.speedRecordPanel, "BitBtn17", QStringLiteral("Nмин.")),
                     button(b.speedRecordPanel, "BitBtn18", QStringLiteral("Nпов."))};
    b.gasRecordPanel = named(new QFrame(v.sidePanel), "Panel1");
    for (int i = 0; i < 3; ++i)
        b.gasRecord << button(b.gasRecordPanel, QStringLiteral("BitBtn%1").arg(19 + i),
                              QStringLiteral("ПГС %1").arg(i + 1));
}
