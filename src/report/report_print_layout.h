#pragma once

#include <QList>

// Where each line of a printed document goes: every line at x = 200 printer pixels, lines
// h = 1.5 x font height apart from y = 20 down. A line that would reach below the page's usable
// height starts the next page, again at y = 20, so a long document is printed whole.
namespace ReportPrintLayout {

inline constexpr int kLeft = 200;
inline constexpr int kTop = 20;

// 1.5 x |font height in printer pixels|, rounded; at least 1.
int lineHeight(int fontHeightPixels);

struct PlacedLine {
    int page = 0; // 0 for the first page
    int y = 0;
    friend bool operator==(const PlacedLine &, const PlacedLine &) = default;
};

// The page and top of each of lineCount lines. At least one line goes on every page, however
// small the page.
QList<PlacedLine> place(int lineCount, int pageHeight, int lineHeight);

} // namespace ReportPrintLayout
