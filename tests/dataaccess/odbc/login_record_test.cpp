// What FreeTDS itself makes of the connection string: a stand-in server on loopback answers
// the pre-login, reads the login record the real driver sends, and hangs up. The user name,
// password and database in that record must be exactly the settings, however hostile.
#include "dataaccess/base/db_error.h"
#include "dataaccess/odbc/odbc_engine.h"

#include <QByteArray>
#include <QString>
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <optional>
#include <ostream>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace {

/// The fields of a TDS 7 login record the test looks at.
struct LoginRecord {
    QString user;
    QString password;
    QString database;
};

/// Reads exactly `size` bytes; false when the peer closed first.
bool readFully(int socket, char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t got = ::read(socket, data, size);
        if (got <= 0)
            return false;
        data += got;
        size -= static_cast<std::size_t>(got);
    }
    return true;
}

/// One TDS packet: its type and payload (after the 8-byte header).
std::optional<std::pair<int, QByteArray>> readPacket(int socket)
{
    char header[8];
    if (!readFully(socket, header, sizeof(header)))
        return std::nullopt;
    const int length =
        (static_cast<unsigned char>(header[2]) << 8) | static_cast<unsigned char>(header[3]);
    if (length < 8)
        return std::nullopt;
    QByteArray payload(length - 8, '\0');
    if (!readFully(socket, payload.data(), static_cast<std::size_t>(payload.size())))
        return std::nullopt;
    return std::make_pair(static_cast<unsigned char>(header[0]), payload);
}

/// The pre-login answer of a server that offers no encryption: a VERSION and an ENCRYPTION
/// option (ENCRYPT_NOT_SUP), then the terminator.
QByteArray preLoginAnswer()
{
    const QByteArray payload = QByteArray::fromHex("00000b0006"   // VERSION at 11, 6 bytes
                                                   "0100110001"   // ENCRYPTION at 17, 1 byte
                                                   "ff"           // end of options
                                                   "0f0007d00000" // 15.0.2000
                                                   "02");         // ENCRYPT_NOT_SUP
    QByteArray packet = QByteArray::fromHex("0401");              // tabular result, end of message
    const int length = 8 + static_cast<int>(payload.size());
    packet.append(static_cast<char>(length >> 8)).append(static_cast<char>(length & 0xff));
    packet.append(QByteArray::fromHex("00000100"));
    return packet + payload;
}

quint16 word(const QByteArray& data, int at)
{
    return static_cast<quint16>(static_cast<unsigned char>(data[at]) |
                                (static_cast<unsigned char>(data[at + 1]) << 8));
}

/// The UTF-16 text a login record names by its offset and length (in characters) at `at`.
QString field(const QByteArray& login, int at, bool scrambled)
{
    const int offset = word(login, at);
    const int characters = word(login, at + 2);
    QByteArray bytes = login.mid(offset, characters * 2);
    if (scrambled) {
        // Each password byte is stored with its nibbles swapped and XOR-ed with 0xA5.
        for (char& b : bytes) {
            const auto x = static_cast<unsigned char>(static_cast<unsigned char>(b) ^ 0xA5);
            b = static_cast<char>(((x << 4) | (x >> 4)) & 0xFF);
        }
    }
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData()), characters);
}

/// Listens on 127.0.0.1, takes one login and hangs up.
class StandInServer {
public:
    StandInServer()
    {
        m_listener = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof(address);
        if (m_listener < 0 || bind(m_listener, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
            getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &size) != 0 ||
            listen(m_listener, 1) != 0)
            return;
        m_port = ntohs(address.sin_port);
        m_thread = std::thread([this] { serve(); });
    }
    ~StandInServer()
    {
        ::shutdown(m_listener, SHUT_RDWR);
        if (m_thread.joinable())
            m_thread.join();
        ::close(m_listener);
    }
    StandInServer(const StandInServer&) = delete;
    StandInServer& operator=(const StandInServer&) = delete;

    int port() const { return m_port; }
    /// The login record received; valid once the client's attempt has ended.
    std::optional<LoginRecord> login()
    {
        if (m_thread.joinable())
            m_thread.join();
        return m_login;
    }

private:
    void serve()
    {
        const int client = accept(m_listener, nullptr, nullptr);
        if (client < 0)
            return;
        for (;;) {
            const auto packet = readPacket(client);
            if (!packet)
                break;
            if (packet->first == 0x12) { // pre-login
                const QByteArray answer = preLoginAnswer();
                if (::write(client, answer.constData(), static_cast<std::size_t>(answer.size())) !=
                    answer.size())
                    break;
            } else if (packet->first == 0x10) { // login record
                const QByteArray& record = packet->second;
                m_login = LoginRecord{field(record, 40, false), field(record, 44, true),
                                      field(record, 68, false)};
                break;
            }
        }
        ::close(client);
    }

    int m_listener = -1;
    int m_port = 0;
    std::thread m_thread;
    std::optional<LoginRecord> m_login;
};

struct LoginCase {
    const char* name;
    QString server; ///< "%1" stands for the stand-in server's port
    QString user, password, database;
};

// Names the case in failure messages instead of dumping its bytes.
void PrintTo(const LoginCase& c, std::ostream* out)
{
    *out << c.name;
}

class LoginRecordOf : public ::testing::TestWithParam<LoginCase> {};

TEST_P(LoginRecordOf, CarriesTheSettingsUnchanged)
{
    const LoginCase& c = GetParam();
    StandInServer server;
    ASSERT_NE(server.port(), 0);
    db::odbc::ServerOptions options;
    options.loginTimeoutSeconds = 5;
    const db::ConnectionSettings settings{c.server.arg(server.port()), c.database, c.user,
                                          c.password};
    try {
        db::odbc::openSession(settings, options);
        ADD_FAILURE() << "the stand-in server accepted no login";
    } catch (const db::DbError&) {
        // The stand-in hangs up after the login record.
    }
    const std::optional<LoginRecord> login = server.login();
    ASSERT_TRUE(login.has_value()) << "no login record reached the server";
    EXPECT_EQ(login->user, c.user);
    EXPECT_EQ(login->password, c.password);
    EXPECT_EQ(login->database, c.database);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, LoginRecordOf,
    ::testing::Values(LoginCase{"plain", "127.0.0.1,%1", "sa", "secret", "Farm"},
                      LoginCase{"persian", "127.0.0.1,%1", QStringLiteral("كاربر"),
                                QStringLiteral("رمز۱۲۳"), QStringLiteral("دامداري")},
                      LoginCase{"semicolonsBracesEquals", "127.0.0.1,%1", "sa", "p;w{d=;x", "Farm"},
                      LoginCase{"closingBraceAlone", "127.0.0.1,%1", "sa", "p}w=d{", "Farm"},
                      LoginCase{"leadingBrace", "127.0.0.1,%1", "sa", "{pw", "Farm"},
                      LoginCase{"keyLookalikes", "127.0.0.1,%1", "UID=x", "PWD=y;DATABASE=z",
                                "DRIVER=w"},
                      LoginCase{"blanksAtTheEnds", "127.0.0.1,%1", " sa ", "  pw  ", "Farm"},
                      LoginCase{"localName", "(local),%1", "sa", "pw", "Farm"},
                      LoginCase{"dotName", ".,%1", "sa", "pw", "Farm"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
