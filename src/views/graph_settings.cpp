#include "graph_settings.h"

#include "app_settings.h"
#include "bgr_color.h"

#include <array>

namespace GraphSettings {

FullScales fullScales(const AppSettings &settings) {
    return ChannelScale::guarded(std::to_array(settings.FullScale));
}

GraphChart::Look look(const AppSettings &s) {
    const FullScales scales = fullScales(s);
    GraphChart::Look look;
    look.paper = colorFromBgr(s.GraphBackColor);
    look.lineWidth = s.LineWidth;
    look.legendVisible = s.LegendHidden == 0;
    for (int channel = 0; channel < kChannelCount; ++channel) {
        look.channelColours[channel] = colorFromBgr(s.ChannelColor[channel]);
        look.hidden[channel] = s.ChannelHidden[channel] != 0;
        look.titles[channel] = ChannelScale::legendTitle(channel, scales[channel]);
    }
    return look;
}

} // namespace GraphSettings
