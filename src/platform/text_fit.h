#pragma once

#include <QFont>
#include <QSize>
#include <QStringList>

class QPlainTextEdit;
class QWidget;

// Texts that fit their controls. The layout gives each control a font size for its share of
// the window; a font whose figures or letters are wider than the ones the shares were made for
// would cut the text at the control's edge, so the text gets the largest size at or below the
// given one at which it fits.
namespace TextFit {

// The largest point size at or below the font's own at which every line fits `room`: the
// widest line its width, all lines together its height. At least 1 point.
QFont fitted(const QStringList &lines, const QFont &font, const QSize &room);

// What a control shows as text, one entry a line: a label, line edit, button, check box or
// group box title, the lines of a plain text memo. Empty for any other control and for a
// label that wraps its words.
QStringList shownLines(const QWidget *control);

// Marks a plain text memo as a caption whose lines must be seen whole (a memo of running
// text scrolls instead).
void markCaption(QPlainTextEdit *memo);

// The room a control leaves its text: its size less the frame, margins, the check box's
// indicator and the button's icon, as the control's style draws them.
QSize textRoom(const QWidget *control);

// Gives the control the point size (0: keep the size it was first given) shrunk to fit its
// text; a line edit fits again whenever its text changes, so a wider value never runs over
// its edge.
void applyPointSize(QWidget *control, int points);

// From now on every text control of a dialog fits its text at the size of its design (as
// applyPointSize(control, 0)) whenever it is shown or resized. Call once, after the
// application object is made.
void fitDialogTexts();

} // namespace TextFit
