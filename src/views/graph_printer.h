#pragma once

class GraphChart;
class QPrinter;

// Prints the graph chart (title, plot, legend, footer) on one landscape page, as large as
// the page allows at the chart's proportions on screen. The printer's orientation is
// restored afterwards. The caller chooses the printer and paints the plot as it wants it on
// paper.
namespace GraphPrinter {

// False when the printer could not start the job (nothing was printed).
bool print(QPrinter &printer, GraphChart &chart);

} // namespace GraphPrinter
