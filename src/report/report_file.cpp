#include "report_file.h"

#include "log_categories.h"
#include "regular_file.h"
#include "safe_file.h"
#include "text_file_1251.h"

#include <QFile>
#include <QFileInfo>

namespace ReportFile {

namespace {

bool forbiddenInFileName(QChar c) {
    return c.category() == QChar::Other_Control || QStringView(u"\\/:*?\"<>|").contains(c);
}

bool namesSomething(const QString &field) {
    return !field.isEmpty() && field != QString(kVehicleTextMaxLength, u' ');
}

} // namespace

QString SuggestedReportFileName(const VehicleData &vehicle, const QDate &today) {
    QString name;
    for (const QString &field : {vehicle.NumberText, vehicle.DetailText})
        if (namesSomething(field))
            name += field + u'_';
    name += today.toString(QStringLiteral("MM-dd")) + QStringLiteral(".txt");
    for (QChar &c : name)
        if (forbiddenInFileName(c))
            c = u'_';
    return name;
}

QString withTextExtension(const QString &path) {
    return QFileInfo(path).suffix().isEmpty() ? path + QStringLiteral(".txt") : path;
}

ReportSaveResult saveReport(const QString &path, const QStringList &lines) {
    QString text;
    for (const QString &line : lines)
        text += line + QStringLiteral("\r\n");
    const SafeFile::WriteResult written = SafeFile::write(path, TextFile1251::encode(text));
    return {written.ok, written.error};
}

ReportOpenResult openReport(const QString &path) {
    QFile file(path);
    if (!RegularFile::openForReading(file) || file.size() > kMaxFileBytes) {
        qCWarning(lcReport).noquote() << "cannot open" << path << ":" << file.errorString();
        return {};
    }
    // What the file holds now: a read of the limit itself would set aside a megabyte in
    // memory for a file of a few lines.
    const QByteArray bytes = file.read(file.size());
    if (file.error() != QFileDevice::NoError || bytes.size() > kMaxFileBytes)
        return {};
    return {true, TextFile1251::splitLines(TextFile1251::decode(bytes))};
}

} // namespace ReportFile
