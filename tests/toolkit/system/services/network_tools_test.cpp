#include "toolkit/system/services/network_tools.h"

#include <gtest/gtest.h>

namespace {

/// A machine described by hand: its name, what the name resolves to, its interfaces.
class FakeHost final : public platform::HostLookup {
public:
    QString name;
    QList<QHostAddress> addresses;
    QList<platform::InterfaceFacts> machineInterfaces;

    QString hostName() const override { return name; }
    QList<QHostAddress> resolve(const QString& asked) const override
    {
        return asked == name ? addresses : QList<QHostAddress>{};
    }
    QList<platform::InterfaceFacts> interfaces() const override { return machineInterfaces; }
};

QList<QHostAddress> addresses(std::initializer_list<const char*> texts)
{
    QList<QHostAddress> list;
    for (const char* t : texts)
        list << QHostAddress(QString::fromLatin1(t));
    return list;
}

platform::InterfaceFacts interface(bool up, bool loopback, std::initializer_list<const char*> ips)
{
    return {up, loopback, addresses(ips)};
}

/// lo, a cable that is down, a wireless link up with an IPv6 link address before its IPv4 one.
QList<platform::InterfaceFacts> typicalInterfaces()
{
    return {interface(true, true, {"127.0.0.1", "::1"}), interface(false, false, {"10.0.0.9"}),
            interface(true, false, {"fe80::1", "192.168.2.7"}),
            interface(true, false, {"172.16.0.3"})};
}

struct AddressCase {
    const char* name;
    QList<QHostAddress> resolved;
    QList<platform::InterfaceFacts> interfaces;
    bool found;
    const char* address;
};

/// The case's name, in test listings.
void PrintTo(const AddressCase& c, std::ostream* os)
{
    *os << c.name;
}

class GetIPFromHostTest : public ::testing::TestWithParam<AddressCase> {};

TEST_P(GetIPFromHostTest, AnswersTheAddressOthersReachTheMachineAt)
{
    const AddressCase& c = GetParam();
    FakeHost host;
    host.name = QStringLiteral("barn-pc");
    host.addresses = c.resolved;
    host.machineInterfaces = c.interfaces;
    toolkit::NetworkTools tools(host);

    QString hostName;
    QString ip = QStringLiteral("stale");
    QString error = QStringLiteral("untouched");
    EXPECT_EQ(tools.GetIPFromHost(hostName, ip, error), c.found);
    EXPECT_EQ(hostName, "barn-pc"); // set once the name is known, found or not
    EXPECT_EQ(ip, QString::fromLatin1(c.address));
    EXPECT_EQ(error, "untouched");
}

INSTANTIATE_TEST_SUITE_P(
    Machines, GetIPFromHostTest,
    ::testing::Values(
        AddressCase{"oneAddress", addresses({"192.168.1.5"}), typicalInterfaces(), true,
                    "192.168.1.5"},
        AddressCase{"debianLoopbackLine", addresses({"127.0.1.1"}), typicalInterfaces(), true,
                    "192.168.2.7"},
        AddressCase{"loopbackOfBothFamilies", addresses({"::1", "127.0.1.1"}), typicalInterfaces(),
                    true, "192.168.2.7"},
        AddressCase{"loopbackWithoutNetwork",
                    addresses({"127.0.1.1"}),
                    {interface(true, true, {"127.0.0.1"}), interface(false, false, {"10.0.0.9"})},
                    true,
                    "127.0.1.1"},
        AddressCase{"loopbackBeforeARealAddress", addresses({"127.0.1.1", "10.1.1.1"}),
                    typicalInterfaces(), true, "10.1.1.1"},
        AddressCase{"ipv6First", addresses({"2001:db8::5", "192.168.1.5"}), typicalInterfaces(),
                    true, "192.168.1.5"},
        AddressCase{"ipv6Only", addresses({"2001:db8::5"}), typicalInterfaces(), false, ""},
        AddressCase{"unresolved", {}, typicalInterfaces(), false, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GetIPFromHost, WithoutAHostNameNothingIsFoundOrChanged)
{
    FakeHost host; // a system that will not tell its name
    host.addresses = addresses({"192.168.1.5"});
    toolkit::NetworkTools tools(host);
    QString hostName = QStringLiteral("kept");
    QString ip = QStringLiteral("stale");
    QString error = QStringLiteral("untouched");
    EXPECT_FALSE(tools.GetIPFromHost(hostName, ip, error));
    EXPECT_EQ(hostName, "kept");
    EXPECT_TRUE(ip.isEmpty());
    EXPECT_EQ(error, "untouched");
}

TEST(GetComputerNameX, IsTheHostName)
{
    FakeHost host;
    host.name = QStringLiteral("barn-pc");
    EXPECT_EQ(toolkit::NetworkTools(host).GetComputerNameX(), "barn-pc");
}

TEST(GetComputerNameX, OnThisMachineIsItsHostName)
{
    // The system lookup asks nothing of the network for the name.
    EXPECT_EQ(toolkit::NetworkTools().GetComputerNameX(), QSysInfo::machineHostName());
}

} // namespace
