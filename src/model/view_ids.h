#pragma once

// The six views of the main window, by the number the CurrentView setting stores. 3 is not
// used; any number that is not one of these shows no view (a damaged settings file).
namespace ViewId {

inline constexpr int Information = 0;
inline constexpr int Table = 1;
inline constexpr int Report = 2;
inline constexpr int Diagram = 4;
inline constexpr int Graph = 5;
inline constexpr int Readings = 6;

inline constexpr bool isKnown(int view) {
    return view >= Information && view <= Readings && view != 3;
}

} // namespace ViewId

// Which refresh timer a view uses: the text views (readings, information, table, report)
// refresh on TimerTab, the diagram on TimerDia, the graph on neither (it samples on its own
// timer). The mode also tells the side panel's shared buttons whether they act on the graph
// or on the report.
namespace ViewTimerMode {

inline constexpr int TextViews = 0;
inline constexpr int Diagram = 1;
inline constexpr int Graph = 2;

inline constexpr int of(int view) {
    return view == ViewId::Diagram ? Diagram : view == ViewId::Graph ? Graph : TextViews;
}

} // namespace ViewTimerMode
