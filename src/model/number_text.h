#pragma once

#include <QLocale>
#include <QString>

// Numbers as the program shows them: fixed point with the locale's decimal separator (a comma
// in Russian settings) and never a group separator, so 150 hundredths read "1,50".
namespace NumberText {

QString fixed(double value, int decimals, const QLocale &locale = QLocale());

// A value held in hundredths (CO, CO2, O2 in 0.01 %) with 2 decimals.
QString hundredths(int value, const QLocale &locale = QLocale());

// A value held in thousandths (lambda in 0.001) with 3 decimals.
QString thousandths(int value, const QLocale &locale = QLocale());

} // namespace NumberText
