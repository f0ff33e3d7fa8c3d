#pragma once

#include "platform/folder_chooser.h"

namespace toolkit {

/// Shows every folder dialog of the system as Qt's own folder dialog (the same on every
/// desktop), modal over the active window. Confined to the request's root: the dialog goes
/// back to the root when the user leaves it, and a folder outside counts as none chosen.
/// Without a root it starts on the desktop folder. Installed by the program entry with
/// platform::setFolderChooser.
class QtFolderChooser final : public platform::FolderChooser {
public:
    std::optional<QString> choose(const platform::FolderRequest& request) override;
};

} // namespace toolkit
