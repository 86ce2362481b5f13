#include "panel_builders.h"
#include "panel_widgets.h"
#include "view_panels.h"

#include <QTableWidget>

using namespace PanelWidgets;

void PanelBuilders::readingsGrid(QWidget *parent, ViewPanels &v) {
    v.readingsGrid = grid(parent, "StringGrid1", 6, 3, QStringLiteral("Показания прибора."));
    setColumn(v.readingsGrid, 0, {"CO,%", "CH,ppm", "CO2,%", "O2,%", "Lambda", "n,min-1"});
}
