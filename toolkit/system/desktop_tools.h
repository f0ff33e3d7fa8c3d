#pragma once

#include "platform/xdg/desktop_services.h"
#include "toolkit/base/tools_state.h"

#include <QString>

namespace toolkit {

class MessageBoard;
class MessageBoxes;

/// The toolkit's registry and shell services: text values under the current user's branch, the
/// desktop and start-up folders, the machine-wide start-up entries, links, Internet shortcuts
/// and file associations. Each stands on a desktop service (platform/xdg); failures travel as
/// platform::RegistryError or platform::Error unless an operation says otherwise.
class DesktopTools {
public:
    DesktopTools(const VersionCode& version, MessageBoxes& boxes, MessageBoard& board,
                 platform::DesktopServices services = platform::xdgDesktopServices());

    /// The value Item of the subkey Section of Key (Section empty: of Key itself); DefValue when
    /// either is missing.
    QString ReadRegistery(const QString& Key, const QString& Section, const QString& Item,
                          const QString& DefValue);
    /// Writes the value Item directly under Key, creating Key when missing.
    void WriteRegistery(const QString& Key, const QString& Item, const QString& Value);
    /// Deletes Key with its subkeys and values. A blank Key, which would name the whole branch,
    /// is refused with a registry error.
    void ClearRegistery(const QString& Key);
    /// The user's desktop folder; empty when unknown.
    QString DeskTopPath();
    /// The user's start-up folder followed by the separator ("/" alone when unknown).
    QString StartupPath();
    /// Lists the machine-wide start-up entries on the message board.
    void ShowStartupProgram();
    /// True when a machine-wide start-up entry runs exactly the quoted, trimmed NameAndPath.
    bool IsThisProgramInStartUp(const QString& NameAndPath);
    /// Adds (or replaces) the machine-wide start-up entry ProgTitle that runs ProgNameAndPath;
    /// nothing happens when there is no machine-wide store.
    void AddToStartupProgram(const QString& ProgTitle, const QString& ProgNameAndPath);
    /// Writes the link ShortCutName (full path, nothing added) to Target with Args in WorkDir;
    /// raises platform::Error when it cannot be written.
    void CreateLink(const QString& Target, const QString& Args, const QString& WorkDir,
                    const QString& ShortCutName);
    /// Sets URL=LocationURL in the section InternetShortcut of FileName, keeping the rest.
    void CreateInternetShortcut(const QString& FileName, const QString& LocationURL);
    /// The open command of the extension's file type, or empty.
    QString GetFileAssociate(const QString& Ext);
    /// Registers Ext (with its dot) as the file type FileType, handled by this program. Machine
    /// wide when WinVer is "510", for the user above it, and below it only the message
    /// "عدم ثبت پسوندها". Errors of the machine branch reach the caller; the user branch ends
    /// silently at its first error, except for a refused name.
    void SetFileAssociate(const QString& Ext, const QString& FileType);

private:
    const VersionCode& m_version;
    MessageBoxes& m_boxes;
    MessageBoard& m_board;
    platform::DesktopServices m_services;
};

} // namespace toolkit
