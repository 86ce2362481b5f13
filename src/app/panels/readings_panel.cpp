#include "panel_builders.h"
#include "panel_widgets.h"
#include "view_panels.h"

#include <QFrame>
#include <QLineEdit>
#include <QPlainTextEdit>

using namespace PanelWidgets;

namespace {

// One cell per channel, in channel order: its panel, value box and caption memo.
struct ReadingsCell {
    const char *panel;
    const char *valueBox;
    const char *memo;
    QStringList captionLines;
};

} // namespace

// The readings view: six cells with large values, in two columns.
void PanelBuilders::readingsPanel(QWidget *parent, ViewPanels &v) {
    v.readingsPanel = named(new QFrame(parent), "Panel4");
    v.readingsPanel->setAutoFillBackground(true);
    const ReadingsCell cells[] = {{"Panel5", "Edit8", "Memo3", {"CO", " %"}},
                                  {"Panel6", "Edit9", "Memo4", {" CH", "ppm"}},
                                  {"Panel17", "Edit10", "Memo5", {"CO2", "  %"}},
                                  {"Panel18", "Edit11", "Memo6", {"O2", " %"}},
                                  {"Panel19", "Edit12", "Memo7", {" λ"}},
                                  {"Panel20", "Edit13", "Memo8", {" N", "min-1"}}};
    for (const ReadingsCell &cell : cells) {
        QFrame *cellPanel = panel(v.readingsPanel, cell.panel);
        QLineEdit *box = valueBox(cellPanel, cell.valueBox, QStringLiteral("00,00"));
        box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        v.readingsValueBoxes << box;
        v.readingsCaptions << memo(cellPanel, cell.memo, cell.captionLines);
    }
}
