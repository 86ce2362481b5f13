#pragma once

#include <QRect>
#include <QSize>

#include <optional>

// Where and how the main window is shown at start and kept on resizing, from the WindowMode
// and WindowRestored settings, the saved geometry and the desktop work area (the screen
// without task bars). Pure decisions; the main window applies them.
//
// Saved geometry is a QRect: x = saved left, y = saved top. The work area is compared by its
// size only, and "the top left corner" is screen position 0,0.
namespace WindowPlacement {

inline constexpr QSize kMinimumWindowSize{620, 400};
inline constexpr int kToolbarMinimumWidth = 610;
// WindowMode 0: a plain window of this size at the top left corner.
inline constexpr QSize kPlainWindowSize{640, 480};

struct Decision {
    bool frameless = false; // no window border (modes 0 and 2)
    bool maximised = false;
    QRect geometry; // the normal-state geometry to apply; null when maximised
};

// The saved geometry made to fit: a saved size larger than the work area in either direction
// becomes the minimum window size; then a window whose bottom or right edge would pass the
// work area moves to the top left corner.
QRect fitSaved(const QRect &saved, const QSize &workArea);

// The window when it is first shown:
//   mode 0                 plain 640 x 480 at 0,0 without border;
//   mode 1, restored 1     normal state at the fitted saved geometry;
//   mode 1, not restored   maximised;
//   mode 2                 maximised without border (full screen);
//   any other mode         maximised with the border, as the form is designed.
Decision atStart(int windowMode, int windowRestored, const QRect &saved, const QSize &workArea);

// On a resize: when mode 1 with restored 1 finds the window maximised, the window goes back to
// the fitted saved geometry; otherwise nothing changes (nullopt). The layout runs in every case.
std::optional<QRect> onResize(int windowMode, int windowRestored, bool maximised,
                              const QRect &saved, const QSize &workArea);

} // namespace WindowPlacement
