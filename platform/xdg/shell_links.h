#pragma once

#include <QString>

namespace platform {

/// Shortcut files: links that start a program and Internet shortcuts. A file that cannot be
/// written raises Error.
class ShellLinks {
public:
    virtual ~ShellLinks() = default;
    /// Writes the link file linkPath (the name as given, nothing added) that starts target with
    /// the arguments (a command-line text) in the working folder, minimised where the desktop can.
    virtual void createLink(const QString& target, const QString& arguments, const QString& workDir,
                            const QString& linkPath) = 0;
    /// Sets URL in the section InternetShortcut of the file, keeping every other line of it.
    virtual void createInternetShortcut(const QString& fileName, const QString& url) = 0;
};

} // namespace platform
