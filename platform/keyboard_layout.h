#pragma once

#include <QString>

namespace platform {

/// Persian and US English keyboard layout identifiers as the system's callers name them.
inline const QString kPersianLayout = QStringLiteral("00000429");
inline const QString kEnglishLayout = QStringLiteral("00000409");

/// Records the requested layout process-wide and, where the desktop has both a Persian and a US
/// layout configured, switches to it. Never fails; never changes a setting the user did not make.
void switchKeyboardLayout(const QString& layoutId);
/// The layout last requested in this process (Persian until anything else was asked for).
QString requestedKeyboardLayout();

} // namespace platform
