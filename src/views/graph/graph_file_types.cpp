#include "graph_file_types.h"

#include <QFileInfo>

namespace {

struct TypeRow {
    GraphFileType type;
    const char16_t *filter;
    const char16_t *suffix;
};

constexpr TypeRow kTypes[] = {
    {GraphFileType::Data, u"Файлы данных (*.dan)", u"dan"},
    {GraphFileType::Metafile, u"Метафайлы (*.emf)", u"emf"},
    {GraphFileType::Bitmap, u"Точечные рисунки (*.bmp)", u"bmp"},
    {GraphFileType::Text, u"Текстовые файлы (*.txt)", u"txt"},
};

} // namespace

namespace GraphFileTypes {

QStringList saveFilters() {
    QStringList filters;
    for (const TypeRow &row : kTypes)
        filters << QString::fromUtf16(row.filter);
    return filters;
}

QString openFilter() {
    return QString::fromUtf16(kTypes[0].filter);
}

GraphFileType typeOf(const QString &path, const QString &chosenFilter) {
    const QString suffix = QFileInfo(path).suffix();
    for (const TypeRow &row : kTypes)
        if (suffix.compare(QString::fromUtf16(row.suffix), Qt::CaseInsensitive) == 0)
            return row.type;
    for (const TypeRow &row : kTypes)
        if (chosenFilter == QString::fromUtf16(row.filter))
            return row.type;
    return GraphFileType::Data;
}

} // namespace GraphFileTypes
