#include "platform/gui/desktop.h"

#include <QGuiApplication>
#include <QScreen>

namespace platform {

QRect desktopWorkArea()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return screen->availableGeometry();
    // No screen (no GUI application, or a display without one): the smallest desktop the forms
    // are laid out for.
    return QRect(0, 0, 1024, 768);
}

} // namespace platform
