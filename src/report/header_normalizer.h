#pragma once

#include <QStringList>

// The rule that keeps the printer header within what the analyser can hold: 64 bytes, in
// which every line is followed by a separator byte and the last byte is always a separator.
// So a line has at most MaxHeaderLineLength characters, and the characters of all lines plus
// one per line end come to at most MaxHeaderTotal (for example 21 + 21 + 18 characters).

inline constexpr int MaxHeaderLineLength = 21;
inline constexpr int MaxHeaderTotal = 63;

// A place in the header: line index and character index within that line.
struct HeaderPosition {
    int line = 0;
    int column = 0;
    friend bool operator==(const HeaderPosition &, const HeaderPosition &) = default;
};

// T: the characters of all lines plus one for each line end.
qsizetype HeaderTotal(const QStringList &lines);

// Brings the lines within the limits.
//
// Wrapping: a line longer than MaxHeaderLineLength keeps its first MaxHeaderLineLength
// characters; the next characters, at most 63 of them, become a new line directly after it,
// which is itself wrapped in turn. So one line gives at most four lines of 21 characters and
// characters beyond its 84th are dropped.
//
// Size: while the total is above MaxHeaderTotal, the last line is deleted when it is empty,
// otherwise its last character is removed.
//
// Lengths count characters (UTF-16 units), not bytes of any encoding. The work is bounded by
// the limits: lines that cannot survive the size rule are not looked at, so a huge input
// costs no more than a short one.
QStringList NormalizeHeader(const QStringList &lines);

// The same, and moves *position (when given) to where the character it stood before ends up:
// a cursor behind the 22nd character of a line that is split follows that character onto the
// new line, so typing goes on there. A position past the remaining text is placed at the end
// of the last line (or at 0:0 when no line is left).
QStringList NormalizeHeader(const QStringList &lines, HeaderPosition *position);
