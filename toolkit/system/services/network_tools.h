#pragma once

#include "platform/network/host_lookup.h"

#include <QString>

namespace toolkit {

/// The machine's own host name, address and computer name.
class NetworkTools {
public:
    explicit NetworkTools(const platform::HostLookup& lookup = platform::systemHostLookup());

    /// This machine's host name into HostName and the IPv4 address others reach it at, dotted,
    /// into IPaddr (see platform::reachableAddress). IPaddr is cleared first; false when the
    /// host name is not known (HostName untouched) or resolves to no address (HostName set).
    /// WSAErr is kept for its callers: no failure here has a text for it.
    bool GetIPFromHost(QString& HostName, QString& IPaddr, QString& WSAErr);
    /// The computer name: this machine's host name.
    QString GetComputerNameX() const;

private:
    const platform::HostLookup& m_lookup;
};

} // namespace toolkit
