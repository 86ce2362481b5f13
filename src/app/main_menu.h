#pragma once

#include <QHash>
#include <QString>

class QAction;
class QMenuBar;
class QObject;

// The main menu: "Файл", "  Вид  ", "Действия", "Помощь" with every item, key and
// separator. Items are QActions found by their control names; the main window connects
// the ones whose behaviour exists and leaves the others disabled.
class MainMenu {
public:
    // Builds the menus into the bar; the actions are owned by the bar's menus.
    explicit MainMenu(QMenuBar *bar);

    QAction *action(const QString &name) const { return actions_.value(name); }

private:
    QHash<QString, QAction *> actions_;
};
