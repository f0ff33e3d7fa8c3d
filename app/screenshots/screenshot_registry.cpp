#include "app/screenshots/screenshot_registry.h"

namespace screenshots {

namespace {

std::vector<Screenshot>& registry()
{
    static std::vector<Screenshot> windows;
    return windows;
}

} // namespace

const std::vector<Screenshot>& allScreenshots()
{
    return registry();
}

Registration::Registration(std::vector<Screenshot> windows)
{
    for (Screenshot& window : windows)
        registry().push_back(std::move(window));
}

} // namespace screenshots
