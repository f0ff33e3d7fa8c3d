#pragma once

#include <QHostAddress>
#include <QList>
#include <QString>
#include <optional>

namespace platform {

/// A network interface as the machine's address is chosen from it.
struct InterfaceFacts {
    bool up = false;
    bool loopback = false;
    QList<QHostAddress> addresses;
};

/// The machine's name and addresses. The system's lookup is the one the program uses; a test
/// puts its own in its place.
class HostLookup {
public:
    virtual ~HostLookup() = default;
    /// This machine's host name; empty when the system will not tell.
    virtual QString hostName() const = 0;
    /// The addresses a host name resolves to, in the resolver's order; empty when none.
    virtual QList<QHostAddress> resolve(const QString& name) const = 0;
    /// The machine's network interfaces in the system's order.
    virtual QList<InterfaceFacts> interfaces() const = 0;
};

/// The system's lookup: Qt's host name and resolver, blocking, and its interface list.
const HostLookup& systemHostLookup();

/// The IPv4 address others reach this machine at, given what its name resolved to: the first
/// one that is not loopback. When the name resolves only to loopback addresses (as with
/// Debian's 127.0.1.1 line in /etc/hosts), the first IPv4 address of the first interface that
/// is up and not loopback, else the first IPv4 loopback address resolved. Nothing otherwise.
std::optional<QHostAddress> reachableAddress(const QList<QHostAddress>& resolved,
                                             const QList<InterfaceFacts>& interfaces);

} // namespace platform
