#pragma once

#include <QString>

namespace platform {

/// What the system reports of the operating system's version. On a system that is not Windows
/// there is no Windows version: isWindows is false and the numbers are zero.
struct SystemVersion {
    bool isWindows = false;
    int platformId = 0; ///< Windows platform: 1 for the Windows 95 family, 2 for the NT family
    int major = 0;
    int minor = 0;
    int build = 0;
    QString name;        ///< the operating system's own name, e.g. "Debian GNU/Linux 12"
    QString servicePack; ///< empty outside Windows
    QString productType; ///< NT product type ("WINNT", "LANMANNT", "SERVERNT"); empty if unknown
};

/// The running system's version; outside Windows only its name is known.
SystemVersion systemVersion();

} // namespace platform
