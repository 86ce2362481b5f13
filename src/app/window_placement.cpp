#include "window_placement.h"

namespace WindowPlacement {

namespace {

bool restoredWindow(int windowMode, int windowRestored) {
    return windowMode == 1 && windowRestored == 1;
}

} // namespace

QRect fitSaved(const QRect &saved, const QSize &workArea) {
    int width = saved.width();
    int height = saved.height();
    int top = saved.top();
    int left = saved.left();
    if (height > workArea.height() || width > workArea.width()) {
        height = kMinimumWindowSize.height();
        width = kMinimumWindowSize.width();
    }
    if (height + top > workArea.height() || width + left > workArea.width()) {
        top = 0;
        left = 0;
    }
    return QRect(left, top, width, height);
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

} // namespace WindowPlacement
