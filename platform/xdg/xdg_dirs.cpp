#include "platform/xdg/xdg_dirs.h"

#include <QDir>

namespace platform::xdg {

namespace {

QString home()
{
    return QDir::homePath();
}

QString absoluteOr(const char* variable, const QString& fallback)
{
    const QString value = qEnvironmentVariable(variable);
    return QDir::isAbsolutePath(value) ? QDir::cleanPath(value) : fallback;
}

QStringList absoluteListOr(const char* variable, const QStringList& fallback)
{
    QStringList folders;
    for (const QString& folder : qEnvironmentVariable(variable).split(QLatin1Char(':')))
        if (QDir::isAbsolutePath(folder))
            folders.append(QDir::cleanPath(folder));
    return folders.isEmpty() ? fallback : folders;
}

} // namespace

QString configHome()
{
    return absoluteOr("XDG_CONFIG_HOME", home() + QStringLiteral("/.config"));
}

QStringList configDirs()
{
    return absoluteListOr("XDG_CONFIG_DIRS", {QStringLiteral("/etc/xdg")});
}

QString dataHome()
{
    return absoluteOr("XDG_DATA_HOME", home() + QStringLiteral("/.local/share"));
}

QStringList dataDirs()
{
    return absoluteListOr("XDG_DATA_DIRS",
                          {QStringLiteral("/usr/local/share"), QStringLiteral("/usr/share")});
}

QString userAutostartFolder()
{
    return configHome() + QStringLiteral("/autostart");
}

QString systemAutostartFolder()
{
    return configDirs().constFirst() + QStringLiteral("/autostart");
}

} // namespace platform::xdg
