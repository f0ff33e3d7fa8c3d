#pragma once

#include <QString>

namespace platform {

/// Deletes for good (no trash) a folder with everything in it, or a single file or symbolic
/// link. A symbolic link is never followed: the link itself goes, what it points to stays; a
/// folder of another file system mounted inside is left with its content. Refuses, deleting
/// nothing, the empty text, the root folder, the user's home folder (HOME, and the account's
/// home) and every folder that holds one of them. True when the item is gone; false when it did
/// not exist, was refused, or some of it could not be deleted (what could be is gone).
bool removeForGood(const QString& path);

} // namespace platform
