#pragma once

#include <QStringList>

namespace WindowLayout {
class Builder;
struct Frame;
} // namespace WindowLayout

// The six views in one table: how each is chosen (toolbar button, menu item), which of the
// main window's top-level controls it shows, and the function that places them. A new view
// is a new placement file and one row here.
struct ViewDefinition {
    int id;               // the CurrentView number
    const char *button;   // toolbar button
    const char *menuItem; // item of the "  Вид  " menu
    // The view controls shown, each as a whole; reportKind picks the report's button panel.
    QStringList (*controls)(int reportKind);
    void (*place)(WindowLayout::Builder &, const WindowLayout::Frame &);
};

namespace ViewTable {

// Every view, in toolbar order.
const QList<ViewDefinition> &all();

// The view with this number; null for a number no view has (a damaged setting).
const ViewDefinition *find(int view);

// Every view control of every view, each once, in a fixed order.
QStringList allControls();

} // namespace ViewTable
