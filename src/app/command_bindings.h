#pragma once

#include <functional>

class MainMenu;
class MainToolbar;
class QObject;
class StatusLine;
struct ViewPanels;

// What each command of the main window does; the window fills it in.
struct WindowCommands {
    std::function<void(int view)> selectView;
    std::function<void()> openOptions;
    std::function<void()> connectLink;
    std::function<void()> exit;
    std::function<void()> pump;
    std::function<void()> startStop;
    std::function<void()> setClock;
    std::function<void()> readHeader;
    std::function<void()> writeHeader;
    std::function<void()> openHeader;
    std::function<void()> saveHeader;
    std::function<void()> demonstration;
    std::function<void()> help;
    std::function<void()> about;
};

// Binds every command to the controls that give it: its menu item (enabled), its toolbar
// button, the printer panel's button and the status field that start it. The view items and
// buttons come from the views table.
namespace CommandBindings {

void bind(const WindowCommands &commands, const MainMenu &menu, const MainToolbar &toolbar,
          const ViewPanels &panels, const StatusLine &statusLine, QObject *context);

} // namespace CommandBindings
