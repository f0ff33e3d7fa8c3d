#include "platform/xdg/desktop_services.h"

#include "platform/xdg/autostart_entries.h"
#include "platform/xdg/xdg_file_associations.h"
#include "platform/xdg/xdg_shell_links.h"
#include "platform/xdg/xdg_user_registry.h"

namespace platform {

DesktopServices xdgDesktopServices()
{
    DesktopServices services;
    services.registry = std::make_unique<XdgUserRegistry>();
    services.startup = std::make_unique<AutostartEntries>();
    services.links = std::make_unique<XdgShellLinks>();
    services.associations = std::make_unique<XdgFileAssociations>();
    return services;
}

} // namespace platform
