#include "graph_text_export.h"

#include "safe_file.h"
#include "text_file_1251.h"

#include <QStringList>

QByteArray graphTextExportBytes(const GraphBuffer &buffer, const GraphCaptions &captions,
                                const QLocale &locale) {
    QStringList lines;
    lines.reserve(buffer.count() + 6);
    QString head;
    for (const ChannelInfo &channel : kChannelInfo)
        head += channel.exportName.toString() + u'\t';
    lines << head + QStringLiteral("Time");
    for (int p = 0; p < buffer.count(); ++p) {
        const ChannelValues values = buffer.values(p);
        QString line;
        for (int c = 0; c < kChannelCount; ++c)
            line += ChannelScale::unitsText(c, values[c], locale) + u'\t';
        lines << line + buffer.timeLabel(p);
    }
    lines << QString() << captions.footer << QString() << captions.title << QString();
    return TextFile1251::encode(lines.join(u"\r\n") + QStringLiteral("\r\n"));
}

GraphTextExporter::GraphTextExporter(const GraphBuffer &buffer, GraphCaptions captions,
                                     QLocale locale)
    : buffer_(buffer), captions_(std::move(captions)), locale_(std::move(locale)) {}

GraphExporter::Result GraphTextExporter::exportTo(const QString &path) {
    const SafeFile::WriteResult written =
        SafeFile::write(path, graphTextExportBytes(buffer_, captions_, locale_));
    return {.ok = written.ok, .error = written.error};
}
