#pragma once

#include <QString>

namespace platform {

// The few X desktop services the stand-ins use. Each opens the display DISPLAY names for the
// call and closes it again; without a display, or on a server without the keyboard extension,
// each does nothing and says so.

/// Rings the desktop's bell (which the desktop may play as its alert sound); false without X.
bool ringXBell();
/// The layouts of the X keyboard map as the desktop configured them ("us,ir"); empty when there
/// is no display or it does not say.
QString xkbConfiguredLayouts();
/// Locks the keyboard to one of its configured groups [0, 3]; false without X.
bool lockXkbGroup(int group);

} // namespace platform
