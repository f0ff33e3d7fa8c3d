#pragma once

#include <QString>
#include <optional>

namespace platform {

/// What a folder dialog shows: its title and the folder it is confined to.
struct FolderRequest {
    QString caption;
    QString root; ///< the dialog shows only this folder and those inside it; empty: all folders
};

/// Shows the folder dialog. Production shows a real modal Qt dialog; a test installs its own
/// chooser to see every request and answer it without a display.
class FolderChooser {
public:
    virtual ~FolderChooser() = default;
    /// Shows the dialog modally; the chosen folder's path, or nothing when cancelled.
    virtual std::optional<QString> choose(const FolderRequest& request) = 0;
};

/// Installs the chooser every folder dialog goes through (not owned); nullptr restores the
/// default, which refuses to show anything and raises an Error, so a forgotten seam never hangs.
void setFolderChooser(FolderChooser* chooser);

/// Shows a folder dialog through the installed chooser. After the end was requested the dialog
/// closes at once, cancelled, without being shown.
std::optional<QString> chooseFolder(const FolderRequest& request);

} // namespace platform
