#pragma once

#include "analyser_kind.h"
#include "test_report.h"
#include "vehicle_data.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>

// The date and time lines of a document: the locale's short date and the time as HH:mm:ss
// (no time zone).
struct ReportDateTime {
    QString date;
    QString time;
};
ReportDateTime ReportDateTimeTexts(const QDateTime &now, const QLocale &locale = QLocale());

// The document shown in the memo Memo10, saved and printed: two empty lines, then the layout of
// `kind` (vehicle report, protocol, extended protocol) with the vehicle lines, the date and
// time, and the recorded cells. The CO2, O2 and lambda rows appear only for a four-component
// analyser. Any other kind gives the two empty lines alone.
QStringList BuildReportText(int kind, const TestReport &report, const VehicleData &vehicle,
                            AnalyserKind analyser, const QString &date, const QString &time);
