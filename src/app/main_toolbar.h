#pragma once

#include "toolbar_icons.h"

class QButtonGroup;
class QToolBar;
class QToolButton;
class QWidget;

// The toolbar at the bottom of the main window: the six grouped view buttons (from the views
// table), options, help, the about box, the demonstration, the link, the pump, start/stop and
// exit, each with its hint and an icon of its own.
class MainToolbar {
public:
    static constexpr int Height = 30;
    static constexpr int ButtonWidth = 36;
    static constexpr int ButtonHeight = 26;
    static constexpr int MinimumWidth = 610;

    // The buttons that are not view buttons.
    struct Buttons {
        QToolButton *options = nullptr;       // ToolButton9 "Опции."
        QToolButton *help = nullptr;          // ToolButton11 "Помощь."
        QToolButton *about = nullptr;         // ToolButton12 "О программе."
        QToolButton *demonstration = nullptr; // ToolButton5 "Демонстрация"
        QToolButton *link = nullptr;          // ToolButton14 "Связь"
        QToolButton *pump = nullptr;          // ToolButton19 "Насос"
        QToolButton *startStop = nullptr;     // ToolButton17 "Пуск/стоп"
        QToolButton *exit = nullptr;          // ToolButton15 "Выход"
    };

    explicit MainToolbar(QWidget *parent);

    QToolBar *bar() const { return bar_; }
    const Buttons &buttons() const { return buttons_; }
    // The button of a view number; null for a number no view has.
    QToolButton *viewButton(int view) const;
    // Presses the view button of a view number; any other number releases them all.
    void showViewPressed(int currentView);

private:
    QToolButton *addButton(const char *name, const char *hint, ToolbarIcons::Glyph glyph);

    QToolBar *bar_;
    QButtonGroup *viewGroup_;
    Buttons buttons_;
};
