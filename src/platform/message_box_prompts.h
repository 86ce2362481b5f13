#pragma once

#include "user_prompts.h"

#include <QColor>

class QWidget;

// The real prompts: modal message boxes over the given parent window.
class MessageBoxPrompts : public UserPrompts {
public:
    explicit MessageBoxPrompts(QWidget *parent = nullptr) : parent_(parent) {}

    void setParent(QWidget *parent) { parent_ = parent; }

    void message(const QString &text) override;
    Answer warningOkCancel(const QString &text) override;
    Answer askYesNoCancel(const QString &text) override;
    Answer askYesNo(const QString &text) override;
    std::optional<QColor> chooseColor(const QColor &initial) override;

    // The program is being ended from outside (a termination signal): the box that is open
    // now is closed as if cancelled, and from now on no box is shown; messages go to the
    // standard error output and questions are answered Cancel.
    void abandon();

private:
    QWidget *parent_;
    bool abandoned_ = false;
};
