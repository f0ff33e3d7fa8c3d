#pragma once

#include "platform/xdg/startup_entries.h"

namespace platform {

/// Start-up entries as the desktop keeps them machine-wide: desktop entry files in the XDG
/// autostart folder of the first of $XDG_CONFIG_DIRS (by default /etc/xdg/autostart). An entry's
/// title is its file name without ".desktop"; its command is its Exec line, each argument that
/// stands in quotes there given in double quotes, as the registry would hold it. A title that is
/// not a safe file name is refused with RegistryError.
class AutostartEntries final : public StartupEntries {
public:
    std::optional<std::vector<StartupEntry>> list() const override;
    bool add(const QString& title, const QString& programPath) override;
};

/// The command a desktop entry's Exec value stands for: its arguments joined by a blank, each
/// quoted one in double quotes.
QString commandOfExec(const QString& exec);

} // namespace platform
