#include "report_text.h"

#include "app_settings.h"

#include <array>
#include <initializer_list>

namespace {

using Labels = std::array<const char16_t *, TestReport::kParameterCount>;

constexpr Labels kReportLabels = {
    u"           CO,   %  ", u"           CH, ppm  ", u"           CO2,  %  ",
    u"           O2,   %  ", u"           Lambda   ", u"           N,об/мин ",
};
constexpr Labels kProtocolLabels = {
    u"        CO,   %  ", u"        CH, ppm  ", u"        CO2,  %  ",
    u"        O2,   %  ", u"        Lambda   ", u"        N,об/мин ",
};
// The first column spells "ПГС" and the gas number downwards; the O2 label carries the number.
constexpr std::array<const char16_t *, 3> kExtendedGasLabels = {
    u"   П     CO,   %  ", u"   Г     CH, ppm  ", u"   С     CO2,  %  "};
constexpr std::array<const char16_t *, 3> kExtendedO2Labels = {
    u"   1     O2,   %  ", u"   2     O2,   %  ", u"   3     O2,   %  "};
constexpr char16_t kExtendedLambdaLabel[] = u"         Lambda   ";

constexpr char16_t kDateLabel[] = u"     Дата:   ";
constexpr char16_t kTimeLabel[] = u"     Время:  ";
constexpr char16_t kTypeLabel[] = u"     Тип прибора:      ";
constexpr char16_t kProductName[] = u"ВЕЛАНТАР ";
constexpr char16_t kSerialLabel[] = u"     Зав.№ прибора:    ";
constexpr char16_t kSignature[] = u"                                       Подпись:";

QString text(const char16_t *literal) {
    return QString::fromUtf16(literal);
}

// Appends blanks until the line is n characters long.
QString &padTo(QString &line, int n) {
    if (line.size() < n)
        line += QString(n - line.size(), u' ');
    return line;
}

// Appends as much of `tail` as keeps the line within maxLength.
QString &appendBounded(QString &line, const QString &tail, int maxLength) {
    line += tail.left(qMax<qsizetype>(0, maxLength - line.size()));
    return line;
}

// A row of cells: the label, then at each column position one cell.
QString cellRow(const QString &label, std::initializer_list<std::pair<int, QString>> cells) {
    QString line = label;
    for (const auto &[column, cell] : cells)
        padTo(line, column) += cell;
    return line;
}

QList<int> rowsFor(AnalyserKind analyser) {
    if (analyser == AnalyserKind::FourComponent)
        return {0, 1, 2, 3, 4, 5};
    return {0, 1, 5};
}

void appendEmpty(QStringList &lines, int count) {
    for (int i = 0; i < count; ++i)
        lines.append(QString());
}

void appendDateTime(QStringList &lines, const QString &date, const QString &time) {
    lines << text(kDateLabel) + date << text(kTimeLabel) + time;
}

void buildVehicleReport(QStringList &lines, const TestReport &report, const VehicleData &vehicle,
                        AnalyserKind analyser, const QString &date, const QString &time) {
    lines << vehicle.StationName.left(kStationNameMaxLength);
    appendEmpty(lines, 2);
    QString number = QStringLiteral("     № автомобиля:  ");
    lines << appendBounded(number, vehicle.NumberText, 35);
    appendEmpty(lines, 1);
    QString detail = QStringLiteral("     ");
    appendBounded(detail, vehicle.DetailLabel, 20);
    appendBounded(detail, QString(6, u' '), 26);
    lines << appendBounded(detail, vehicle.DetailText, 41);
    appendEmpty(lines, 2);
    appendDateTime(lines, date, time);
    appendEmpty(lines, 2);
    lines << QStringLiteral("                Результаты анализа выхлопных газов.")
          << QStringLiteral("                ___________________________________");
    appendEmpty(lines, 1);
    lines << cellRow(QStringLiteral("           Параметр"),
                     {{27, QStringLiteral(" Nмин.")}, {41, QStringLiteral(" Nпов.")}});
    appendEmpty(lines, 1);
    for (int p : rowsFor(analyser))
        lines << cellRow(text(kReportLabels[p]), {{28, report.CellText(p, 0, ReadingColumn)},
                                                  {42, report.CellText(p, 1, ReadingColumn)}});
    appendEmpty(lines, 4);
    lines << text(kSignature);
}

void buildProtocol(QStringList &lines, const TestReport &report, const VehicleData &vehicle,
                   AnalyserKind analyser, const QString &date, const QString &time) {
    lines << vehicle.StationName.left(kStationNameMaxLength);
    appendEmpty(lines, 2);
    QString type = text(kTypeLabel) + text(kProductName);
    lines << appendBounded(type, vehicle.NumberText, 47);
    appendEmpty(lines, 1);
    QString serial = text(kSerialLabel);
    lines << appendBounded(serial, vehicle.DetailText, 38);
    appendEmpty(lines, 2);
    appendDateTime(lines, date, time);
    appendEmpty(lines, 2);
    lines << QStringLiteral("                           Результаты анализа.")
          << QStringLiteral("             _______________________________________________");
    appendEmpty(lines, 1);
    lines << cellRow(QStringLiteral("        Параметр"), {{24, QStringLiteral(" ПГС 1")},
                                                          {38, QStringLiteral(" ПГС 2")},
                                                          {52, QStringLiteral(" ПГС 3")}});
    appendEmpty(lines, 1);
    for (int p : rowsFor(analyser))
        lines << cellRow(text(kProtocolLabels[p]), {{25, report.CellText(p, 0, ReadingColumn)},
                                                    {39, report.CellText(p, 1, ReadingColumn)},
                                                    {53, report.CellText(p, 2, ReadingColumn)}});
    appendEmpty(lines, 4);
    lines << text(kSignature);
}

void buildExtendedProtocol(QStringList &lines, const TestReport &report, const VehicleData &vehicle,
                           AnalyserKind analyser, const QString &date, const QString &time) {
    lines << vehicle.StationName.left(kStationNameMaxLength);
    appendEmpty(lines, 1);
    // One analyser model is printed under its own name, without the product name before it.
    const bool ownName = vehicle.NumberText == QStringLiteral("КТС7");
    QString type = text(kTypeLabel);
    if (!ownName)
        type += text(kProductName);
    lines << appendBounded(type, vehicle.NumberText, ownName ? 38 : 47);
    QString serial = text(kSerialLabel);
    lines << appendBounded(serial, vehicle.DetailText, 38);
    lines << QStringLiteral("     Дата: ") + date + QStringLiteral("     Время: ") + time;
    appendEmpty(lines, 1);
    lines << QStringLiteral("                           Результаты анализа.")
          << QStringLiteral("         ____________________________________________________")
          << QStringLiteral("         Параметр       Показания        ПГС        Отклон.%");
    appendEmpty(lines, 1);
    const bool fourComponent = analyser == AnalyserKind::FourComponent;
    for (int s = 0; s < TestReport::kSlotCount; ++s) {
        const QString number = QString::number(s + 1);
        for (int p = 0; p < (fourComponent ? 3 : 2); ++p)
            lines << cellRow(text(kExtendedGasLabels[p]),
                             {{26, report.CellText(p, s, ReadingColumn)},
                              {40, report.CellText(p, s, ReferenceColumn)},
                              {54, report.CellText(p, s, DeviationColumn)}});
        if (fourComponent) {
            lines << cellRow(text(kExtendedO2Labels[s]),
                             {{26, report.CellText(3, s, ReadingColumn)}})
                  << cellRow(text(kExtendedLambdaLabel),
                             {{26, report.CellText(4, s, ReadingColumn)}});
        } else {
            lines << QStringLiteral("   С") << QStringLiteral("   ") + number;
        }
        if (s + 1 < TestReport::kSlotCount)
            appendEmpty(lines, 1);
    }
    lines << text(kSignature);
}

} // namespace

ReportDateTime ReportDateTimeTexts(const QDateTime &now, const QLocale &locale) {
    return {locale.toString(now.date(), QLocale::ShortFormat),
            now.time().toString(QStringLiteral("HH:mm:ss"))};
}

QStringList BuildReportText(int kind, const TestReport &report, const VehicleData &vehicle,
                            AnalyserKind analyser, const QString &date, const QString &time) {
    QStringList lines;
    appendEmpty(lines, 2);
    switch (kind) {
    case VehicleReport:
        buildVehicleReport(lines, report, vehicle, analyser, date, time);
        break;
    case Protocol:
        buildProtocol(lines, report, vehicle, analyser, date, time);
        break;
    case ExtendedProtocol:
        buildExtendedProtocol(lines, report, vehicle, analyser, date, time);
        break;
    default:
        break;
    }
    return lines;
}
