#include "channel_scale.h"

#include "number_text.h"

namespace ChannelScale {

namespace {

constexpr FullScales kDefaults = ::defaultFullScales();

// CH and engine speed are scaled from their whole units, the others from their hundredths of a
// full-scale unit: value x 1000 / FS against value x 10 / FS.
constexpr bool scaledFromWholeUnits(Channel channel) {
    return channelInfo(channel).readingsPerScaleUnit == 1;
}
static_assert(scaledFromWholeUnits(Channel::Ch) && !scaledFromWholeUnits(Channel::Lambda));

constexpr bool scaledFromWholeUnits(int channel) {
    return scaledFromWholeUnits(channelAt(channel));
}

// The others hold a hundred reading units in a unit of their full scale.
constexpr bool scaledFromHundredths(Channel channel) {
    return channelInfo(channel).readingsPerScaleUnit == 100;
}
constexpr bool everyChannelScaled() {
    for (Channel channel : kAllChannels)
        if (!scaledFromWholeUnits(channel) && !scaledFromHundredths(channel))
            return false;
    return true;
}
static_assert(everyChannelScaled());

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
    for (int c = 0; c < kChannelCount; ++c)
        out[c] = guarded(c, fullScales[c]);
    return out;
}

qint32 reading(const ReadingSample &sample, int channel) {
    return sample.value(channelAt(channel));
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
    ReadingSample out;
    for (Channel channel : kAllChannels) {
        const qint16 value = sample.value(channel);
        const qint32 scale = fs[index(channel)];
        out.setValue(channel, scaledFromWholeUnits(channel) ? recordedOf<1000>(value, scale)
                                                            : recordedOf<10>(value, scale));
    }
    return out;
}

QString unitsText(int channel, qint32 unitsValue, const QLocale &locale) {
    return readingText(channelAt(channel), unitsValue, locale);
}

QString readOutText(int channel, qint32 perMilleValue, qint32 unitsValue, const QLocale &locale) {
    if (channelAt(channel) == Channel::Lambda && perMilleValue == 0)
        return QStringLiteral(" - - - -");
    return u' ' + unitsText(channel, unitsValue, locale);
}

QString legendTitle(int channel, qint32 fullScale, const QLocale &locale) {
    const qint32 fs = guarded(channel, fullScale);
    const ChannelInfo &info = channelInfo(channelAt(channel));
    // Lambda's full scale is held in tenths and shown as a ratio with two decimals.
    const QString number = info.channel == Channel::Lambda ? NumberText::fixed(fs / 10.0, 2, locale)
                                                           : QString::number(fs);
    return info.legendName.toString() + number + info.legendUnit.toString();
}

} // namespace ChannelScale
