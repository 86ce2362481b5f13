#include "panel_builders.h"
#include "panel_widgets.h"
#include "view_panels.h"

#include "channel.h"

#include "qcustomplot.h"

#include <QFrame>
#include <QTableWidget>

using namespace PanelWidgets;

// The diagram view: six bar charts, each in its own panel, and the norms grid under them.
void PanelBuilders::diagramPanel(QWidget *parent, ViewPanels &v) {
    v.diagramPanel = named(new QFrame(parent), "Panel7");
    for (int i = 0; i < kChannelCount; ++i) {
        QFrame *chartPanel = panel(v.diagramPanel, QStringLiteral("Panel%1").arg(9 + i));
        v.diagramCharts << chart(chartPanel, QStringLiteral("Chart%1").arg(4 + i));
    }
    v.normsGrid = grid(v.diagramPanel, "StringGrid5", 3, 9, QString());
    v.normsGrid->show();
    setRow(v.normsGrid, 0,
           {"CO.max,%", "CO.max,%", "CH.max,%", "CH.max,%", "Lam.min", "Lam.max", " N.мин",
            "Nпов.min", "Nпов.max"});
    setRow(v.normsGrid, 1,
           {"при Nмин", "при Nпов", "при Nмин", "при Nпов", "при Nпов", "при Nпов"});
}
