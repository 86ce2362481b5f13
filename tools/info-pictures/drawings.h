#pragma once

#include <QImage>

// The pictures, each drawn from scratch with QPainter.
namespace Drawings {

// The analyser on a bench with its probe, under the product name: the design picture.
QImage designPicture(QSize size);
// The analyser's front panel with its display, keys and connectors named.
QImage frontPanelPage(QSize size);
// The gas path: probe, filter, condensate trap, pump, measuring cell, outlet.
QImage gasPathPage(QSize size);
// The analyser linked to a computer that shows the readings and the graph.
QImage computerLinkPage(QSize size);
// The about box's icon: a dial with its needle.
QImage aboutIcon(int side);

} // namespace Drawings
