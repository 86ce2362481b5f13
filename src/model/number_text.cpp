#include "number_text.h"

namespace NumberText {

QString fixed(double value, int decimals, const QLocale &locale) {
    QLocale plain = locale;
    plain.setNumberOptions(plain.numberOptions() | QLocale::OmitGroupSeparator);
    return plain.toString(value, 'f', decimals);
}

QString hundredths(int value, const QLocale &locale) {
    return fixed(value / 100.0, 2, locale);
}

QString thousandths(int value, const QLocale &locale) {
    return fixed(value / 1000.0, 3, locale);
}

} // namespace NumberText
