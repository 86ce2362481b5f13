#include "window_geometry.h"

#include "app_settings.h"
#include "settings_store.h"
#include "shutdown.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <QWindowStateChangeEvent>

namespace {

constexpr int FramelessMode0 = 0;
constexpr int SizeableMode = 1;
constexpr int FullScreenMode = 2;

} // namespace

WindowGeometry::WindowGeometry(QWidget &window, SettingsStore &settings, QObject *parent)
    : QObject(parent), window_(window), store_(settings), settings_(settings.get()) {
    window_.installEventFilter(this);
}

WindowPlacement::AvailableScreens WindowGeometry::availableScreens() const {
    WindowPlacement::AvailableScreens screens;
    QScreen *own = window_.screen();
    if (own)
        screens << own->availableGeometry();
    for (QScreen *other : QGuiApplication::screens())
        if (other != own)
            screens << other->availableGeometry();
    if (screens.isEmpty())
        screens << QRect(0, 0, 1024, 768);
    return screens;
}

QMargins WindowGeometry::frameMargins() const {
    return window_.windowHandle() ? window_.windowHandle()->frameMargins() : QMargins();
}

void WindowGeometry::applyBorder() {
    switch (settings_.WindowMode) {
    case FramelessMode0:
    case FullScreenMode:
        window_.setWindowFlag(Qt::FramelessWindowHint, true);
        break;
    case SizeableMode:
        window_.setWindowFlag(Qt::FramelessWindowHint, false);
        break;
    default:
        break;
    }
}

void WindowGeometry::applyAtStart() {
    const QMargins margins = frameMargins();
    const WindowPlacement::StartPlacement placement = WindowPlacement::placeAtStart(
        settings_.WindowMode, settings_.WindowRestored,
        WindowPlacement::SavedFrame::fromSettings(settings_), availableScreens(), margins);
    keepMinimumFrame();
    if (placement.maximised) {
        window_.setWindowState(window_.windowState() | Qt::WindowMaximized);
        return;
    }
    window_.setWindowState(window_.windowState() & ~Qt::WindowMaximized);
    // The saved values are the outer frame: the client geometry leaves room for the frame.
    window_.setGeometry(placement.client);
    wantedFrame_ = placement.frameless ? QRect() : placement.frame;
    settleAttempts_ = 0;
    // The window manager's frame is known once the window is on screen.
    if (!wantedFrame_.isNull() && window_.windowHandle())
        window_.windowHandle()->installEventFilter(this);
}

void WindowGeometry::applyMode(int mode) {
    Shutdown::WindowState window;
    window.maximised = window_.isMaximized();
    window.frame = window_.frameGeometry();
    Shutdown::rememberWindow(store_, window);
    store_.set(&AppSettings::WindowMode, mode);
    const bool visible = window_.isVisible();
    applyBorder(); // hides a shown window
    applyAtStart();
    if (visible)
        window_.show();
}

void WindowGeometry::keepMinimumFrame() {
    const QSize minimum = WindowPlacement::minimumClientSize(frameMargins());
    if (window_.minimumSize() != minimum)
        window_.setMinimumSize(minimum);
}

void WindowGeometry::settle() {
    // The minimum first: with the frame known, the client may shrink to what the minimum
    // outer frame leaves it.
    keepMinimumFrame();
    // The window manager may have framed the window after it was placed, or placed the
    // client where the frame should be: once the frame is known, the saved frame is applied
    // again, a few times at most.
    if (wantedFrame_.isNull() || frameMargins().isNull() || window_.isMaximized())
        return;
    if (window_.frameGeometry() == wantedFrame_ || ++settleAttempts_ > 3) {
        wantedFrame_ = QRect();
        return;
    }
    window_.setGeometry(WindowPlacement::clientGeometry(wantedFrame_, frameMargins()));
}

void WindowGeometry::followResize() {
    if (const auto client = WindowPlacement::restoreClientOnResize(
            settings_.WindowMode, settings_.WindowRestored, window_.isMaximized(),
            WindowPlacement::SavedFrame::fromSettings(settings_), availableScreens(),
            frameMargins()))
        restoreClient_ = client;
}

void WindowGeometry::leaveMaximised(Qt::WindowStates oldState) {
    if (restoreClient_ && (oldState & Qt::WindowMaximized) && !window_.isMaximized()) {
        // Back from maximised: the saved geometry, as the settings hold it.
        window_.setGeometry(*restoreClient_);
        restoreClient_.reset();
    }
}

bool WindowGeometry::eventFilter(QObject *watched, QEvent *event) {
    if (watched == window_.windowHandle() && event->type() == QEvent::Expose) {
        settle();
        if (wantedFrame_.isNull())
            watched->removeEventFilter(this);
    } else if (watched == &window_) {
        switch (event->type()) {
        case QEvent::Move:
            settle();
            break;
        case QEvent::Resize:
            settle();
            followResize();
            break;
        case QEvent::WindowStateChange:
            leaveMaximised(static_cast<QWindowStateChangeEvent *>(event)->oldState());
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}
