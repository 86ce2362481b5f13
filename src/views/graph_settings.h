#pragma once

#include "channel_scale.h"
#include "graph_chart.h"
#include "recorder_settings.h"

struct AppSettings;

// What the settings decide of the graph: the recorder's options, the guarded full scales and
// the chart's look (colours, line width, legend titles and visibility, shown channels).
namespace GraphSettings {

RecorderSettings recorder(const AppSettings &settings);
FullScales fullScales(const AppSettings &settings);
GraphChart::Look look(const AppSettings &settings);

} // namespace GraphSettings
