#pragma once

// How many positions lie between two labelled positions of the time axis: the smallest of
// 1, 2, 5, 10, 20, 50, 100, ... positions whose width in pixels is at least `labelPitch`, the
// room one upright time label needs with its gap, when one position is `pixelsPerPosition`
// pixels wide. A degenerate width (0, negative or not a number) gives the largest step, so
// that at most one label is drawn.
int timeLabelStep(double pixelsPerPosition, double labelPitch);
