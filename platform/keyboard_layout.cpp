#include "platform/keyboard_layout.h"

#include "platform/x_desktop.h"
#include "platform/xkb_groups.h"

namespace platform {

namespace {
QString g_requested = kPersianLayout;
} // namespace

void switchKeyboardLayout(const QString& layoutId)
{
    g_requested = layoutId;
    if (const auto group = xkbGroupFor(layoutId, xkbConfiguredLayouts()))
        lockXkbGroup(*group);
}

QString requestedKeyboardLayout()
{
    return g_requested;
}

} // namespace platform
