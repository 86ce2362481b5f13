#pragma once

#include <QIcon>

// The toolbar's icons, drawn by the program itself so that they look the same on every
// desktop, whatever icon theme it has (or none).
namespace ToolbarIcons {

enum class Glyph {
    None,
    Readings,
    Information,
    Table,
    Report,
    Diagram,
    Graph,
    Options,
    Help,
    About,
    Demonstration,
    Link,
    Pump,
    StartStop,
    Exit,
};

QIcon icon(Glyph glyph);

} // namespace ToolbarIcons
