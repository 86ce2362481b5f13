#pragma once

#include "vehicle_data.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>

// The chart's two caption lines.
struct GraphCaptions {
    QString title;  // "СТО:  " and the station line
    QString footer; // vehicle number, detail text and the graph's date
};

struct GraphCaptionInputs {
    QString stationName;
    QString numberText;  // the vehicle texts as stored (see trimmedVehicleText)
    QString detailLabel; // "Владелец:", "Марка:" or "VIN:"
    QString detailText;
    QDate graphDate;
};

namespace GraphCaptionText {

// What UpdateGraphCaptions stores back into NumberText and DetailText before building the
// captions: no leading or trailing spaces, at most kVehicleTextMaxLength characters.
QString trimmedVehicleText(const QString &text);

// The title (at most 70 characters) and the footer: "№ авт.:   ", the number, four spaces,
// the detail label, three spaces, the detail text, "    Дата: " and the date in the locale's
// short format. The line is cut where it would pass 25 characters after the number, 29 after
// the four spaces, then 44, 47, 62 and 72 after the next pieces; the date is never cut.
GraphCaptions captions(const GraphCaptionInputs &inputs, const QLocale &locale = QLocale());

// The name the save dialog suggests: the vehicle number and "_" (no prefix for a number of
// spaces only), then "MM-dd_hh-mm" of `now`, e.g. "123_12-07_14-05". Characters no file name
// may hold (\ / : * ? " < > | and control characters) become "_".
QString suggestedFileName(const QString &numberText, const QDateTime &now);

} // namespace GraphCaptionText
