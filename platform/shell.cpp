#include "platform/shell.h"

#include "platform/process_start.h"

#include <QFileInfo>

namespace platform {

bool shellOpen(const QString& path)
{
    return shellOpenWith(path, {});
}

bool shellOpenWith(const QString& path, const QStringList& arguments)
{
    const QFileInfo file(path);
    if (!file.exists())
        return false;
    // A program starts in the caller's current folder, as the shell's "open" starts it.
    if (file.isFile() && file.isExecutable())
        return startDetached(file.absoluteFilePath(), arguments);
    return startDetached(QStringLiteral("xdg-open"), {file.absoluteFilePath()});
}

} // namespace platform
