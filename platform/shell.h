#pragma once

#include <QString>

namespace platform {

/// The shell's "open": an executable file is started detached with no arguments, any other file
/// is opened in the desktop's associated program. Returns at once; false when nothing started.
bool shellOpen(const QString& path);

} // namespace platform
