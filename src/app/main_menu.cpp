#include "main_menu.h"

#include "view_table.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <iterator>

namespace {

using Items = MainMenu::Items;

struct MenuItem {
    QAction *Items::*slot;
    const char *name;    // control name
    const char *caption; // exactly as shown
    const char *key;     // shortcut, empty for none
    bool separatorAfter;
};

struct MenuDefinition {
    const char *name;
    const char *caption;
    bool viewsFirst; // the views table's items open the menu, then a separator
    std::initializer_list<MenuItem> items;
};

const MenuDefinition Menus[] = {
    {"FileM",
     "Файл",
     false,
     {{&Items::openReport, "N5", "Открыть отчет", "", false},
      {&Items::arrange, "N6", "Оформить", "F10", false},
      {&Items::saveReport, "N7", "Сохранить отчет", "", false},
      {&Items::printReport, "N8", "Печать отчета", "", false},
      {&Items::archive, "ArchiveM", "Архив испытаний...", "", true},
      {&Items::openGraph, "N9", "Открыть график", "", false},
      {&Items::saveGraph, "N10", "Сохранить график", "", false},
      {&Items::printGraph, "N11", "Печать графика", "", true},
      {&Items::openHeader, "N12", "Открыть заголовок", "", false},
      {&Items::saveHeader, "N13", "Сохранить заголовок", "", true},
      {&Items::exit, "ExitM", "Выход", "", false}}},
    {"ViewM", "  Вид  ", true, {{&Items::options, "N26", "Опции", "", false}}},
    {"ActionM",
     "Действия",
     false,
     {{&Items::link, "N27", "Связь", "F7", false},
      {&Items::demonstration, "N44", "Демонстрация", "", false},
      {&Items::pump, "N28", "Насос", "F8", false},
      {&Items::startStop, "N29", "Пуск/стоп", "F9", true},
      {&Items::setClock, "N2", "Установить время", "", false},
      {&Items::readHeader, "N3", "Прочитать заголовок", "", false},
      {&Items::writeHeader, "N4", "Записать заголовок", "", true},
      {&Items::recordMinimum, "N31", "Запись   Nмин.", "F11", false},
      {&Items::recordElevated, "N32", "Запись  Nпов.", "F12", false}}},
    {"HelpM",
     "Помощь",
     false,
     {{&Items::help, "N15", "Помощь ", "F1", false},
      {&Items::about, "N16", "О программе", "", false}}},
};

QAction *addItem(QMenu *menu, const char *name, const char *caption, const char *key) {
    QAction *action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(name);
    if (*key)
        action->setShortcut(QKeySequence(QString::fromLatin1(key)));
    action->setEnabled(false);
    return action;
}

} // namespace

MainMenu::MainMenu(QMenuBar *bar) {
    for (const MenuDefinition &definition : Menus) {
        QMenu *menu = bar->addMenu(QString::fromUtf8(definition.caption));
        menu->setObjectName(definition.name);
        if (definition.viewsFirst) {
            for (const ViewDefinition &view : ViewTable::all())
                viewItems_[view.id] = addItem(menu, view.menuItem, view.menuCaption, view.menuKey);
            menu->addSeparator();
        }
        for (const MenuItem &item : definition.items) {
            items_.*item.slot = addItem(menu, item.name, item.caption, item.key);
            if (item.separatorAfter)
                menu->addSeparator();
        }
    }
}

QAction *MainMenu::viewItem(int view) const {
    return view >= 0 && view < int(std::size(viewItems_)) ? viewItems_[view] : nullptr;
}
