#include "platform/xdg/xdg_user_registry.h"

#include "platform/xdg/registry_error.h"
#include "platform/xdg/xdg_dirs.h"

#include <QSettings>
#include <QStandardPaths>

namespace platform {

namespace {

/// The key whose "Desktop" and "Startup" values the desktop answers.
const QStringList kShellFoldersKey = {QStringLiteral("Software"), QStringLiteral("Microsoft"),
                                      QStringLiteral("Windows"),  QStringLiteral("CurrentVersion"),
                                      QStringLiteral("Explorer"), QStringLiteral("Shell Folders")};
/// The INI key that stands for a key's default value.
const QString kDefaultValueKey = QStringLiteral("@");

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

/// The names of the keys on the path; nothing when one holds a "/", which no stored key can.
std::optional<QStringList> keyNames(const QString& keyPath)
{
    const QStringList names = keyPath.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    for (const QString& name : names)
        if (name.contains(QLatin1Char('/')))
            return std::nullopt;
    return names;
}

/// The INI key of a value name; nothing when it holds "/" or "\", which no stored value can.
std::optional<QString> storedValueName(const QString& name)
{
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return std::nullopt;
    if (name.isEmpty())
        return kDefaultValueKey;
    return name.startsWith(kDefaultValueKey) ? kDefaultValueKey + name : name;
}

bool isShellFoldersKey(const QStringList& names)
{
    if (names.size() != kShellFoldersKey.size())
        return false;
    for (qsizetype i = 0; i < names.size(); ++i)
        if (!sameName(names.at(i), kShellFoldersKey.at(i)))
            return false;
    return true;
}

std::optional<QString> desktopAnswer(const QStringList& names, const QString& valueName)
{
    if (!isShellFoldersKey(names))
        return std::nullopt;
    if (sameName(valueName, QStringLiteral("Desktop")))
        return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (sameName(valueName, QStringLiteral("Startup")))
        return xdg::userAutostartFolder();
    return std::nullopt;
}

QStringList childrenOf(QSettings& settings, const QString& group, bool keys)
{
    if (!group.isEmpty())
        settings.beginGroup(group);
    const QStringList children = keys ? settings.childKeys() : settings.childGroups();
    if (!group.isEmpty())
        settings.endGroup();
    return children;
}

QString matching(const QStringList& candidates, const QString& name)
{
    for (const QString& candidate : candidates)
        if (sameName(candidate, name))
            return candidate;
    return QString();
}

/// The group path of a key as the file spells it. A name the file lacks keeps its own case,
/// and then the key does not exist (yet).
struct ResolvedKey {
    QString group;
    bool exists = true;
};

ResolvedKey resolve(QSettings& settings, const QStringList& names)
{
    ResolvedKey key;
    for (const QString& name : names) {
        QString spelled =
            key.exists ? matching(childrenOf(settings, key.group, false), name) : QString();
        if (spelled.isEmpty()) {
            key.exists = false;
            spelled = name;
        }
        key.group = key.group.isEmpty() ? spelled : key.group + QLatin1Char('/') + spelled;
    }
    return key;
}

QString settingsKey(const QString& group, const QString& key)
{
    return group.isEmpty() ? key : group + QLatin1Char('/') + key;
}

void flush(QSettings& settings, const QString& what)
{
    settings.sync();
    if (settings.status() != QSettings::NoError)
        throw RegistryError(QStringLiteral("Registry key '%1' could not be written").arg(what));
}

} // namespace

XdgUserRegistry::XdgUserRegistry(QString storePath) : m_storePath(std::move(storePath)) {}

QString XdgUserRegistry::storePath() const
{
    return m_storePath.isEmpty()
               ? xdg::configHome() + QStringLiteral("/farm-toolkit/user-registry.ini")
               : m_storePath;
}

std::optional<QString> XdgUserRegistry::value(const QString& keyPath, const QString& name) const
{
    const auto names = keyNames(keyPath);
    const auto stored = storedValueName(name);
    if (!names || !stored)
        return std::nullopt;
    if (auto answer = desktopAnswer(*names, name))
        return answer;
    QSettings settings(storePath(), QSettings::IniFormat);
    const ResolvedKey key = resolve(settings, *names);
    if (!key.exists)
        return std::nullopt;
    const QString spelled = matching(childrenOf(settings, key.group, true), *stored);
    if (spelled.isEmpty())
        return std::nullopt;
    const QVariant data = settings.value(settingsKey(key.group, spelled));
    if (data.typeId() != QMetaType::QString)
        throw RegistryError(QStringLiteral("Registry value '%1' is not text").arg(name));
    return data.toString();
}

void XdgUserRegistry::setValue(const QString& keyPath, const QString& name, const QString& text)
{
    const auto names = keyNames(keyPath);
    const auto stored = storedValueName(name);
    if (!names || !stored)
        throw RegistryError(
            QStringLiteral("Registry value '%1' of '%2' cannot be stored").arg(name, keyPath));
    QSettings settings(storePath(), QSettings::IniFormat);
    const ResolvedKey key = resolve(settings, *names);
    const QString spelled =
        key.exists ? matching(childrenOf(settings, key.group, true), *stored) : QString();
    settings.setValue(settingsKey(key.group, spelled.isEmpty() ? *stored : spelled), text);
    flush(settings, keyPath);
}

void XdgUserRegistry::removeKey(const QString& keyPath)
{
    if (keyPath.split(QLatin1Char('\\'), Qt::SkipEmptyParts).isEmpty())
        throw RegistryError(
            QStringLiteral("Registry key '%1' names the whole branch").arg(keyPath));
    const auto names = keyNames(keyPath);
    if (!names)
        return; // no stored key has such a name
    QSettings settings(storePath(), QSettings::IniFormat);
    const ResolvedKey key = resolve(settings, *names);
    if (!key.exists)
        return;
    settings.remove(key.group);
    flush(settings, keyPath);
}

} // namespace platform
