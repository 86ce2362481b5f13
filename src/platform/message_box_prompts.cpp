#include "message_box_prompts.h"

#include <QApplication>
#include <QMessageBox>

namespace {

QString title() {
    return QApplication::applicationDisplayName();
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
    QMessageBox::information(parent_, title(), text, QMessageBox::Ok);
}

UserPrompts::Answer MessageBoxPrompts::warningOkCancel(const QString &text) {
    return toAnswer(QMessageBox::warning(parent_, title(), text,
                                         QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok));
}

UserPrompts::Answer MessageBoxPrompts::askYesNoCancel(const QString &text) {
    return toAnswer(QMessageBox::warning(parent_, title(), text,
                                         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                         QMessageBox::Yes));
}

UserPrompts::Answer MessageBoxPrompts::askYesNo(const QString &text) {
    return toAnswer(QMessageBox::question(parent_, title(), text,
                                          QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes));
}
