#include "window_placement.h"

#include "app_settings.h"

#include <algorithm>
#include <limits>

namespace WindowPlacement {

namespace {

bool restoredWindow(int windowMode, int windowRestored) {
    return windowMode == 1 && windowRestored == 1;
}

// Used when the system reports no screen at all.
constexpr QSize kFallbackWorkArea{1024, 768};

QSize workAreaOf(const AvailableScreens &screens) {
    return screens.isEmpty() ? kFallbackWorkArea : screens.first().size();
}

int clampToInt(qint64 value) {
    return int(std::clamp<qint64>(value, std::numeric_limits<int>::min(),
                                  std::numeric_limits<int>::max()));
}

} // namespace

SavedFrame SavedFrame::fromSettings(const AppSettings &settings) {
    return {settings.WindowLeft, settings.WindowTop, settings.WindowWidth, settings.WindowHeight};
}

SavedFrame SavedFrame::fromRect(const QRect &rect) {
    return {rect.left(), rect.top(), rect.width(), rect.height()};
}

QRect fitSaved(const SavedFrame &saved, const QSize &workArea) {
    qint64 width = saved.width;
    qint64 height = saved.height;
    qint64 top = saved.top;
    qint64 left = saved.left;
    if (height > workArea.height() || width > workArea.width()) {
        height = kMinimumWindowSize.height();
        width = kMinimumWindowSize.width();
    }
    width = std::max<qint64>(width, kMinimumWindowSize.width());
    height = std::max<qint64>(height, kMinimumWindowSize.height());
    if (height + top > workArea.height() || width + left > workArea.width()) {
        top = 0;
        left = 0;
    }
    // The size is now at most the work area's or the minimum, and left + width and
    // top + height at most the work area's: every edge fits in an int.
    return QRect(clampToInt(left), clampToInt(top), int(width), int(height));
}

QRect fitSaved(const QRect &saved, const QSize &workArea) {
    return fitSaved(SavedFrame::fromRect(saved), workArea);
}

QRect keepTitleBarOnScreen(const QRect &frame, int titleBarHeight,
                           const QList<QRect> &availableScreens) {
    if (availableScreens.isEmpty())
        return frame;
    const QPoint titleMiddle(frame.left() + frame.width() / 2,
                             frame.top() + std::max(titleBarHeight, 1) / 2);
    for (const QRect &screen : availableScreens)
        if (screen.contains(titleMiddle))
            return frame;
    return QRect(availableScreens.first().topLeft(), frame.size());
}

QRect clientGeometry(const QRect &frame, const QMargins &frameMargins) {
    const qint64 width = qint64(frame.width()) - frameMargins.left() - frameMargins.right();
    const qint64 height = qint64(frame.height()) - frameMargins.top() - frameMargins.bottom();
    return QRect(clampToInt(qint64(frame.left()) + frameMargins.left()),
                 clampToInt(qint64(frame.top()) + frameMargins.top()),
                 clampToInt(std::max<qint64>(width, 0)), clampToInt(std::max<qint64>(height, 0)));
}

QSize minimumClientSize(const QMargins &frameMargins) {
    return QSize(
        std::max(0, kMinimumWindowSize.width() - frameMargins.left() - frameMargins.right()),
        std::max(0, kMinimumWindowSize.height() - frameMargins.top() - frameMargins.bottom()));
}

Decision atStart(int windowMode, int windowRestored, const QRect &saved, const QSize &workArea) {
    Decision d;
    switch (windowMode) {
    case 0:
        d.frameless = true;
        d.geometry = QRect(QPoint(0, 0), kPlainWindowSize);
        break;
    case 1:
        if (restoredWindow(windowMode, windowRestored))
            d.geometry = fitSaved(saved, workArea);
        else
            d.maximised = true;
        break;
    case 2:
        d.frameless = true;
        d.maximised = true;
        break;
    default:
        d.maximised = true;
        break;
    }
    return d;
}

std::optional<QRect> onResize(int windowMode, int windowRestored, bool maximised,
                              const QRect &saved, const QSize &workArea) {
    if (!restoredWindow(windowMode, windowRestored) || !maximised)
        return std::nullopt;
    return fitSaved(saved, workArea);
}

QRect restoredFrame(const SavedFrame &saved, const AvailableScreens &screens, int titleBarHeight) {
    return keepTitleBarOnScreen(fitSaved(saved, workAreaOf(screens)), titleBarHeight, screens);
}

StartPlacement placeAtStart(int windowMode, int windowRestored, const SavedFrame &saved,
                            const AvailableScreens &screens, const QMargins &frameMargins) {
    StartPlacement placement;
    if (restoredWindow(windowMode, windowRestored)) {
        placement.frame = restoredFrame(saved, screens, frameMargins.top());
        placement.client = clientGeometry(placement.frame, frameMargins);
        return placement;
    }
    // Every other case as atStart(): the saved geometry plays no part.
    const Decision decision = atStart(windowMode, windowRestored, QRect(), workAreaOf(screens));
    placement.frameless = decision.frameless;
    placement.maximised = decision.maximised;
    // The plain window has no border: its client area is its frame.
    placement.frame = decision.geometry;
    placement.client = decision.geometry;
    return placement;
}

std::optional<QRect> restoreClientOnResize(int windowMode, int windowRestored, bool maximised,
                                           const SavedFrame &saved, const AvailableScreens &screens,
                                           const QMargins &frameMargins) {
    if (!restoredWindow(windowMode, windowRestored) || !maximised)
        return std::nullopt;
    return clientGeometry(restoredFrame(saved, screens, frameMargins.top()), frameMargins);
}

} // namespace WindowPlacement
