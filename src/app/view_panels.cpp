#include "view_panels.h"

#include "qcustomplot.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>

namespace {

template <typename Widget> Widget *named(Widget *widget, const QString &name) {
    widget->setObjectName(name);
    widget->hide();
    return widget;
}

QFrame *panel(QWidget *parent, const QString &name) {
    auto *frame = named(new QFrame(parent), name);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setAutoFillBackground(true);
    frame->show();
    return frame;
}

QPushButton *button(QWidget *parent, const QString &name, const QString &caption,
                    const QString &hint = {}) {
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

QPlainTextEdit *memo(QWidget *parent, const QString &name, const QStringList &lines = {},
                     bool readOnly = true) {
    auto *m = named(new QPlainTextEdit(parent), name);
    m->setPlainText(lines.join('\n'));
    m->setReadOnly(readOnly);
    m->setLineWrapMode(QPlainTextEdit::NoWrap);
    m->show();
    return m;
}

QLineEdit *valueBox(QWidget *parent, const QString &name, const QString &text = {}) {
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
    auto *c = named(new QCustomPlot(parent), name);
    c->show();
    return c;
}

// The information view's page buttons: a pair of arrows, as one control.
QWidget *upDown(QWidget *parent, const QString &name) {
    auto *box = named(new QWidget(parent), name);
    auto *row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    for (const auto &[arrow, suffix] : {std::pair{Qt::LeftArrow, QStringLiteral("Back")},
                                        {Qt::RightArrow, QStringLiteral("Next")}}) {
        auto *b = new QToolButton(box);
        b->setObjectName(name + suffix);
        b->setArrowType(arrow);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        row->addWidget(b);
    }
    box->show();
    return box;
}

struct ReadingsCell {
    const char *panel;
    const char *valueBox;
    const char *memo;
    QStringList captionLines;
};

} // namespace

ViewPanels ViewPanels::create(QWidget *parent) {
    ViewPanels v;

    // Readings grid of the information and table views.
    v.readingsGrid = grid(parent, "StringGrid1", 6, 3, QStringLiteral("Показания прибора."));
    setColumn(v.readingsGrid, 0, {"CO,%", "CH,ppm", "CO2,%", "O2,%", "Lambda", "n,min-1"});

    // Table view: the printer header and the clocks.
    v.headerPanel = named(new QFrame(parent), "Panel2");
    v.headerPanel->setFrameShape(QFrame::StyledPanel);
    label(v.headerPanel, "Label1", QStringLiteral("Встроенный принтер"))
        ->setAlignment(Qt::AlignCenter);
    button(v.headerPanel, "BitBtn11", QStringLiteral("Открыть"));
    button(v.headerPanel, "BitBtn12", QStringLiteral("Сохранить"));
    button(v.headerPanel, "BitBtn13", QStringLiteral("Стереть"));
    v.headerMemo = memo(v.headerPanel, "Memo1", {}, false);
    button(v.headerPanel, "BitBtn14", QStringLiteral("Время"),
           QStringLiteral("Установить дату и время в приборе"));
    button(v.headerPanel, "BitBtn15", QStringLiteral("Прочитать"),
           QStringLiteral("Заголовок из прибора"));
    button(v.headerPanel, "BitBtn16", QStringLiteral("Записать"),
           QStringLiteral("Заголовок в прибор"));
    v.clockGrid = grid(v.headerPanel, "StringGrid2", 4, 3, QStringLiteral("Дата и время."));
    v.clockGrid->show();
    setColumn(v.clockGrid, 0, {" Date PRN", " Date SYS", " Time PRN", " Time SYS"});

    // Information view.
    v.infoPanel = named(new QFrame(parent), "Panel3");
    upDown(v.infoPanel, "UpDown1");
    auto *image = label(v.infoPanel, "Image1", {});
    image->setScaledContents(true);
    v.infoMemo = memo(v.infoPanel, "Memo2");

    // Report view.
    v.reportMemo = memo(parent, "Memo10");
    v.reportMemo->hide();

    // Side panel of the report and graph views.
    v.sidePanel = named(new QFrame(parent), "Panel15");
    v.sidePanel->setFrameShape(QFrame::StyledPanel);
    const QStringList channels = {"CO,%", "CH,ppm", "CO2,%", "O2,%", "Lamb", "N,min-1"};
    for (int i = 0; i < channels.size(); ++i) {
        auto *check =
            named(new QCheckBox(channels[i], v.sidePanel), QStringLiteral("CheckBox%1").arg(i + 1));
        check->setChecked(true);
        check->show();
        v.graphValueBoxes << valueBox(v.sidePanel, QStringLiteral("Edit%1").arg(i + 1));
    }
    const std::pair<const char *, const char *> sideButtons[] = {
        {"BitBtn1", "Сохранить"}, {"BitBtn2", "Открыть"},   {"BitBtn3", "Стереть"},
        {"BitBtn4", "Печать"},    {"BitBtn5", "Настроить"}, {"BitBtn9", "Оформить"}};
    for (const auto &[name, caption] : sideButtons)
        button(v.sidePanel, name, QString::fromUtf8(caption));
    v.stopButton = button(v.sidePanel, "BitBtn6", QStringLiteral("Останов"),
                          QStringLiteral("Остановить запись графика."));
    v.stopButton->hide();
    v.recordButton = button(v.sidePanel, "BitBtn7", QStringLiteral("Запись"),
                            QStringLiteral("Начать/продолжить запись графика"));
    auto *speedPanel = named(new QFrame(v.sidePanel), "Panel16");
    label(speedPanel, "Label6", QStringLiteral("Запись"));
    button(speedPanel, "BitBtn17", QStringLiteral("Nмин."));
    button(speedPanel, "BitBtn18", QStringLiteral("Nпов."));
    auto *gasPanel = named(new QFrame(v.sidePanel), "Panel1");
    for (int i = 0; i < 3; ++i)
        button(gasPanel, QStringLiteral("BitBtn%1").arg(19 + i),
               QStringLiteral("ПГС %1").arg(i + 1));

    // Diagram view: six bar charts and the norms grid, the category panel beside them.
    v.diagramPanel = named(new QFrame(parent), "Panel7");
    for (int i = 0; i < 6; ++i) {
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

    v.categoryPanel = named(new QFrame(parent), "Panel8");
    v.categoryPanel->setFrameShape(QFrame::StyledPanel);
    label(v.categoryPanel, "Label3", QStringLiteral("Категория"));
    list(v.categoryPanel, "ListBox1", {"M1,N1", "M2,M3,N2,N3", "Настройка1", "Настройка2"});
    button(v.categoryPanel, "BitBtn10", QStringLiteral("Категории"),
           QStringLiteral("Расширенное описание категорий"));
    label(v.categoryPanel, "Label4", QStringLiteral("Нейтрализатор"));
    list(v.categoryPanel, "ListBox2",
         {"Нет", "2х-компонентная", "3х-компонентная", "вып. до 01.10.86"});
    label(v.categoryPanel, "Label2", QStringLiteral("Нормы"));
    list(v.categoryPanel, "ListBox3", {"минимальные", "повышенные", "авто-перекл."});
    auto *speedIndicator = valueBox(v.categoryPanel, "Edit7");
    speedIndicator->setToolTip(QStringLiteral("Индикация включенного режима для норм"));
    button(v.categoryPanel, "BitBtn8", QStringLiteral("Изменить"),
           QStringLiteral("помеченную ячейку в таблице"));
    for (int i = 1; i <= 3; ++i)
        named(new QSpinBox(v.categoryPanel), QStringLiteral("SpinEdit%1").arg(i));
    named(new QLabel(QStringLiteral(","), v.categoryPanel), "Label5");

    // Graph view.
    v.graphChart = chart(parent, "Chart3");
    v.graphChart->hide();

    // Readings view: six cells in two columns.
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
    return v;
}
