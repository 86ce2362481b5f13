#pragma once

#include <QString>
#include <QStringList>

// The four kinds of file "Сохранить" writes the graph into, and how the chosen kind is told.
enum class GraphFileType { Data, Metafile, Bitmap, Text };

namespace GraphFileTypes {

// The save dialog's types, in this order: "Файлы данных (*.dan)", "Метафайлы (*.emf)",
// "Точечные рисунки (*.bmp)", "Текстовые файлы (*.txt)".
QStringList saveFilters();
// The open dialog's only type, "Файлы данных (*.dan)".
QString openFilter();

// The kind to write: the one the file name's extension names when it is one of the four
// (so "graph.bmp" is a bitmap whichever type the dialog showed), otherwise the kind of the
// chosen filter; a graph file when neither tells.
GraphFileType typeOf(const QString &path, const QString &chosenFilter);

} // namespace GraphFileTypes
