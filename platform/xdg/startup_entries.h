#pragma once

#include <QString>
#include <optional>
#include <vector>

namespace platform {

/// One machine-wide start-up entry: its title and the command it runs, written as the registry
/// holds it (a program path in double quotes, then its arguments).
struct StartupEntry {
    QString title;
    QString command;
    bool operator==(const StartupEntry&) const = default;
};

/// The machine-wide list of programs started when a user logs in. Listing only reads; adding
/// needs write rights. Failures to read or write an entry raise RegistryError.
class StartupEntries {
public:
    virtual ~StartupEntries() = default;
    /// The entries in the order the store gives them; nothing when the store does not exist.
    virtual std::optional<std::vector<StartupEntry>> list() const = 0;
    /// Adds the entry that starts the program (no arguments) under the title, replacing an entry
    /// of the same title (letter case aside). False, with nothing written, when the store does
    /// not exist; the store is never created.
    virtual bool add(const QString& title, const QString& programPath) = 0;
};

} // namespace platform
