#pragma once

struct AppSettings;
struct ViewPanels;

// Gives the view controls the colours, visibility and selections the settings hold: the
// grids and memos, the graph and readings boxes, the readings panels, the graph channel
// check boxes and the category lists.
void applySettingsAppearance(const AppSettings &settings, const ViewPanels &panels);
