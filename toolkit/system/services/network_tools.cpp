#include "toolkit/system/services/network_tools.h"

namespace toolkit {

NetworkTools::NetworkTools(const platform::HostLookup& lookup) : m_lookup(lookup) {}

bool NetworkTools::GetIPFromHost(QString& HostName, QString& IPaddr, QString& WSAErr)
{
    (void)WSAErr; // its texts name failures of the Windows socket library only
    IPaddr.clear();
    const QString name = m_lookup.hostName();
    if (name.isEmpty())
        return false;
    HostName = name;
    const auto address = platform::reachableAddress(m_lookup.resolve(name), m_lookup.interfaces());
    if (!address)
        return false;
    IPaddr = address->toString();
    return true;
}

QString NetworkTools::GetComputerNameX() const
{
    return m_lookup.hostName();
}

} // namespace toolkit
