#include "panel_builders.h"
#include "panel_widgets.h"
#include "view_panels.h"

#include "qcustomplot.h"

using namespace PanelWidgets;

// The graph view's time chart.
void PanelBuilders::graphChart(QWidget *parent, ViewPanels &v) {
    v.graphChart = chart(parent, "Chart3");
    v.graphChart->hide();
}
