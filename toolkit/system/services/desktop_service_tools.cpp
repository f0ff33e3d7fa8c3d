#include "toolkit/system/services/desktop_service_tools.h"

#include "platform/gui/file_icons.h"
#include "platform/running_programs.h"
#include "platform/wallpaper.h"
#include "platform/x_windows.h"
#include "toolkit/system/services/window_lookup.h"

namespace toolkit {

std::uint32_t DesktopServiceTools::GetFileHandle(const QString& FileName) const
{
    return programWindow(FileName, platform::runningPrograms(), platform::clientWindows());
}

bool DesktopServiceTools::EnumWindowsProc(std::uint32_t Wnd, std::int32_t lParam)
{
    (void)lParam;
    if (const auto facts = platform::windowFacts(Wnd))
        if (const auto line = windowTitleLine(*facts))
            m_titles << *line;
    return true;
}

QIcon DesktopServiceTools::ExportIcon(const QString& St) const
{
    return platform::fileTypeIcon(St);
}

void DesktopServiceTools::ChangeWallpaper(const QString& bitmap)
{
    platform::setWallpaper(bitmap);
}

} // namespace toolkit
