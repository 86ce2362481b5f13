#pragma once

struct AppSettings;
struct ViewPanels;

// Gives the view controls the colours and selections the settings hold: the grids and memos,
// the graph and readings boxes, the readings panels and the category lists. (The graph's
// channel check boxes follow the settings through the graph's recording controller.)
void applySettingsAppearance(const AppSettings &settings, const ViewPanels &panels);

// The hints' light cyan background, for the whole program.
void applyHintPalette();
