#include "graph_file_estimate.h"

#include "graph_file.h"

#include <algorithm>

namespace GraphFileEstimate {

namespace {

// The header record before the samples and the two vehicle text records after them.
constexpr qint64 kRecordsBesideSamples = 3;

} // namespace

qint64 largestFileBytes(qint64 totalPoints) {
    const qint64 samples = std::clamp<qint64>(totalPoints + 1, 0, GraphFile::kMaxSamples);
    return GraphFile::kRecordBytes * (samples + kRecordsBesideSamples);
}

QString groupedNumber(qint64 value) {
    quint64 rest = value < 0 ? 0 - quint64(value) : quint64(value);
    QStringList groups;
    for (; rest >= 1000; rest /= 1000)
        groups.prepend(QString::number(rest % 1000).rightJustified(3, QLatin1Char('0')));
    groups.prepend(QString::number(rest));
    return (value < 0 ? QStringLiteral("-") : QString()) + groups.join(QLatin1Char('.'));
}

QStringList memoLines(qint64 totalPoints, qint64 intervalMs) {
    const qint64 seconds =
        std::max<qint64>(0, totalPoints) * std::max<qint64>(0, intervalMs) / 1000;
    return {QStringLiteral("   Max.размер файла (*.dan):  ") +
                groupedNumber(largestFileBytes(totalPoints)) + QStringLiteral("  байт"),
            QStringLiteral("   Время заполнения:  %1 час. %2 мин. %3 сек.")
                .arg(seconds / 3600)
                .arg(seconds % 3600 / 60)
                .arg(seconds % 60)};
}

} // namespace GraphFileEstimate
