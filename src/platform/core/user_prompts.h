#pragma once

#include <QString>

#include <optional>

// The colour dialog's value type comes from QtGui; this interface names it only, so the QtCore
// libraries that put questions to the operator need no GUI module.
class QColor;

// The questions and messages the program puts to the operator. The program talks to
// this interface only, so tests answer with a scripted implementation and never wait
// on a real modal dialog.
class UserPrompts {
public:
    enum class Answer { Yes, No, Cancel, Ok };

    virtual ~UserPrompts() = default;

    // A plain message box with an OK button.
    virtual void message(const QString &text) = 0;
    // A warning box with OK and Cancel; returns Ok or Cancel.
    virtual Answer warningOkCancel(const QString &text) = 0;
    // A warning box with Yes, No and Cancel.
    virtual Answer askYesNoCancel(const QString &text) = 0;
    // A confirmation with Yes and No.
    virtual Answer askYesNo(const QString &text) = 0;
    // The colour dialog, preset to `initial`; no value when the user cancelled.
    virtual std::optional<QColor> chooseColor(const QColor &initial) = 0;
};
