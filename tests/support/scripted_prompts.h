#pragma once

#include "user_prompts.h"

#include <QColor>
#include <QList>
#include <QStringList>

#include <functional>

// Prompts for tests: records every text shown and answers questions from a script.
// A question with no scripted answer left gets Cancel, the safe choice.
class ScriptedPrompts : public UserPrompts {
public:
    QStringList shown;
    QList<Answer> answers;
    // Runs while a question is "on screen", before its answer is given.
    std::function<void(const QString &)> whileAsking;

    void message(const QString &text) override { shown << text; }
    Answer warningOkCancel(const QString &text) override { return next(text); }
    Answer askYesNoCancel(const QString &text) override { return next(text); }
    Answer askYesNo(const QString &text) override { return next(text); }
    // The colour dialog: takes the next scripted colour, or cancels when none is left.
    QList<QColor> colors;
    std::optional<QColor> chooseColor(const QColor &) override {
        if (colors.isEmpty())
            return std::nullopt;
        return colors.takeFirst();
    }

private:
    Answer next(const QString &text) {
        shown << text;
        if (whileAsking)
            whileAsking(text);
        return answers.isEmpty() ? Answer::Cancel : answers.takeFirst();
    }
};
