#pragma once

#include <QString>
#include <QStringList>

namespace platform::xdg {

// The base folders of the freedesktop base directory rules, read from the environment at each
// call so that a changed HOME or XDG_* variable takes effect at once. A variable that is unset,
// empty or not an absolute path gives the default the rules name.

/// $XDG_CONFIG_HOME, by default $HOME/.config.
QString configHome();
/// $XDG_CONFIG_DIRS, by default /etc/xdg; most important first.
QStringList configDirs();
/// $XDG_DATA_HOME, by default $HOME/.local/share.
QString dataHome();
/// $XDG_DATA_DIRS, by default /usr/local/share and /usr/share; most important first.
QStringList dataDirs();

/// The user's autostart folder: configHome()/autostart.
QString userAutostartFolder();
/// The machine-wide autostart folder: the first of configDirs() followed by /autostart.
QString systemAutostartFolder();

} // namespace platform::xdg
