#pragma once

#include <QFont>
#include <QStringList>

class QPagedPaintDevice;

// Prints the lines of a test document as they stand in the memo: "Lucida Console" (a
// monospace face where that is missing), black, 12 points; every line at x = 200 printer
// pixels, lines 1.5 x the font height apart from y = 20 down, a document longer than a page
// continued on the next (ReportPrintLayout).
namespace ReportPrinter {

QFont printerFont();

// The font's height in pixels of a device with `dotsPerInch`: its em size (12 points are a
// sixth of an inch), without the leading the toolkit's line height adds.
int fontHeightPixels(const QFont &font, int dotsPerInch);

// False when the printer could not start the job (nothing was printed). Any paged device
// takes the same layout: a printer, or a PDF writer.
bool print(QPagedPaintDevice &printer, const QStringList &lines);

} // namespace ReportPrinter
