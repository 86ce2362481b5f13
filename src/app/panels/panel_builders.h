#pragma once

class QWidget;
struct ViewPanels;

// One builder per panel of the views, each in its own file. A builder creates its panel's
// controls inside the client area with their control names, fixed titles and captions, and
// records the ones the program drives in ViewPanels. A new panel is a new file and one row
// in the builders table (view_panels.cpp).
namespace PanelBuilders {

void readingsGrid(QWidget *parent, ViewPanels &v);  // StringGrid1: information and table views
void headerPanel(QWidget *parent, ViewPanels &v);   // Panel2: table view
void infoPanel(QWidget *parent, ViewPanels &v);     // Panel3: information view
void reportMemo(QWidget *parent, ViewPanels &v);    // Memo10: report view
void sidePanel(QWidget *parent, ViewPanels &v);     // Panel15: report and graph views
void diagramPanel(QWidget *parent, ViewPanels &v);  // Panel7: diagram view
void categoryPanel(QWidget *parent, ViewPanels &v); // Panel8: diagram view
void graphChart(QWidget *parent, ViewPanels &v);    // Chart3: graph view
void readingsPanel(QWidget *parent, ViewPanels &v); // Panel4: readings view

} // namespace PanelBuilders
