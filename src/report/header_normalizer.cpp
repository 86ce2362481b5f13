#include "header_normalizer.h"

#include <algorithm>

namespace {

// The most characters carried from a split line onto its new line.
constexpr int MaxCarriedCharacters = 63;

void wrapLines(QStringList &lines, HeaderPosition *position) {
    bool splitSomething = true;
    while (splitSomething) {
        splitSomething = false;
        // lines grows during the pass; the new line is visited next and split again when
        // it is still too long.
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (lines[i].size() <= MaxHeaderLineLength)
                continue;
            const QString rest = lines[i].mid(MaxHeaderLineLength, MaxCarriedCharacters);
            lines[i].truncate(MaxHeaderLineLength);
            lines.insert(i + 1, rest);
            splitSomething = true;

            if (position == nullptr)
                continue;
            if (position->line > i) {
                ++position->line;
            } else if (position->line == i && position->column > MaxHeaderLineLength) {
                position->line = int(i + 1);
                position->column =
                    std::min(position->column - MaxHeaderLineLength, int(rest.size()));
            }
        }
    }
}

void shrinkToTotal(QStringList &lines) {
    qsizetype total = HeaderTotal(lines);
    while (total > MaxHeaderTotal) {
        if (lines.last().isEmpty())
            lines.removeLast();
        else
            lines.last().chop(1);
        --total;
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
    QStringList result = lines;
    wrapLines(result, position);
    shrinkToTotal(result);
    if (position != nullptr)
        clampPosition(result, *position);
    return result;
}
