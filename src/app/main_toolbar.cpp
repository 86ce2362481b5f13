#include "main_toolbar.h"

#include "toolbar_icons.h"

#include <QButtonGroup>
#include <QToolBar>
#include <QToolButton>

namespace {

struct ToolDefinition {
    const char *name; // empty: a separator
    const char *hint;
    ToolbarIcons::Glyph glyph;
    int view; // view number of a view button, -1 otherwise
};

using G = ToolbarIcons::Glyph;
const ToolDefinition Tools[] = {
    {"ToolButton8", "Показания", G::Readings, 6},
    {"ToolButton1", "Информация.", G::Information, 0},
    {"ToolButton2", "Таблица", G::Table, 1},
    {"ToolButton3", "Отчет", G::Report, 2},
    {"ToolButton6", "Диаграмма ", G::Diagram, 4},
    {"ToolButton7", "График.", G::Graph, 5},
    {"", "", G::None, -1},
    {"ToolButton9", "Опции.", G::Options, -1},
    {"", "", G::None, -1},
    {"ToolButton11", "Помощь.", G::Help, -1},
    {"ToolButton12", "О программе.", G::About, -1},
    {"", "", G::None, -1},
    {"ToolButton5", "Демонстрация", G::Demonstration, -1},
    {"ToolButton14", "Связь", G::Link, -1},
    {"", "", G::None, -1},
    {"ToolButton19", "Насос", G::Pump, -1},
    {"ToolButton17", "Пуск/стоп", G::StartStop, -1},
    {"", "", G::None, -1},
    {"ToolButton15", "Выход", G::Exit, -1},
};

} // namespace

MainToolbar::MainToolbar(QWidget *parent)
    : bar_(new QToolBar(parent)), viewGroup_(new QButtonGroup(bar_)) {
    bar_->setObjectName("ToolBar1");
    bar_->setMovable(false);
    bar_->setFloatable(false);
    bar_->setFixedHeight(Height);
    bar_->setMinimumWidth(MinimumWidth);
    bar_->setIconSize(QSize(ButtonWidth - 8, ButtonHeight - 6));
    viewGroup_->setExclusive(true);
    for (const ToolDefinition &tool : Tools) {
        if (!*tool.name) {
            bar_->addSeparator();
            continue;
        }
        auto *b = new QToolButton(bar_);
        b->setObjectName(tool.name);
        b->setToolTip(QString::fromUtf8(tool.hint));
        b->setIcon(ToolbarIcons::icon(tool.glyph));
        b->setFixedSize(ButtonWidth, ButtonHeight);
        b->setAutoRaise(true);
        if (tool.view >= 0) {
            b->setCheckable(true);
            viewGroup_->addButton(b, tool.view);
        }
        bar_->addWidget(b);
        buttons_.insert(tool.name, b);
    }
}

int MainToolbar::viewOfButton(const QString &name) {
    for (const ToolDefinition &tool : Tools)
        if (name == QLatin1String(tool.name))
            return tool.view;
    return -1;
}

void MainToolbar::showViewPressed(int currentView) {
    if (QAbstractButton *b = viewGroup_->button(currentView)) {
        b->setChecked(true);
        return;
    }
    viewGroup_->setExclusive(false);
    for (QAbstractButton *b : viewGroup_->buttons())
        b->setChecked(false);
    viewGroup_->setExclusive(true);
}
