#include "platform/wallpaper.h"

#include "platform/process_start.h"

#include <QFileInfo>
#include <QUrl>

namespace platform {

namespace {

constexpr int kSettingTimeoutMs = 10000; // the settings tools talk to the session bus

enum class Desktop { Other, Gnome, Cinnamon, Mate, Xfce };

/// The first desktop of XDG_CURRENT_DESKTOP ("ubuntu:GNOME") whose setting is known.
Desktop currentDesktop()
{
    const QStringList names = qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(QLatin1Char(':'));
    for (const QString& name : names) {
        const QString n = name.trimmed().toLower();
        if (n == QLatin1String("gnome") || n == QLatin1String("unity") ||
            n == QLatin1String("budgie") || n == QLatin1String("pantheon"))
            return Desktop::Gnome;
        if (n == QLatin1String("x-cinnamon") || n == QLatin1String("cinnamon"))
            return Desktop::Cinnamon;
        if (n == QLatin1String("mate"))
            return Desktop::Mate;
        if (n == QLatin1String("xfce"))
            return Desktop::Xfce;
    }
    return Desktop::Other;
}

/// A text as a GVariant string literal, which gsettings parses: no character of it is read as
/// anything but text.
QString gvariantString(QString text)
{
    text.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    text.replace(QLatin1Char('\''), QLatin1String("\\'"));
    return QLatin1Char('\'') + text + QLatin1Char('\'');
}

bool gsettingsSet(const QString& schema, const QString& key, const QString& text)
{
    return runForOutput(QStringLiteral("gsettings"),
                        {QStringLiteral("set"), schema, key, gvariantString(text)},
                        kSettingTimeoutMs)
        .has_value();
}

/// Xfce keeps one picture per monitor and workspace: every ".../last-image" property is set.
bool setXfceWallpaper(const QString& file)
{
    const QString channel = QStringLiteral("xfce4-desktop");
    const auto listing =
        runForOutput(QStringLiteral("xfconf-query"),
                     {QStringLiteral("-c"), channel, QStringLiteral("-l")}, kSettingTimeoutMs);
    if (!listing)
        return false;
    bool set = false;
    for (const QByteArray& line : listing->split('\n')) {
        const QString property = QString::fromUtf8(line).trimmed();
        if (!property.startsWith(QLatin1String("/backdrop/")) ||
            !property.endsWith(QLatin1String("/last-image")))
            continue;
        set = runForOutput(QStringLiteral("xfconf-query"),
                           {QStringLiteral("-c"), channel, QStringLiteral("-p"), property,
                            QStringLiteral("-s"), file},
                           kSettingTimeoutMs)
                  .has_value() ||
              set;
    }
    return set;
}

} // namespace

bool setWallpaper(const QString& picture)
{
    if (picture.isEmpty())
        return false;
    const QString file = QFileInfo(picture).absoluteFilePath(); // never taken for an option
    const QString uri = QUrl::fromLocalFile(file).toString(QUrl::FullyEncoded);
    switch (currentDesktop()) {
    case Desktop::Gnome: {
        const QString schema = QStringLiteral("org.gnome.desktop.background");
        const bool light = gsettingsSet(schema, QStringLiteral("picture-uri"), uri);
        // GNOME 42 and later show this one under a dark style; older schemas lack the key.
        gsettingsSet(schema, QStringLiteral("picture-uri-dark"), uri);
        return light;
    }
    case Desktop::Cinnamon:
        return gsettingsSet(QStringLiteral("org.cinnamon.desktop.background"),
                            QStringLiteral("picture-uri"), uri);
    case Desktop::Mate:
        return gsettingsSet(QStringLiteral("org.mate.background"),
                            QStringLiteral("picture-filename"), file);
    case Desktop::Xfce:
        return setXfceWallpaper(file);
    case Desktop::Other:
        break;
    }
    return false;
}

} // namespace platform
