#include "main_toolbar.h"

#include "view_table.h"

#include <QButtonGroup>
#include <QToolBar>
#include <QToolButton>

namespace {

using Buttons = MainToolbar::Buttons;

struct ToolDefinition {
    QToolButton *Buttons::*slot; // null: a separator
    const char *name;
    const char *hint;
    ToolbarIcons::Glyph glyph;
};

// After the view buttons.
using G = ToolbarIcons::Glyph;
const ToolDefinition Tools[] = {
    {nullptr, "", "", G::None},
    {&Buttons::options, "ToolButton9", "Опции.", G::Options},
    {nullptr, "", "", G::None},
    {&Buttons::help, "ToolButton11", "Помощь.", G::Help},
    {&Buttons::about, "ToolButton12", "О программе.", G::About},
    {nullptr, "", "", G::None},
    {&Buttons::demonstration, "ToolButton5", "Демонстрация", G::Demonstration},
    {&Buttons::link, "ToolButton14", "Связь", G::Link},
    {nullptr, "", "", G::None},
    {&Buttons::pump, "ToolButton19", "Насос", G::Pump},
    {&Buttons::startStop, "ToolButton17", "Пуск/стоп", G::StartStop},
    {nullptr, "", "", G::None},
    {&Buttons::exit, "ToolButton15", "Выход", G::Exit},
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
    for (const ViewDefinition &view : ViewTable::all()) {
        QToolButton *b = addButton(view.button, view.buttonHint, view.glyph);
        b->setCheckable(true);
        viewGroup_->addButton(b, view.id);
    }
    for (const ToolDefinition &tool : Tools) {
        if (!tool.slot)
            bar_->addSeparator();
        else
            buttons_.*tool.slot = addButton(tool.name, tool.hint, tool.glyph);
    }
}

QToolButton *MainToolbar::addButton(const char *name, const char *hint, ToolbarIcons::Glyph glyph) {
    auto *b = new QToolButton(bar_);
    b->setObjectName(name);
    b->setToolTip(QString::fromUtf8(hint));
    b->setIcon(ToolbarIcons::icon(glyph));
    b->setFixedSize(ButtonWidth, ButtonHeight);
    b->setAutoRaise(true);
    bar_->addWidget(b);
    return b;
}

QToolButton *MainToolbar::viewButton(int view) const {
    return qobject_cast<QToolButton *>(viewGroup_->button(view));
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
