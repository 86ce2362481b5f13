#pragma once

#include "window_placement.h"

#include <QObject>
#include <QRect>

#include <optional>

class SettingsStore;
struct AppSettings;
class QWidget;

// The main window's border, size and place from the window settings: applied when the window
// is first shown and when the options change the window mode, kept when a window manager
// frames the window late, and a maximised sizeable window's way back to the saved geometry.
// It watches the window's own events, so the window only asks it to apply.
class WindowGeometry : public QObject {
    Q_OBJECT

public:
    WindowGeometry(QWidget &window, SettingsStore &settings, QObject *parent = nullptr);

    // The border of the window mode: none for 0 and 2, sizeable for 1; any other value keeps
    // the border the window has.
    void applyBorder();
    // Size, place and state of the window mode, as at start.
    void applyAtStart();
    // The options changed the window mode: a sizeable window is remembered before it leaves
    // that mode, as at exit; then the new mode is applied to the window as it is shown.
    void applyMode(int mode);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    WindowPlacement::AvailableScreens availableScreens() const;
    QMargins frameMargins() const;
    // The minimum size is the outer frame's (kMinimumWindowSize): the client's minimum follows
    // the frame margins, which the window manager may make known only after the first show.
    void keepMinimumFrame();
    // The saved frame applied again once the window manager's frame is known: on some
    // desktops it appears only after the first show.
    void settle();
    void followResize();
    void leaveMaximised(Qt::WindowStates oldState);

    QWidget &window_;
    SettingsStore &store_;
    const AppSettings &settings_;
    // The outer frame the window is to have after start-up, until the window manager has
    // framed it there.
    QRect wantedFrame_;
    int settleAttempts_ = 0;
    // Where a maximised sizeable window goes when it leaves the maximised state.
    std::optional<QRect> restoreClient_;
};
