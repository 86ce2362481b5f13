#pragma once

#include <QDialog>

#include <functional>

// How the owner of a dialog runs it modally. The program runs it with exec(); tests put their
// own in place, which answers the dialog without waiting on its modal loop.
using ModalRun = std::function<int(QDialog &)>;

inline int runModally(QDialog &dialog) {
    return dialog.exec();
}
