#pragma once

#include <QString>

namespace platform {

/// What the system reports of the operating system's version. On a system that is not Windows
/// there is no Windows version: isWindows is false and the numbers are zero.
struct SystemVersion {
    bool isWindows = false;
    int major = 0;
    int minor = 0;
    int build = 0;
    QString name;        ///< the operating system's own name, e.g. "Debian GNU/Linux 12"
    QString servicePack; ///< empty outside Windows
};

SystemVersion systemVersion();

} // namespace platform
