#pragma once

#include "channel_scale.h"
#include "graph_chart.h"
#include "recorder_settings.h"

struct AppSettings;

// What the settings decide of the graph beyond the recorder's options
// (RecorderSettings::fromAppSettings): the guarded full scales and the chart's look (colours,
// line width, legend titles and visibility, shown channels).
namespace GraphSettings {

FullScales fullScales(const AppSettings &settings);
GraphChart::Look look(const AppSettings &settings);

} // namespace GraphSettings
