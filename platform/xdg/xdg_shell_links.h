#pragma once

#include "platform/xdg/shell_links.h"

#include <QByteArray>

namespace platform {

/// Links as desktop entry files: a target with a URL scheme ("https://…") gives a Link entry
/// with that URL, any other target an Application entry whose Exec line is the target (quoted)
/// and the arguments, split as a shell would, with Path the working folder. The file is UTF-8
/// with LF and executable by its owner, as desktops ask of a launcher they are to trust. The
/// desktop has no "start minimised"; the entry's Name is the link's file name without its
/// extension. Internet shortcuts are INI files written in place (see internetShortcutBytes).
class XdgShellLinks final : public ShellLinks {
public:
    void createLink(const QString& target, const QString& arguments, const QString& workDir,
                    const QString& linkPath) override;
    void createInternetShortcut(const QString& fileName, const QString& url) override;
};

/// The bytes of an Internet shortcut file after setting URL: the file's other lines are kept
/// byte for byte. The first URL key of the first [InternetShortcut] section (names without
/// regard to letter case) gets the new value; without one the key is added at the end of that
/// section, and without the section the section is added at the end (in CR LF). A changed or
/// added line ends as the line it replaces or its section's line does; the URL is written as
/// UTF-8 and the result ends with a line break.
QByteArray internetShortcutBytes(const QByteArray& existing, const QString& url);

} // namespace platform
