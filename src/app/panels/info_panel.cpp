#include "panel_builders.h"
#include "panel_widgets.h"
#include "up_down.h"
#include "view_panels.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>

using namespace PanelWidgets;

// The information view: the page picture and text, with the page selector above them.
void PanelBuilders::infoPanel(QWidget *parent, ViewPanels &v) {
    v.infoPanel = named(new QFrame(parent), "Panel3");
    v.infoSelector = new TUpDown(QStringLiteral("UpDown1"), v.infoPanel);
    v.infoSelector->setToolTip(QStringLiteral("Прокрутка информации."));
    v.infoImage = label(v.infoPanel, "Image1", {});
    v.infoImage->setScaledContents(true);
    v.infoMemo = memo(v.infoPanel, "Memo2");
}
