#include "report_text.h"

#include "app_settings.h"
#include "channel_info.h"

#include <array>
#include <initializer_list>

namespace {

// The row label of a parameter (a channel): its report label after `lead`, which is blanks in
// the report (11) and the protocol (8). In the extended protocol the lead is four characters,
// the first column spelling "ПГС" and the gas number downwards beside CO, CH, CO2 and O2, and
// five blanks.
QString rowLabel(const QString &lead, int parameter) {
    return lead + channelInfo(channelAt(parameter)).reportLabel.toString();
}
QString blanks(int count) {
    return QString(count, u' ');
}
constexpr int kReportIndent = 11;
constexpr int kProtocolIndent = 8;
constexpr char16_t kExtendedColumn[] = u"ПГС";
QString extendedLabel(QChar first, int parameter) {
    return rowLabel(QStringLiteral("   ") + first + blanks(5), parameter);
}

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

// The parameters the analyser measures.
QList<int> rowsFor(AnalyserKind analyser) {
    QList<int> rows;
    for (Channel channel : kAllChannels)
        if (analyser == AnalyserKind::FourComponent || !channelInfo(channel).fourComponentOnly)
            rows << index(channel);
    return rows;
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
        lines << cellRow(rowLabel(blanks(kReportIndent), p),
                         {{28, report.CellText(p, 0, ReadingColumn)},
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
        lines << cellRow(rowLabel(blanks(kProtocolIndent), p),
                         {{25, report.CellText(p, 0, ReadingColumn)},
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
            lines << cellRow(extendedLabel(QChar(kExtendedColumn[p]), p),
                             {{26, report.CellText(p, s, ReadingColumn)},
                              {40, report.CellText(p, s, ReferenceColumn)},
                              {54, report.CellText(p, s, DeviationColumn)}});
        if (fourComponent) {
            const int o2 = index(Channel::O2), lambda = index(Channel::Lambda);
            lines << cellRow(extendedLabel(number[0], o2),
                             {{26, report.CellText(o2, s, ReadingColumn)}})
                  << cellRow(extendedLabel(u' ', lambda),
                             {{26, report.CellText(lambda, s, ReadingColumn)}});
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
