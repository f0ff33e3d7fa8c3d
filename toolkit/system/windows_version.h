#pragma once

#include "platform/system_version.h"

#include <QString>

namespace toolkit {

/// The code given for any version the table does not know.
inline const QString kUnknownWindowsVersion = QStringLiteral("000-wvUnknown");

/// The Windows version code of a system: three digits, a hyphen and a name ("510-wvWinXP").
/// Knows the Windows 95 family up to ME and the NT family up to 6.1; anything later, and any
/// system that is not Windows, gives kUnknownWindowsVersion.
QString windowsVersionCode(const platform::SystemVersion& version);

} // namespace toolkit
