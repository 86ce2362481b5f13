#include "printer_header_file.h"

#include "text_file_1251.h"

#include <QFileInfo>

namespace PrinterHeaderFile {

std::optional<QStringList> load(const QString &path) {
    TextFile1251::ReadResult read = TextFile1251::readLines(path, ReadLimit);
    if (!read.ok)
        return std::nullopt;
    return std::move(read.lines);
}

SafeFile::WriteResult save(const QString &path, const QStringList &lines) {
    QString text;
    for (const QString &line : lines)
        text += line + QStringLiteral("\r\n");
    return SafeFile::write(path, TextFile1251::encode(text));
}

QString withDefaultExtension(const QString &path) {
    const QString name = QFileInfo(path).fileName();
    if (name.isEmpty())
        return path;
    // "name." counts as a name without an extension, too.
    if (name.endsWith(u'.'))
        return path + Extension.mid(1);
    if (!name.contains(u'.'))
        return path + Extension;
    return path;
}

} // namespace PrinterHeaderFile
