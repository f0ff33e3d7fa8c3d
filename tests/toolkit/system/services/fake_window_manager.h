#pragma once

#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

namespace testing_support {

/// Plays the window manager on the display DISPLAY names: makes top-level windows with the
/// properties a window manager and the programs would set, and publishes the client list.
/// Handles are X window ids; no X type leaks out, so tests need no Xlib header.
class FakeWindowManager {
public:
    FakeWindowManager();
    ~FakeWindowManager();
    FakeWindowManager(const FakeWindowManager&) = delete;
    FakeWindowManager& operator=(const FakeWindowManager&) = delete;

    bool connected() const;
    std::uint32_t root() const;
    /// A window titled through _NET_WM_NAME, owned by pid (_NET_WM_PID), mapped when asked.
    std::uint32_t makeWindow(const QString& title, long pid, bool mapped = true);
    /// A mapped window titled only through the old WM_NAME.
    std::uint32_t makeLegacyWindow(const QString& title);
    void setIconic(std::uint32_t window);
    void setTransientFor(std::uint32_t window, std::uint32_t owner);
    void setUtilityType(std::uint32_t window);
    void publishClientList(const std::vector<std::uint32_t>& windows);

private:
    struct Connection;
    std::unique_ptr<Connection> m_x;
};

} // namespace testing_support
