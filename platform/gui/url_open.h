#pragma once

#include <QString>

namespace platform {

/// Opens a URL in the desktop's program for it (QDesktopServices), returning at once. A text
/// without a scheme is taken as the desktop's address bar would take it: an existing file
/// relative to our current folder, else a web address. False when it was empty or not opened.
bool openUrl(const QString& url);

} // namespace platform
