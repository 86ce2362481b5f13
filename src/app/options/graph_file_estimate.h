#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// The two lines of the graph page's Memo9: how large a graph file of a whole recording grows
// and how long the recording takes to fill, from "Всего точек времени" and "Интервал
// заполнения графика,мсек".
namespace GraphFileEstimate {

// The bytes of the graph file of a full record: a full record holds one sample more than the
// total points, each sample is one 16-byte record besides the header and the two text
// records, and a file counts at most GraphFile::kMaxSamples samples.
qint64 largestFileBytes(qint64 totalPoints);

// The number in groups of three digits joined by ".": 864, 32.064, 1.500.045.
QString groupedNumber(qint64 value);

// Line 0: "   Max.размер файла (*.dan):  " + size + "  байт";
// line 1: "   Время заполнения:  " + h + " час. " + m + " мин. " + s + " сек.", the fill time
// being totalPoints x intervalMs div 1000 seconds.
QStringList memoLines(qint64 totalPoints, qint64 intervalMs);

} // namespace GraphFileEstimate
