#pragma once

#include <QList>
#include <QMargins>
#include <QRect>
#include <QSize>

#include <optional>

struct AppSettings;

// Where and how the main window is shown at start and kept on resizing, from the WindowMode
// and WindowRestored settings, the saved geometry and the desktop work area (the screen
// without task bars). Pure decisions; the main window applies them.
//
// The saved geometry is the window's outer frame (what frameGeometry() gives at exit). The
// work area is compared by its size only, and "the top left corner" is screen position 0,0.
namespace WindowPlacement {

// The smallest outer size of the main window.
inline constexpr QSize kMinimumWindowSize{620, 400};
inline constexpr int kToolbarMinimumWidth = 610;
// WindowMode 0: a plain window of this size at the top left corner.
inline constexpr QSize kPlainWindowSize{640, 480};

struct Decision {
    bool frameless = false; // no window border (modes 0 and 2)
    bool maximised = false;
    QRect geometry; // the normal-state geometry to apply; null when maximised
};

// The saved outer frame as the settings hold it: any values, however large, are safe here.
struct SavedFrame {
    qint32 left = 0;
    qint32 top = 0;
    qint32 width = 0;
    qint32 height = 0;

    static SavedFrame fromSettings(const AppSettings &settings);
    static SavedFrame fromRect(const QRect &rect);
};

// The saved frame made to fit: a saved size larger than the work area in either direction
// becomes the minimum window size (and a size below the minimum is raised to it, as the
// window would do); then a window whose bottom or right edge would pass the work area moves
// to the top left corner. Computed without overflow for any saved values.
QRect fitSaved(const SavedFrame &saved, const QSize &workArea);
QRect fitSaved(const QRect &saved, const QSize &workArea);

// A frame whose title bar (its top titleBarHeight pixels) has its middle on no available
// screen moves to the top left corner of the first screen: a window saved on a monitor that
// is gone comes back where the user can grab it. Otherwise the frame is returned as it is.
QRect keepTitleBarOnScreen(const QRect &frame, int titleBarHeight,
                           const QList<QRect> &availableScreens);

// The client geometry (what QWidget::setGeometry takes for a top-level window) that gives
// the outer frame, with the margins the window manager adds around the client area.
QRect clientGeometry(const QRect &frame, const QMargins &frameMargins);

// The client minimum size that keeps the outer size at least kMinimumWindowSize.
QSize minimumClientSize(const QMargins &frameMargins);

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

// ---- The same rules with the frame, the window manager's margins and every screen ----

// The desktop the window is placed on: the available geometry (without task bars) of every
// screen, the window's own screen first; the first one's size is the work area.
using AvailableScreens = QList<QRect>;

// The saved frame fitted to the first screen's work area and kept reachable.
QRect restoredFrame(const SavedFrame &saved, const AvailableScreens &screens, int titleBarHeight);

struct StartPlacement {
    bool frameless = false; // no window border (modes 0 and 2)
    bool maximised = false;
    QRect frame;  // the outer frame in normal state; null when maximised
    QRect client; // the client geometry that gives it (setGeometry); null when maximised
};

// atStart() with the saved frame applied as a frame: the client geometry leaves room for the
// margins (a frameless window has none), so a saved window comes back at exactly its saved
// outer size and place instead of growing by the frame on every run.
StartPlacement placeAtStart(int windowMode, int windowRestored, const SavedFrame &saved,
                            const AvailableScreens &screens, const QMargins &frameMargins);

// The client geometry a maximised window returns to when it leaves the maximised state, when
// mode 1 with restored 1 finds it maximised on a resize; nullopt otherwise.
std::optional<QRect> restoreClientOnResize(int windowMode, int windowRestored, bool maximised,
                                           const SavedFrame &saved, const AvailableScreens &screens,
                                           const QMargins &frameMargins);

} // namespace WindowPlacement
