#include "panel_builders.h"
#include "panel_widgets.h"
#include "view_panels.h"

#include "channel_info.h"

#include <QTableWidget>

using namespace PanelWidgets;

void PanelBuilders::readingsGrid(QWidget *parent, ViewPanels &v) {
    v.readingsGrid =
        grid(parent, "StringGrid1", kChannelCount, 3, QStringLiteral("Показания прибора."));
    QStringList titles;
    for (Channel channel : kAllChannels)
        titles << channelInfo(channel).gridTitle.toString();
    setColumn(v.readingsGrid, 0, titles);
}
