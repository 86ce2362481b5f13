#include "main_menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

struct MenuItem {
    const char *name;    // control name
    const char *caption; // exactly as shown
    const char *key;     // shortcut, empty for none
    bool separatorAfter;
};

struct MenuDefinition {
    const char *name;
    const char *caption;
    std::initializer_list<MenuItem> items;
};

const MenuDefinition Menus[] = {
    {"FileM",
     "Файл",
     {{"N5", "Открыть отчет", "", false},
      {"N6", "Оформить", "F10", false},
      {"N7", "Сохранить отчет", "", false},
      {"N8", "Печать отчета", "", true},
      {"N9", "Открыть график", "", false},
      {"N10", "Сохранить график", "", false},
      {"N11", "Печать графика", "", true},
      {"N12", "Открыть заголовок", "", false},
      {"N13", "Сохранить заголовок", "", true},
      {"ExitM", "Выход", "", false}}},
    {"ViewM",
     "  Вид  ",
     {{"N19", "Показания", "F2", false},
      {"N20", "Информация.", "", false},
      {"N21", "Таблица", "F3", false},
      {"N22", "Отчет", "F4", false},
      {"N23", "Диаграмма", "F5", false},
      {"N24", "График", "F6", true},
      {"N26", "Опции", "", false}}},
    {"ActionM",
     "Действия",
     {{"N27", "Связь", "F7", false},
      {"N44", "Демонстрация", "", false},
      {"N28", "Насос", "F8", false},
      {"N29", "Пуск/стоп", "F9", true},
      {"N2", "Установить время", "", false},
      {"N3", "Прочитать заголовок", "", false},
      {"N4", "Записать заголовок", "", true},
      {"N31", "Запись   Nмин.", "F11", false},
      {"N32", "Запись  Nпов.", "F12", false}}},
    {"HelpM", "Помощь", {{"N15", "Помощь ", "F1", false}, {"N16", "О программе", "", false}}},
};

} // namespace

MainMenu::MainMenu(QMenuBar *bar) {
    for (const MenuDefinition &definition : Menus) {
        QMenu *menu = bar->addMenu(QString::fromUtf8(definition.caption));
        menu->setObjectName(definition.name);
        for (const MenuItem &item : definition.items) {
            QAction *action = menu->addAction(QString::fromUtf8(item.caption));
            action->setObjectName(item.name);
            if (*item.key)
                action->setShortcut(QKeySequence(QString::fromLatin1(item.key)));
            action->setEnabled(false);
            actions_.insert(item.name, action);
            if (item.separatorAfter)
                menu->addSeparator();
        }
    }
}
