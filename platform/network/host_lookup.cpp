#include "platform/network/host_lookup.h"

#include <QHostInfo>
#include <QNetworkInterface>
#include <algorithm>

namespace platform {

namespace {

class SystemHostLookup final : public HostLookup {
public:
    QString hostName() const override { return QHostInfo::localHostName(); }

    QList<QHostAddress> resolve(const QString& name) const override
    {
        const QHostInfo info = QHostInfo::fromName(name);
        return info.error() == QHostInfo::NoError ? info.addresses() : QList<QHostAddress>{};
    }

    QList<InterfaceFacts> interfaces() const override
    {
        QList<InterfaceFacts> facts;
        for (const QNetworkInterface& i : QNetworkInterface::allInterfaces()) {
            InterfaceFacts f;
            f.up = i.flags().testFlag(QNetworkInterface::IsUp);
            f.loopback = i.flags().testFlag(QNetworkInterface::IsLoopBack);
            for (const QNetworkAddressEntry& entry : i.addressEntries())
                f.addresses << entry.ip();
            facts << f;
        }
        return facts;
    }
};

bool isIpv4(const QHostAddress& address)
{
    return address.protocol() == QAbstractSocket::IPv4Protocol;
}

std::optional<QHostAddress> firstIpv4(const QList<QHostAddress>& addresses, bool loopback)
{
    for (const QHostAddress& address : addresses)
        if (isIpv4(address) && address.isLoopback() == loopback)
            return address;
    return std::nullopt;
}

} // namespace

const HostLookup& systemHostLookup()
{
    static const SystemHostLookup lookup;
    return lookup;
}

std::optional<QHostAddress> reachableAddress(const QList<QHostAddress>& resolved,
                                             const QList<InterfaceFacts>& interfaces)
{
    if (const auto address = firstIpv4(resolved, false))
        return address;
    const bool onlyLoopback =
        !resolved.isEmpty() && std::all_of(resolved.begin(), resolved.end(),
                                           [](const QHostAddress& a) { return a.isLoopback(); });
    if (!onlyLoopback)
        return std::nullopt; // a name with IPv6 addresses only
    for (const InterfaceFacts& i : interfaces) {
        if (!i.up || i.loopback)
            continue;
        if (const auto address = firstIpv4(i.addresses, false))
            return address;
    }
    return firstIpv4(resolved, true);
}

} // namespace platform
