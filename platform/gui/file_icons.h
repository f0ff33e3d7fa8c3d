#pragma once

#include <QIcon>
#include <QString>

namespace platform {

/// The icon of a file's type: its MIME type (by name and content) looked up in the desktop's
/// icon theme (Adwaita when the desktop names none), then the type's generic icon, then the
/// generic document icon. Null when the theme has none of them.
QIcon fileTypeIcon(const QString& path);

} // namespace platform
