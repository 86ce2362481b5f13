#include "command_bindings.h"

#include "main_menu.h"
#include "main_toolbar.h"
#include "status_line.h"
#include "view_panels.h"
#include "view_table.h"

#include <QAction>
#include <QPushButton>
#include <QToolButton>

namespace {

using Command = std::function<void()> WindowCommands::*;
using Items = MainMenu::Items;
using Buttons = MainToolbar::Buttons;
using PanelButtons = ViewPanels::HeaderButtons;

struct Binding {
    Command command;
    QAction *Items::*item;
    QToolButton *Buttons::*button;           // null: none on the toolbar
    QPushButton *PanelButtons::*panelButton; // null: none on the printer panel
};

const Binding kBindings[] = {
    {&WindowCommands::openOptions, &Items::options, &Buttons::options, nullptr},
    {&WindowCommands::connectLink, &Items::link, &Buttons::link, nullptr},
    {&WindowCommands::exit, &Items::exit, &Buttons::exit, nullptr},
    {&WindowCommands::pump, &Items::pump, &Buttons::pump, nullptr},
    {&WindowCommands::startStop, &Items::startStop, &Buttons::startStop, nullptr},
    {&WindowCommands::setClock, &Items::setClock, nullptr, &PanelButtons::setClock},
    {&WindowCommands::readHeader, &Items::readHeader, nullptr, &PanelButtons::readHeader},
    {&WindowCommands::writeHeader, &Items::writeHeader, nullptr, &PanelButtons::writeHeader},
    {&WindowCommands::openHeader, &Items::openHeader, nullptr, nullptr},
    {&WindowCommands::saveHeader, &Items::saveHeader, nullptr, nullptr},
    {&WindowCommands::demonstration, &Items::demonstration, &Buttons::demonstration, nullptr},
    {&WindowCommands::help, &Items::help, &Buttons::help, nullptr},
    {&WindowCommands::about, &Items::about, &Buttons::about, nullptr},
};

void bindItem(QAction *action, const std::function<void()> &handler, QObject *context) {
    action->setEnabled(true);
    QObject::connect(action, &QAction::triggered, context, handler);
}

} // namespace

namespace CommandBindings {

void bind(const WindowCommands &commands, const MainMenu &menu, const MainToolbar &toolbar,
          const ViewPanels &panels, const StatusLine &statusLine, QObject *context) {
    for (const ViewDefinition &definition : ViewTable::all()) {
        const auto select = [select = commands.selectView, view = definition.id] { select(view); };
        QObject::connect(toolbar.viewButton(definition.id), &QToolButton::clicked, context, select);
        bindItem(menu.viewItem(definition.id), select, context);
    }
    for (const Binding &binding : kBindings) {
        const std::function<void()> &handler = commands.*binding.command;
        bindItem(menu.items().*binding.item, handler, context);
        if (binding.button)
            QObject::connect(toolbar.buttons().*binding.button, &QToolButton::clicked, context,
                             handler);
        if (binding.panelButton)
            QObject::connect(panels.headerButtons.*binding.panelButton, &QPushButton::clicked,
                             context, handler);
    }
    QObject::connect(&statusLine, &StatusLine::linkFieldClicked, context, commands.connectLink);
    QObject::connect(&statusLine, &StatusLine::pumpFieldClicked, context, commands.pump);
}

} // namespace CommandBindings
