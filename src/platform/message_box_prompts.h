#pragma once

#include "user_prompts.h"

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

private:
    QWidget *parent_;
};
