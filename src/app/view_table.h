#pragma once

#include "toolbar_icons.h"

#include <QList>

class QWidget;
struct ViewPanels;

namespace WindowLayout {
class Builder;
struct Frame;
} // namespace WindowLayout

// The six views in one table: how each is chosen (its toolbar button and its item of the
// "  Вид  " menu, both built from this table), which of the main window's top-level controls
// it shows, and the function that places them. A new view is a new placement file and one
// row here.
struct ViewDefinition {
    int id; // the CurrentView number
    // The toolbar button: control name, hint and icon.
    const char *button;
    const char *buttonHint;
    ToolbarIcons::Glyph glyph;
    // The menu item: control name, caption and shortcut (empty for none).
    const char *menuItem;
    const char *menuCaption;
    const char *menuKey;
    // The view controls shown, each as a whole; reportKind picks the report's button panel.
    QList<QWidget *> (*controls)(const ViewPanels &panels, int reportKind);
    void (*place)(WindowLayout::Builder &, const WindowLayout::Frame &);
};

namespace ViewTable {

// Every view, in toolbar and menu order.
const QList<ViewDefinition> &all();

// The view with this number; null for a number no view has (a damaged setting).
const ViewDefinition *find(int view);

// The controls the view shows; none for a number no view has.
QList<QWidget *> controlsOf(int view, const ViewPanels &panels, int reportKind);

// Every view control of every view, each once, in a fixed order. The status line and the
// toolbar are not among them: they are always visible.
QList<QWidget *> allControls(const ViewPanels &panels);

} // namespace ViewTable
