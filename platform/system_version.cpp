#include "platform/system_version.h"

#include <QSysInfo>

namespace platform {

SystemVersion systemVersion()
{
    SystemVersion version;
    version.name = QSysInfo::prettyProductName();
    return version;
}

} // namespace platform
