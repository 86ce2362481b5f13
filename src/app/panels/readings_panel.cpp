#include "panel_builders.h"
#include "panel_widgets.h"
#include "view_panels.h"

#include "channel_info.h"
#include "text_fit.h"

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
};

// The caption memo's lines: one or two.
QStringList captionLines(Channel channel) {
    QStringList lines;
    for (QStringView line : channelInfo(channel).memoLines)
        if (!line.isNull())
            lines << line.toString();
    return lines;
}

} // namespace

// The readings view: six cells with large values, in two columns.
void PanelBuilders::readingsPanel(QWidget *parent, ViewPanels &v) {
    v.readingsPanel = named(new QFrame(parent), "Panel4");
    v.readingsPanel->setAutoFillBackground(true);
    constexpr PerChannel<ReadingsCell> cells = {{{"Panel5", "Edit8", "Memo3"},
                                                 {"Panel6", "Edit9", "Memo4"},
                                                 {"Panel17", "Edit10", "Memo5"},
                                                 {"Panel18", "Edit11", "Memo6"},
                                                 {"Panel19", "Edit12", "Memo7"},
                                                 {"Panel20", "Edit13", "Memo8"}}};
    for (Channel channel : kAllChannels) {
        const ReadingsCell &cell = cells[index(channel)];
        QFrame *cellPanel = panel(v.readingsPanel, cell.panel);
        v.readingsCells << cellPanel;
        QLineEdit *box = valueBox(cellPanel, cell.valueBox, QStringLiteral("00,00"));
        box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        v.readingsValueBoxes << box;
        QPlainTextEdit *caption = memo(cellPanel, cell.memo, captionLines(channel));
        TextFit::markCaption(caption);
        v.readingsCaptions << caption;
    }
}
