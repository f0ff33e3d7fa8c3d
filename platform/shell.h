#pragma once

#include <QString>
#include <QStringList>

namespace platform {

/// The shell's "open": an executable file is started detached with no arguments, any other file
/// is opened in the desktop's associated program. Returns at once; false when nothing started.
bool shellOpen(const QString& path);

/// The shell's "open" with parameters: a program gets the arguments (a document's program
/// takes none). Either starts in our current folder, through platform::startDetached.
bool shellOpenWith(const QString& path, const QStringList& arguments);

} // namespace platform
