#pragma once

#include <QRect>

namespace platform {

/// The desktop work area: the primary screen's area not covered by panels and task bars.
QRect desktopWorkArea();

} // namespace platform
