#include "app_settings.h"

#include "channel_info.h"

#include <QtGlobal>

namespace {

// The graph's full scales start at the channels' defaults.
constexpr bool fullScalesStartAtChannelDefaults() {
    constexpr AppSettings defaults;
    for (Channel channel : kAllChannels)
        if (defaults.FullScale[index(channel)] != channelInfo(channel).defaultFullScale)
            return false;
    return true;
}
static_assert(fullScalesStartAtChannelDefaults());

// The record is a block of kFieldCount words (checked beside its declaration), so field i
// lies i words after its start.
qint32 *fieldAddress(AppSettings *settings, int index) {
    Q_ASSERT(index >= 0 && index < AppSettings::kFieldCount);
    return reinterpret_cast<qint32 *>(reinterpret_cast<char *>(settings) +
                                      std::size_t(index) * sizeof(qint32));
}

} // namespace

qint32 &AppSettings::field(int index) {
    return *fieldAddress(this, index);
}

qint32 AppSettings::field(int index) const {
    return *fieldAddress(const_cast<AppSettings *>(this), index);
}

QString defaultStationName() {
    return QStringLiteral("Станция технического контроля автомобилей");
}
