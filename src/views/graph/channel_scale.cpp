#include "channel_scale.h"

#include "number_text.h"

namespace ChannelScale {

namespace {

constexpr FullScales kDefaults = {10, 5000, 20, 25, 20, 5000};

// CH and engine speed are scaled from their whole units, the others from their hundredths or
// thousandths: value x 10 / FS against value x 1000 / FS.
bool scaledFromWholeUnits(int channel) {
    return channel == ChannelCh || channel == ChannelRpm;
}

// numerator / Denominator, to nearest, halves to even. The divisor is a constant so the
// compiler turns the division into a multiplication.
template <auto Denominator, typename Int> Int roundHalfEven(Int numerator) {
    Int quotient = numerator / Denominator;
    const Int remainder = numerator % Denominator;
    const Int twiceAbs = 2 * (remainder < 0 ? -remainder : remainder);
    if (twiceAbs > Denominator || (twiceAbs == Denominator && quotient % 2 != 0))
        quotient += numerator < 0 ? -1 : 1;
    return quotient;
}

// The scaling of one channel with its factor known at compile time; fullScale > 0.
template <qint32 Factor> qint32 perMilleOf(qint32 value, qint32 fullScale) {
    // A 16-bit reading times 1000 fits 32 bits, whose division is much the cheaper.
    if (value >= -2'000'000 && value <= 2'000'000)
        return value * Factor / fullScale;
    return qint32(qint64(value) * Factor / fullScale);
}

template <qint32 Factor> qint32 unitsOf(qint32 perMilleValue, qint32 fullScale) {
    return qint32(roundHalfEven<qint64(Factor)>(qint64(perMilleValue) * fullScale));
}

// Scaled down and back: the product stays within the 16-bit reading times the factor.
template <qint32 Factor> qint16 recordedOf(qint16 value, qint32 fullScale) {
    return qint16(roundHalfEven<Factor>(perMilleOf<Factor>(value, fullScale) * fullScale));
}

} // namespace

FullScales defaultFullScales() {
    return kDefaults;
}

qint32 guarded(int channel, qint32 fullScale) {
    return fullScale > 0 ? fullScale : kDefaults[channel];
}

FullScales guarded(const FullScales &fullScales) {
    FullScales out;
    for (int c = 0; c < kGraphChannels; ++c)
        out[c] = guarded(c, fullScales[c]);
    return out;
}

qint32 reading(const ReadingSample &sample, int channel) {
    const std::array<qint16, kGraphChannels> values = {sample.co, sample.ch,     sample.co2,
                                                       sample.o2, sample.lambda, sample.rpm};
    return values[channel];
}

qint32 perMille(int channel, qint32 value, qint32 fullScale) {
    const qint32 fs = guarded(channel, fullScale);
    return scaledFromWholeUnits(channel) ? perMilleOf<1000>(value, fs) : perMilleOf<10>(value, fs);
}

qint32 units(int channel, qint32 perMilleValue, qint32 fullScale) {
    const qint32 fs = guarded(channel, fullScale);
    return scaledFromWholeUnits(channel) ? unitsOf<1000>(perMilleValue, fs)
                                         : unitsOf<10>(perMilleValue, fs);
}

qint32 recorded(int channel, qint32 value, qint32 fullScale) {
    return units(channel, perMille(channel, value, fullScale), fullScale);
}

ReadingSample recorded(const ReadingSample &sample, const FullScales &fullScales) {
    const FullScales fs = guarded(fullScales);
    return {recordedOf<10>(sample.co, fs[ChannelCo]),
            recordedOf<1000>(sample.ch, fs[ChannelCh]),
            recordedOf<10>(sample.co2, fs[ChannelCo2]),
            recordedOf<10>(sample.o2, fs[ChannelO2]),
            recordedOf<10>(sample.lambda, fs[ChannelLambda]),
            recordedOf<1000>(sample.rpm, fs[ChannelRpm])};
}

QString unitsText(int channel, qint32 unitsValue, const QLocale &locale) {
    switch (channel) {
    case ChannelCo:
    case ChannelCo2:
    case ChannelO2:
        return NumberText::hundredths(unitsValue, locale);
    case ChannelLambda:
        return NumberText::thousandths(unitsValue, locale);
    default:
        return QString::number(unitsValue);
    }
}

QString readOutText(int channel, qint32 perMilleValue, qint32 unitsValue, const QLocale &locale) {
    if (channel == ChannelLambda && perMilleValue == 0)
        return QStringLiteral(" - - - -");
    return u' ' + unitsText(channel, unitsValue, locale);
}

QString legendTitle(int channel, qint32 fullScale, const QLocale &locale) {
    const qint32 fs = guarded(channel, fullScale);
    const QString number = QString::number(fs);
    switch (channel) {
    case ChannelCo:
        return QStringLiteral("CO : ") + number + QStringLiteral(" %");
    case ChannelCh:
        return QStringLiteral("CH:") + number + QStringLiteral("ppm");
    case ChannelCo2:
        return QStringLiteral("CO2 : ") + number + QStringLiteral(" %");
    case ChannelO2:
        return QStringLiteral("O2 : ") + number + QStringLiteral(" %");
    case ChannelLambda:
        return QStringLiteral("lam.: ") + NumberText::fixed(fs / 10.0, 2, locale);
    default:
        return QStringLiteral("n: ") + number + QStringLiteral("min-1");
    }
}

} // namespace ChannelScale
