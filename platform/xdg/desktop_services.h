#pragma once

#include "platform/xdg/file_associations.h"
#include "platform/xdg/shell_links.h"
#include "platform/xdg/startup_entries.h"
#include "platform/xdg/user_registry.h"

#include <memory>

namespace platform {

/// The desktop services the toolkit's registry and shell operations stand on. A Windows build
/// would give the registry and shell link ones; this build gives the freedesktop ones.
struct DesktopServices {
    std::unique_ptr<UserRegistry> registry;
    std::unique_ptr<StartupEntries> startup;
    std::unique_ptr<ShellLinks> links;
    std::unique_ptr<FileAssociations> associations;
};

/// The freedesktop services: the user's registry under the XDG config folder, XDG autostart
/// entries, desktop entry links and MIME associations.
DesktopServices xdgDesktopServices();

} // namespace platform
