#include "panel_builders.h"
#include "panel_widgets.h"
#include "view_panels.h"

#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>

using namespace PanelWidgets;

// The information view: the page picture and text, with the page selector above them.
void PanelBuilders::infoPanel(QWidget *parent, ViewPanels &v) {
    v.infoPanel = named(new QFrame(parent), "Panel3");
    upDown(v.infoPanel, "UpDown1")->setToolTip(QStringLiteral("Прокрутка информации."));
    auto *image = label(v.infoPanel, "Image1", {});
    image->setScaledContents(true);
    v.infoMemo = memo(v.infoPanel, "Memo2");
}
