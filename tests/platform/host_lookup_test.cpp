#include "platform/network/host_lookup.h"

#include <QSysInfo>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

// The system lookup on this machine, asked nothing that needs the network.

TEST(SystemHostLookup, TellsThisMachinesNameAndResolvesLocalhostToLoopback)
{
    const platform::HostLookup& lookup = platform::systemHostLookup();
    EXPECT_EQ(lookup.hostName(), QSysInfo::machineHostName());
    const QList<QHostAddress> localhost = lookup.resolve(QStringLiteral("localhost"));
    ASSERT_FALSE(localhost.isEmpty());
    for (const QHostAddress& address : localhost)
        EXPECT_TRUE(address.isLoopback()) << address.toString().toStdString();
}

TEST(SystemHostLookup, ListsTheLoopbackInterfaceAsUp)
{
    const QList<platform::InterfaceFacts> interfaces = platform::systemHostLookup().interfaces();
    EXPECT_TRUE(std::any_of(interfaces.begin(), interfaces.end(), [](const auto& i) {
        return i.up && i.loopback && i.addresses.contains(QHostAddress(QHostAddress::LocalHost));
    }));
}

} // namespace
