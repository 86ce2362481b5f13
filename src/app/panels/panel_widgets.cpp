#include "panel_widgets.h"

#include "paper_plot.h"

#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

namespace PanelWidgets {

QFrame *panel(QWidget *parent, const QString &name) {
    auto *frame = named(new QFrame(parent), name);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setAutoFillBackground(true);
    frame->show();
    return frame;
}

QPushButton *button(QWidget *parent, const QString &name, const QString &caption,
                    const QString &hint) {
    auto *b = named(new QPushButton(caption, parent), name);
    b->setToolTip(hint);
    b->show();
    return b;
}

QLabel *label(QWidget *parent, const QString &name, const QString &text) {
    auto *l = named(new QLabel(text, parent), name);
    l->show();
    return l;
}

QPlainTextEdit *memo(QWidget *parent, const QString &name, const QStringList &lines,
                     bool readOnly) {
    auto *m = named(new QPlainTextEdit(parent), name);
    m->setPlainText(lines.join('\n'));
    m->setReadOnly(readOnly);
    m->setLineWrapMode(QPlainTextEdit::NoWrap);
    m->show();
    return m;
}

QLineEdit *valueBox(QWidget *parent, const QString &name, const QString &text) {
    auto *e = named(new QLineEdit(text, parent), name);
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::NoFocus);
    e->show();
    return e;
}

// A string grid without headers whose first column holds fixed titles. The selection
// lies outside the visible cells so that no cell shows as selected.
QTableWidget *grid(QWidget *parent, const QString &name, int rows, int columns,
                   const QString &hint) {
    auto *g = named(new QTableWidget(rows, columns, parent), name);
    g->horizontalHeader()->hide();
    g->verticalHeader()->hide();
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSelectionMode(QAbstractItemView::NoSelection);
    g->setFocusPolicy(Qt::NoFocus);
    g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setToolTip(hint);
    // Large digits in narrow columns: a condensed face where the system has one, and text
    // that is clipped at the cell edge rather than replaced by an ellipsis.
    QFont font = g->font();
    font.setFamilies({QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("Nimbus Sans Narrow"),
                      QStringLiteral("Liberation Sans Narrow"), QStringLiteral("Arial Narrow"),
                      font.family()});
    g->setFont(font);
    g->setTextElideMode(Qt::ElideNone);
    g->setWordWrap(false);
    g->setShowGrid(false);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            g->setItem(r, c, new QTableWidgetItem);
    return g;
}

void setColumn(QTableWidget *g, int column, const QStringList &texts) {
    for (int r = 0; r < texts.size(); ++r)
        g->item(r, column)->setText(texts[r]);
}

void setRow(QTableWidget *g, int row, const QStringList &texts) {
    for (int c = 0; c < texts.size(); ++c)
        g->item(row, c)->setText(texts[c]);
}

QListWidget *list(QWidget *parent, const QString &name, const QStringList &items) {
    auto *l = named(new QListWidget(parent), name);
    l->addItems(items);
    l->show();
    return l;
}

QCustomPlot *chart(QWidget *parent, const QString &name) {
    auto *c = named(new PaperPlot(parent), name);
    c->show();
    return c;
}

} // namespace PanelWidgets
