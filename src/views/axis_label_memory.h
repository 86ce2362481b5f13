#pragma once

class QCPAxis;

// Gives the axis a painter that remembers its tick labels better than QCustomPlot's own:
// the pictures of up to 256 labels (QCustomPlot keeps 16 an axis), and the bounds of each
// label's text once it was laid out. QCustomPlot lays out a label it holds no picture of when
// it sizes the chart's margins and again when it draws, so a label whose text is new (the
// time axis of a record that scrolls shows new times all the time) was laid out twice for its
// bounds and a third time for its picture; now once for each.
void rememberTickLabels(QCPAxis *axis);
