#pragma once

#include <QString>
#include <optional>

namespace platform {

/// The current user's branch of the registry: keys named by "\"-separated paths (a leading "\"
/// means the same as none; letter case does not matter), each holding text values by name, the
/// key's default value under the empty name. Failures raise RegistryError.
class UserRegistry {
public:
    virtual ~UserRegistry() = default;
    /// The text of the named value of the key; nothing when the key or the value is missing.
    virtual std::optional<QString> value(const QString& keyPath, const QString& name) const = 0;
    /// Writes the value, creating the key and the keys above it; the write is on disk when this
    /// returns.
    virtual void setValue(const QString& keyPath, const QString& name, const QString& text) = 0;
    /// Deletes the key with all its subkeys and values; a missing key is left as it is. A path
    /// naming no key (the whole branch) is refused.
    virtual void removeKey(const QString& keyPath) = 0;
};

} // namespace platform
