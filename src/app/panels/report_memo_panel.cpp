#include "panel_builders.h"
#include "panel_widgets.h"
#include "view_panels.h"

#include <QPlainTextEdit>

using namespace PanelWidgets;

// The report view's document memo.
void PanelBuilders::reportMemo(QWidget *parent, ViewPanels &v) {
    v.reportMemo = memo(parent, "Memo10");
    v.reportMemo->hide();
}
