#pragma once

#include <QIcon>
#include <QString>
#include <QStringList>
#include <cstdint>

namespace toolkit {

/// The desktop around the program: windows of running programs, the window title list, file
/// icons, the wallpaper and the tray icon's handlers.
class DesktopServiceTools {
public:
    /// The top-level window of the running program whose executable is named FileName (with
    /// its extension, without folder; letter case ignored): the last of its windows in the
    /// window manager's list. 0 when none, and always without X.
    std::uint32_t GetFileHandle(const QString& FileName) const;
    /// A window enumeration callback: adds the title of the window Wnd to CTILIst when it is
    /// shown as an application window (see windowTitleLine). lParam is not used. Always true,
    /// so that the enumeration goes on.
    bool EnumWindowsProc(std::uint32_t Wnd, std::int32_t lParam);
    /// The window titles EnumWindowsProc collected, one a line.
    QStringList& CTILIst() { return m_titles; }
    /// The icon of the file's type from the desktop's icon theme; null when it has none.
    QIcon ExportIcon(const QString& St) const;
    /// Sets the desktop wallpaper to the picture where the desktop has a setting for it (see
    /// platform::setWallpaper); elsewhere nothing happens. A failure is ignored.
    void ChangeWallpaper(const QString& bitmap);
    /// Handler of the tray icon's menu: does nothing.
    void CTIPopupPopup() {}
    /// Handler of a double click on the tray icon: does nothing.
    void CTrayIDblClick() {}

private:
    QStringList m_titles;
};

} // namespace toolkit
