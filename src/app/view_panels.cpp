#include "view_panels.h"

#include "panels/panel_builders.h"

#include <QWidget>

namespace {

using Builder = void (*)(QWidget *, ViewPanels &);

// Every panel of the views, in creation order (later panels lie above earlier ones).
constexpr Builder kBuilders[] = {
    PanelBuilders::readingsGrid,  PanelBuilders::headerPanel, PanelBuilders::infoPanel,
    PanelBuilders::reportMemo,    PanelBuilders::sidePanel,   PanelBuilders::diagramPanel,
    PanelBuilders::categoryPanel, PanelBuilders::graphChart,  PanelBuilders::readingsPanel,
};

} // namespace

ViewPanels ViewPanels::create(QWidget *parent) {
    ViewPanels panels;
    for (Builder build : kBuilders)
        build(parent, panels);
    // Every named control, for the layout that places controls by their names.
    for (QWidget *control : parent->findChildren<QWidget *>())
        if (!control->objectName().isEmpty())
            panels.byName.insert(control->objectName(), control);
    return panels;
}

ReadingsView::Controls ViewPanels::readingsControls() const {
    ReadingsView::Controls controls;
    for (int channel = 0; channel < kChannelCount; ++channel)
        controls.boxes[channel] = readingsValueBoxes.value(channel);
    controls.coCaption = readingsCaptions.value(0);      // Memo3
    controls.rowFourCaption = readingsCaptions.value(4); // Memo7
    controls.readingsGrid = readingsGrid;
    controls.clockGrid = clockGrid;
    return controls;
}
