#pragma once

#include "platform/xdg/user_registry.h"

#include <QStringList>

namespace platform {

/// The user's registry as an INI file under the XDG config folder (by default
/// $XDG_CONFIG_HOME/farm-toolkit/user-registry.ini), read and written through QSettings: a key is
/// an INI group, a value a key of its group, the default value the key "@" (a value whose own
/// name starts with "@" is stored with one more "@"). Key and value names are matched without
/// regard to letter case; a new one keeps the case it was written with. A key name holding "/",
/// or a value name holding "/" or "\", cannot be stored: writing it raises RegistryError, and it
/// is never found. Keys exist while they hold values: a key left empty is not kept.
///
/// Two values are answered by the desktop rather than the file: "Desktop" and "Startup" of
/// "Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders" are the XDG desktop folder
/// (user-dirs.dirs) and the user's XDG autostart folder.
class XdgUserRegistry final : public UserRegistry {
public:
    /// storePath empty: the file is found from the XDG config folder at each call.
    explicit XdgUserRegistry(QString storePath = QString());

    std::optional<QString> value(const QString& keyPath, const QString& name) const override;
    void setValue(const QString& keyPath, const QString& name, const QString& text) override;
    void removeKey(const QString& keyPath) override;

    /// The INI file the values are kept in.
    QString storePath() const;

private:
    QString m_storePath;
};

} // namespace platform
