#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace platform {

// The top-level windows of the X desktop, as its window manager lists them. Each call opens the
// display DISPLAY names and closes it again; without a display each finds nothing. A window that
// vanished meanwhile is simply not found (an X error never ends the program).

/// A top-level application window and the process that says it owns it (_NET_WM_PID, 0 when it
/// does not say).
struct ClientWindow {
    std::uint32_t handle = 0;
    std::int64_t pid = 0;
};

/// The window manager's client list (_NET_CLIENT_LIST) in its order; empty without X or
/// without a window manager that keeps the list.
std::vector<ClientWindow> clientWindows();

/// What can be told of a top-level window.
struct WindowFacts {
    bool visible = false;      ///< mapped and viewable
    bool minimised = false;    ///< iconic, or hidden by the window manager
    std::uint32_t owner = 0;   ///< the window it is transient for; 0 when none
    std::uint32_t desktop = 0; ///< the root window, which stands for the desktop
    bool toolWindow = false;   ///< a utility or toolbar window, or one kept off the task bar
    QString title;             ///< _NET_WM_NAME, else WM_NAME
};

/// The facts of one window; nothing without X or when there is no such window.
std::optional<WindowFacts> windowFacts(std::uint32_t handle);

} // namespace platform
