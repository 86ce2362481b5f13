#include "header_normalizer.h"

#include <algorithm>

namespace {

// The most characters carried from a split line onto its new line.
constexpr int MaxCarriedCharacters = 63;

// Appends the lines one line wraps into. A split keeps the first MaxHeaderLineLength
// characters and carries at most MaxCarriedCharacters of the rest onto a new line directly
// after it, which is split again in turn. When the line holds the position (*column is not
// null), the position follows its character: past the split point it moves onto the new
// line, at most to that line's end. Returns how many lines below the line's first one the
// position ended on.
int appendWrapped(QStringList &out, const QString &line, int *column) {
    int linesDown = 0;
    QString rest = line;
    while (rest.size() > MaxHeaderLineLength) {
        out << rest.left(MaxHeaderLineLength);
        QString carried = rest.mid(MaxHeaderLineLength, MaxCarriedCharacters);
        if (column != nullptr && *column > MaxHeaderLineLength) {
            ++linesDown;
            *column = std::min(*column - MaxHeaderLineLength, int(carried.size()));
        } else {
            column = nullptr; // the position stays on a line already placed
        }
        rest = std::move(carried);
    }
    out << rest;
    return linesDown;
}

// Wraps every line in one pass from the first to the last. The size rule afterwards only
// removes from the end, so once the wrapped lines reach the total the lines after them
// cannot survive and are not wrapped at all: the work is bounded by the limits, not by the
// input. A position on such a line (or past the last one) is placed past the end of the
// result, where clampPosition finds it.
QStringList wrapLines(const QStringList &lines, HeaderPosition *position) {
    QStringList out;
    qsizetype total = 0;
    HeaderPosition placed = position != nullptr ? *position : HeaderPosition{};
    bool positionPlaced = position == nullptr || position->line < 0;
    for (qsizetype i = 0; i < lines.size() && total < MaxHeaderTotal; ++i) {
        const qsizetype first = out.size();
        const bool holdsPosition = !positionPlaced && position->line == i;
        int column = placed.column;
        const int linesDown = appendWrapped(out, lines[i], holdsPosition ? &column : nullptr);
        if (holdsPosition) {
            placed = {int(first) + linesDown, column};
            positionPlaced = true;
        }
        for (qsizetype k = first; k < out.size(); ++k)
            total += out[k].size() + 1;
    }
    if (!positionPlaced)
        placed = {int(out.size()), 0}; // on a line that is dropped
    if (position != nullptr)
        *position = placed;
    return out;
}

// While the total is above the limit: the last line goes when it is empty, otherwise it
// loses its last character. Done in steps of whole runs of characters.
void shrinkToTotal(QStringList &lines) {
    qsizetype excess = HeaderTotal(lines) - MaxHeaderTotal;
    while (excess > 0) {
        QString &last = lines.last();
        if (last.isEmpty()) {
            lines.removeLast();
            --excess;
        } else {
            const qsizetype cut = std::min(last.size(), excess);
            last.chop(cut);
            excess -= cut;
        }
    }
}

void clampPosition(const QStringList &lines, HeaderPosition &position) {
    if (lines.isEmpty()) {
        position = {};
        return;
    }
    if (position.line < 0) {
        position = {0, 0};
        return;
    }
    if (position.line >= lines.size()) {
        position.line = int(lines.size() - 1);
        position.column = int(lines.last().size());
        return;
    }
    position.column = std::clamp(position.column, 0, int(lines[position.line].size()));
}

} // namespace

qsizetype HeaderTotal(const QStringList &lines) {
    qsizetype total = 0;
    for (const QString &line : lines)
        total += line.size() + 1;
    return total;
}

QStringList NormalizeHeader(const QStringList &lines) {
    return NormalizeHeader(lines, nullptr);
}

QStringList NormalizeHeader(const QStringList &lines, HeaderPosition *position) {
    QStringList result = wrapLines(lines, position);
    shrinkToTotal(result);
    if (position != nullptr)
        clampPosition(result, *position);
    return result;
}
