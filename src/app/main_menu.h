#pragma once

class QAction;
class QMenuBar;

// The main menu: "Файл", "  Вид  ", "Действия", "Помощь" with every item, key and
// separator; the view items come from the views table. Every item starts disabled; the main
// window and the controllers enable the ones they connect.
class MainMenu {
public:
    // The items that are not view items.
    struct Items {
        QAction *openReport = nullptr;     // N5 "Открыть отчет"
        QAction *arrange = nullptr;        // N6 "Оформить"
        QAction *saveReport = nullptr;     // N7 "Сохранить отчет"
        QAction *printReport = nullptr;    // N8 "Печать отчета"
        QAction *archive = nullptr;        // ArchiveM "Архив испытаний..."
        QAction *openGraph = nullptr;      // N9 "Открыть график"
        QAction *saveGraph = nullptr;      // N10 "Сохранить график"
        QAction *printGraph = nullptr;     // N11 "Печать графика"
        QAction *openHeader = nullptr;     // N12 "Открыть заголовок"
        QAction *saveHeader = nullptr;     // N13 "Сохранить заголовок"
        QAction *exit = nullptr;           // ExitM "Выход"
        QAction *options = nullptr;        // N26 "Опции"
        QAction *link = nullptr;           // N27 "Связь"
        QAction *demonstration = nullptr;  // N44 "Демонстрация"
        QAction *pump = nullptr;           // N28 "Насос"
        QAction *startStop = nullptr;      // N29 "Пуск/стоп"
        QAction *setClock = nullptr;       // N2 "Установить время"
        QAction *readHeader = nullptr;     // N3 "Прочитать заголовок"
        QAction *writeHeader = nullptr;    // N4 "Записать заголовок"
        QAction *recordMinimum = nullptr;  // N31 "Запись   Nмин."
        QAction *recordElevated = nullptr; // N32 "Запись  Nпов."
        QAction *help = nullptr;           // N15 "Помощь "
        QAction *about = nullptr;          // N16 "О программе"
    };

    // Builds the menus into the bar; the actions are owned by the bar's menus.
    explicit MainMenu(QMenuBar *bar);

    const Items &items() const { return items_; }
    // The item of a view number; null for a number no view has.
    QAction *viewItem(int view) const;

private:
    Items items_;
    QAction *viewItems_[8] = {};
};
