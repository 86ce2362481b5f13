#include "readings_text.h"

#include "analyser_flags.h"
#include "channel_info.h"
#include "number_text.h"

namespace {

const QString kGridPrefix = QStringLiteral("   ");

bool lambdaValid(qint16 lambda) {
    return lambda >= 1 && lambda <= 1999;
}

// The texts of the six channels before any status word or oil temperature.
ChannelTexts valueTexts(const ReadingSample &sample, const QLocale &locale) {
    ChannelTexts texts;
    for (Channel channel : kAllChannels)
        texts[index(channel)] = channel == Channel::Lambda
                                    ? lambdaText(sample.lambda, locale)
                                    : readingText(channel, sample.value(channel), locale);
    return texts;
}

QString oilTemperatureText(qint32 storedWord) {
    const qint32 degrees = oilTemperatureDegrees(storedWord);
    if (degrees < -9 || degrees == 127)
        return kNoValueText.toString();
    return QString::number(degrees);
}

// Readings that follow nothing: every value shown becomes kNoValueText; a channel the
// analyser does not have stays blank.
void markNotCurrent(ReadingsTexts &out) {
    for (int channel = 0; channel < kChannelCount; ++channel) {
        if (out.boxes[channel].isEmpty())
            continue;
        out.boxes[channel] = kNoValueText.toString();
        out.gridValues[channel] = kGridPrefix + kNoValueText.toString();
    }
    out.graphPanel = graphPanelTexts({}, QLocale::c(), false);
}

ReadingsTexts liveReadingsTexts(CurrentReadings &readings, bool modeIndication,
                                const QLocale &locale);

} // namespace

qint32 oilTemperatureDegrees(qint32 storedWord) {
    return storedWord >= 32768 ? storedWord - 65536 : storedWord;
}

QString lambdaText(qint16 lambda, const QLocale &locale) {
    if (!lambdaValid(lambda))
        return kNoValueText.toString();
    return NumberText::thousandths(lambda, locale);
}

ChannelTexts graphPanelTexts(const ReadingSample &sample, const QLocale &locale, bool current) {
    ChannelTexts texts = valueTexts(sample, locale);
    for (QString &text : texts)
        text = QLatin1Char(' ') + (current ? text : kNoValueText.toString());
    return texts;
}

ReadingsTexts readingsTexts(CurrentReadings &readings, bool modeIndication, const QLocale &locale) {
    ReadingsTexts out = liveReadingsTexts(readings, modeIndication, locale);
    if (!readings.ReadingsCurrent)
        markNotCurrent(out);
    return out;
}

namespace {

ReadingsTexts liveReadingsTexts(CurrentReadings &readings, bool modeIndication,
                                const QLocale &locale) {
    const bool indication = modeIndication && readings.analyserKind != AnalyserKind::TwoComponent;

    // A lambda the analyser cannot stand behind is dropped from the readings given.
    if (!lambdaValid(readings.sample.lambda))
        readings.sample.lambda = 0;

    ReadingsTexts out;
    const ChannelTexts values = valueTexts(readings.sample, locale);
    out.graphPanel = graphPanelTexts(readings.sample, locale);

    const bool corrected = indication && (readings.modeFlags & ModeFlag::CorrectedCo);
    const ChannelInfo &co = channelInfo(Channel::Co);
    out.coGridTitle = corrected ? QStringLiteral("COкорр") : co.gridTitle.toString();
    out.coMemoLine = corrected ? QStringLiteral("корр") : co.memoLines[1].toString();

    // Each channel shows its value, indented by three spaces in the grid, unless something
    // below replaces it. Only CO, CH and engine speed exist on an analyser that is not a
    // four-component one (two-component or of unknown type): the others stay empty, with
    // the mode indication on or off.
    auto show = [&out](int channel, const QString &box, const QString &grid) {
        out.boxes[channel] = box;
        out.gridValues[channel] = grid;
    };
    const bool fourComponent = readings.analyserKind == AnalyserKind::FourComponent;
    for (Channel channel : kAllChannels) {
        const int i = index(channel);
        if (fourComponent || !channelInfo(channel).fourComponentOnly)
            show(i, values[i], kGridPrefix + values[i]);
    }

    if (!indication)
        return out;

    for (int channel = 0; channel < int(readings.channelStatus.size()); ++channel) {
        const quint8 status = readings.channelStatus[channel];
        if (status & 0x01)
            show(channel, QStringLiteral("ЗАГР"), QStringLiteral(" ЗАГР"));
        else if (status & 0x02)
            show(channel, QStringLiteral(" АРУ"), QStringLiteral("  АРУ"));
    }
    const bool oilMode = readings.modeFlags & ModeFlag::OilTemperature;
    const ChannelInfo &lambda = channelInfo(Channel::Lambda);
    out.rowFourMemoLine = oilMode ? QStringLiteral(" T") : lambda.memoLines[0].toString();
    out.rowFourGridTitle = oilMode ? QStringLiteral(" T мас") : lambda.gridTitle.toString();
    if (oilMode) {
        const QString oil = oilTemperatureText(readings.oilTemperature);
        show(index(Channel::Lambda), oil, kGridPrefix + oil);
    }
    return out;
}

} // namespace
