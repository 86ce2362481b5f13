#include "message_box_prompts.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QMessageBox>

#include <cstdio>

namespace {

// The boxes carry the program's name as their caption; the other windows' captions are
// their own, with nothing appended.
QString title() {
    return QStringLiteral("ВЕЛАНТАР-ГРАФИЧЕСКИЙ");
}

UserPrompts::Answer toAnswer(QMessageBox::StandardButton button) {
    switch (button) {
    case QMessageBox::Yes:
        return UserPrompts::Answer::Yes;
    case QMessageBox::No:
        return UserPrompts::Answer::No;
    case QMessageBox::Ok:
        return UserPrompts::Answer::Ok;
    default:
        return UserPrompts::Answer::Cancel;
    }
}

} // namespace

void MessageBoxPrompts::message(const QString &text) {
    if (abandoned_) {
        std::fprintf(stderr, "%s\n", qPrintable(text));
        return;
    }
    QMessageBox::information(parent_, title(), text, QMessageBox::Ok);
}

UserPrompts::Answer MessageBoxPrompts::warningOkCancel(const QString &text) {
    if (abandoned_)
        return Answer::Cancel;
    return toAnswer(QMessageBox::warning(parent_, title(), text,
                                         QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok));
}

UserPrompts::Answer MessageBoxPrompts::askYesNoCancel(const QString &text) {
    if (abandoned_)
        return Answer::Cancel;
    return toAnswer(QMessageBox::warning(parent_, title(), text,
                                         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                         QMessageBox::Yes));
}

UserPrompts::Answer MessageBoxPrompts::askYesNo(const QString &text) {
    if (abandoned_)
        return Answer::Cancel;
    return toAnswer(QMessageBox::question(parent_, title(), text,
                                          QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes));
}

std::optional<QColor> MessageBoxPrompts::chooseColor(const QColor &initial) {
    if (abandoned_)
        return std::nullopt;
    const QColor chosen = QColorDialog::getColor(initial, parent_);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

void MessageBoxPrompts::abandon() {
    abandoned_ = true;
    // Nested boxes close from the innermost outwards; each returns to its caller as if
    // cancelled.
    while (QWidget *modal = QApplication::activeModalWidget()) {
        auto *dialog = qobject_cast<QDialog *>(modal);
        if (!dialog)
            break;
        dialog->reject();
        if (QApplication::activeModalWidget() == modal)
            break;
    }
}
