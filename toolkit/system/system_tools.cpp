#include "toolkit/system/system_tools.h"

#include "platform/shell.h"
#include "platform/system_version.h"
#include "toolkit/system/windows_version.h"

namespace toolkit {

QString SystemTools::GetWinVersion() const
{
    return windowsVersionCode(platform::systemVersion());
}

void SystemTools::ExecuteFile(const QString& FileName)
{
    platform::shellOpen(FileName);
}

} // namespace toolkit
