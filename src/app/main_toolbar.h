#pragma once

#include <QHash>
#include <QString>

class QButtonGroup;
class QToolBar;
class QToolButton;
class QWidget;

// The toolbar at the bottom of the main window: the six grouped view buttons, options,
// help, the about box, the demonstration, the link, the pump, start/stop and exit, each
// with its hint and an icon of its own.
class MainToolbar {
public:
    static constexpr int Height = 30;
    static constexpr int ButtonWidth = 36;
    static constexpr int ButtonHeight = 26;
    static constexpr int MinimumWidth = 610;

    explicit MainToolbar(QWidget *parent);

    QToolBar *bar() const { return bar_; }
    QToolButton *button(const QString &name) const { return buttons_.value(name); }
    // Presses the view button of a view number; any other number releases them all.
    void showViewPressed(int currentView);
    // The view number behind a view button, -1 for other buttons.
    static int viewOfButton(const QString &name);

private:
    QToolBar *bar_;
    QButtonGroup *viewGroup_;
    QHash<QString, QToolButton *> buttons_;
};
