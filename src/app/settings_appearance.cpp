#include "settings_appearance.h"

#include "app_settings.h"
#include "bgr_color.h"
#include "view_panels.h"

#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QToolTip>

namespace {

void setColors(QWidget *widget, qint32 text, qint32 back) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Text, colorFromBgr(text));
    palette.setColor(QPalette::WindowText, colorFromBgr(text));
    palette.setColor(QPalette::Base, colorFromBgr(back));
    palette.setColor(QPalette::Window, colorFromBgr(back));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setPanelColor(QWidget *panel, qint32 color) {
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, colorFromBgr(color));
    panel->setPalette(palette);
    panel->setAutoFillBackground(true);
}

} // namespace

void applySettingsAppearance(const AppSettings &s, const ViewPanels &panels) {
    // Grids and memos in the order of the text and background colour arrays.
    QWidget *const textControls[] = {panels.readingsGrid, panels.clockGrid, panels.headerMemo,
                                     panels.reportMemo, panels.infoMemo};
    for (int i = 0; i < int(std::size(textControls)); ++i)
        setColors(textControls[i], s.TextColor[i], s.BackColor[i]);

    for (int channel = 0; channel < kChannelCount; ++channel) {
        setColors(panels.graphPanel.valueBoxes[channel], s.ChannelColor[channel], s.GraphBackColor);
        const bool channelColors = s.ReadingsUseChannelColors != 0;
        setColors(panels.readingsValueBoxes[channel],
                  channelColors ? s.ChannelColor[channel] : s.ReadingsTextColor,
                  channelColors ? s.GraphBackColor : s.ReadingsBackColor);
        setColors(panels.readingsCaptions[channel], s.LabelsTextColor, s.LabelsBackColor);
    }

    setPanelColor(panels.readingsPanel, s.ReadingsPanelColor);
    for (QFrame *cell : panels.readingsCells)
        setPanelColor(cell, s.ReadingsPanelColor);

    panels.normsControls.categories->setCurrentRow(s.VehicleCategory);
    panels.normsControls.variants->setCurrentRow(s.CatalystKind);
    panels.normsControls.speedModes->setCurrentRow(s.SpeedMode);
}

void applyHintPalette() {
    QPalette hints = QToolTip::palette();
    hints.setColor(QPalette::ToolTipBase, QColor(0, 255, 255));
    QToolTip::setPalette(hints);
}
