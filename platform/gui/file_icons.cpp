#include "platform/gui/file_icons.h"

#include <QMimeDatabase>
#include <QStandardPaths>

namespace platform {

namespace {

/// A desktop names its icon theme through Qt's platform theme. Without one (the offscreen
/// platform, a bare X session) the freedesktop icon folders and Debian's default theme,
/// Adwaita, are used.
void ensureIconTheme()
{
    if (!QIcon::themeName().isEmpty())
        return;
    QStringList paths = QIcon::themeSearchPaths();
    const QStringList folders =
        QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, QStringLiteral("icons"),
                                  QStandardPaths::LocateDirectory);
    for (const QString& folder : folders)
        if (!paths.contains(folder))
            paths << folder;
    QIcon::setThemeSearchPaths(paths);
    QIcon::setThemeName(QStringLiteral("Adwaita"));
}

} // namespace

QIcon fileTypeIcon(const QString& path)
{
    ensureIconTheme();
    const QMimeType type = QMimeDatabase().mimeTypeForFile(path);
    for (const QString& name :
         {type.iconName(), type.genericIconName(), QStringLiteral("text-x-generic")}) {
        const QIcon icon = QIcon::fromTheme(name);
        if (!icon.isNull())
            return icon;
    }
    return {};
}

} // namespace platform
