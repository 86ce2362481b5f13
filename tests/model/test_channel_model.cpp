#include "app_settings.h"
#include "channel_info.h"
#include "current_readings.h"

#include <QSet>
#include <QtTest>

#include <cmath>
#include <cstring>

Q_DECLARE_METATYPE(Channel)

namespace {

// One data row per channel, named by the channel.
void addChannelRows() {
    QTest::addColumn<Channel>("channel");
    for (Channel channel : kAllChannels)
        QTest::newRow(channelInfo(channel).name.toLatin1().constData()) << channel;
}

// The caption kinds that name a channel on their own.
struct Caption {
    const char *kind;
    QStringView ChannelInfo::*text;
};
constexpr Caption kCaptions[] = {
    {"name", &ChannelInfo::name},
    {"exportName", &ChannelInfo::exportName},
    {"scaleCaption", &ChannelInfo::scaleCaption},
    {"checkCaption", &ChannelInfo::checkCaption},
    {"gridTitle", &ChannelInfo::gridTitle},
    {"diagramTitle", &ChannelInfo::diagramTitle},
    {"legendName", &ChannelInfo::legendName},
    {"reportLabel", &ChannelInfo::reportLabel},
};

} // namespace

class TestChannelModel : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void channelsAreInChannelOrder_data() { addChannelRows(); }
    void channelsAreInChannelOrder();
    void sampleIsIndexedByChannel_data() { addChannelRows(); }
    void sampleIsIndexedByChannel();
    void settingsDefaultsAreTheChannelDefaults_data() { addChannelRows(); }
    void settingsDefaultsAreTheChannelDefaults();
    void ranges_data() { addChannelRows(); }
    void ranges();
    void captionsTellChannelsApart_data();
    void captionsTellChannelsApart();
    void readingText_data();
    void readingText();
};

void TestChannelModel::channelsAreInChannelOrder() {
    QFETCH(Channel, channel);
    QCOMPARE(channelAt(index(channel)), channel);
    QCOMPARE(channelInfo(channel).channel, channel);
}

// Each channel's value is the sample's field at the channel's place: the graph file and the
// journal store the sample's six words in that order.
void TestChannelModel::sampleIsIndexedByChannel() {
    QFETCH(Channel, channel);
    ReadingSample sample;
    sample.setValue(channel, 1234);
    QCOMPARE(sample.value(channel), qint16(1234));
    for (Channel other : kAllChannels)
        if (other != channel)
            QCOMPARE(sample.value(other), qint16(0));

    qint16 words[kChannelCount];
    static_assert(sizeof words == sizeof sample);
    std::memcpy(words, &sample, sizeof sample);
    QCOMPARE(words[index(channel)], qint16(1234));
}

void TestChannelModel::settingsDefaultsAreTheChannelDefaults() {
    QFETCH(Channel, channel);
    const AppSettings defaults;
    QCOMPARE(defaults.FullScale[index(channel)], channelInfo(channel).defaultFullScale);
    QCOMPARE(defaultFullScales()[index(channel)], channelInfo(channel).defaultFullScale);
    QCOMPARE(defaults.ChannelHidden[index(channel)], 0);
}

// The default full scale spans the display, and the demonstration stays inside it.
void TestChannelModel::ranges() {
    QFETCH(Channel, channel);
    const ChannelInfo &info = channelInfo(channel);
    QCOMPARE(info.defaultFullScale * info.readingsPerScaleUnit, qint32(info.displayMaximum));
    QVERIFY(info.demonstrationLow > 0);
    QVERIFY(info.demonstrationLow <= info.demonstrationHigh);
    QVERIFY(info.demonstrationHigh < info.displayMaximum);
    QCOMPARE(readingsPerUnit(channel), std::pow(10.0, info.decimals));
}

void TestChannelModel::captionsTellChannelsApart_data() {
    QTest::addColumn<int>("caption");
    for (int i = 0; i < int(std::size(kCaptions)); ++i)
        QTest::newRow(kCaptions[i].kind) << i;
}

// Every caption kind names each channel, and no two channels alike.
void TestChannelModel::captionsTellChannelsApart() {
    QFETCH(int, caption);
    QSet<QString> seen;
    for (const ChannelInfo &info : kChannelInfo) {
        const QString text = (info.*kCaptions[caption].text).toString();
        QVERIFY2(!text.trimmed().isEmpty(), qPrintable(info.name.toString()));
        seen.insert(text);
    }
    QCOMPARE(seen.size(), kChannelCount);
}

void TestChannelModel::readingText_data() {
    QTest::addColumn<Channel>("channel");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("CO in hundredths") << Channel::Co << 150 << "1,50";
    QTest::newRow("CH in ppm") << Channel::Ch << 123 << "123";
    QTest::newRow("negative O2") << Channel::O2 << -5 << "-0,05";
    QTest::newRow("lambda in thousandths") << Channel::Lambda << 1002 << "1,002";
    QTest::newRow("engine speed, no group separator") << Channel::Rpm << 12500 << "12500";
}

void TestChannelModel::readingText() {
    QFETCH(Channel, channel);
    QFETCH(int, value);
    QTEST(::readingText(channel, value), "text");
}

QTEST_APPLESS_MAIN(TestChannelModel)
#include "test_channel_model.moc"
