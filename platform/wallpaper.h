#pragma once

#include <QString>

namespace platform {

/// Sets the desktop's wallpaper to a picture file where the desktop has a documented setting
/// for it: GNOME and the desktops built on its settings (Unity, Budgie, Pantheon) through
/// GSettings org.gnome.desktop.background, Cinnamon through org.cinnamon.desktop.background,
/// MATE through org.mate.background, Xfce through xfconf (every monitor and workspace). The
/// desktop is the one XDG_CURRENT_DESKTOP names. Elsewhere, or for an empty path, nothing
/// happens. The setting is the desktop's own, so the choice outlives the session. False when
/// nothing was set.
bool setWallpaper(const QString& picture);

} // namespace platform
