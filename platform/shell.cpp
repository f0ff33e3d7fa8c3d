#include "platform/shell.h"

#include <QFileInfo>
#include <QProcess>

namespace platform {

bool shellOpen(const QString& path)
{
    const QFileInfo file(path);
    if (!file.exists())
        return false;
    // A program starts in the caller's current folder, as the shell's "open" starts it.
    if (file.isFile() && file.isExecutable())
        return QProcess::startDetached(file.absoluteFilePath(), {});
    return QProcess::startDetached(QStringLiteral("xdg-open"), {file.absoluteFilePath()});
}

} // namespace platform
