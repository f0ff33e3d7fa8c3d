// Logins to SQL Servers that are not there, on loopback only: a refused port and a server that
// accepts the connection but never answers must both end in an error, the latter after the
// login timeout, so that neither can hang the start-up. Likewise a server that logs the program
// in and then stops answering ends the statement after the statement timeout, and one that
// drops the connection ends it at once.
#include "dataaccess/base/db_error.h"
#include "dataaccess/odbc/odbc_engine.h"
#include "stand_in_server.h"

#include <QFile>
#include <QTemporaryDir>
#include <arpa/inet.h>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <ostream>
#include <sys/socket.h>
#include <unistd.h>
#include <utility>

namespace {

/// A TCP socket listening on 127.0.0.1 that never accepts: the kernel completes the handshake,
/// nothing is ever sent back.
class SilentListener {
public:
    SilentListener()
    {
        m_socket = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof(address);
        if (m_socket < 0 || bind(m_socket, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
            getsockname(m_socket, reinterpret_cast<sockaddr*>(&address), &size) != 0)
            return;
        m_port = ntohs(address.sin_port);
    }
    ~SilentListener() { close(); }
    SilentListener(const SilentListener&) = delete;
    SilentListener& operator=(const SilentListener&) = delete;

    bool listen() { return ::listen(m_socket, 4) == 0; }
    /// Gives the port up: nothing listens on it any more.
    void close()
    {
        if (m_socket >= 0)
            ::close(m_socket);
        m_socket = -1;
    }
    int port() const { return m_port; }

private:
    int m_socket = -1;
    int m_port = 0;
};

db::odbc::ServerOptions shortTimeout()
{
    db::odbc::ServerOptions options;
    options.loginTimeoutSeconds = 2;
    return options;
}

class RefusedPort : public ::testing::TestWithParam<const char*> {};

TEST_P(RefusedPort, FailsWithAnError)
{
    SilentListener unused;
    ASSERT_NE(unused.port(), 0);
    unused.close();
    const db::ConnectionSettings settings{
        QStringLiteral("%1,%2").arg(QLatin1String(GetParam())).arg(unused.port()), "master", "sa",
        "pw"};
    try {
        db::odbc::openSession(settings, shortTimeout());
        ADD_FAILURE() << "connected to a closed port";
    } catch (const db::DbError& error) {
        EXPECT_FALSE(error.message().isEmpty());
        EXPECT_TRUE(error.message().contains("FreeTDS")) << error.message().toStdString();
    }
}

// Every form naming this machine reaches the loopback address.
INSTANTIATE_TEST_SUITE_P(ThisMachine, RefusedPort,
                         ::testing::Values("127.0.0.1", "(local)", ".", "localhost"),
                         [](const auto& info) {
                             const std::string name = info.param;
                             return name == "."           ? std::string("dot")
                                    : name == "(local)"   ? std::string("local")
                                    : name == "127.0.0.1" ? std::string("loopback")
                                                          : name;
                         });

TEST(SilentServer, LoginEndsInAnErrorAfterTheTimeout)
{
    SilentListener server;
    ASSERT_NE(server.port(), 0);
    ASSERT_TRUE(server.listen());
    const db::ConnectionSettings settings{QStringLiteral("127.0.0.1,%1").arg(server.port()),
                                          "master", "sa", "pw"};
    EXPECT_THROW(db::odbc::openSession(settings, shortTimeout()), db::DbError);
}

/// Runs in a child process: points the driver manager at an odbcinst.ini holding `drivers`,
/// tries a login to a closed port and exits 0 when the failure came from FreeTDS itself, that
/// is when the driver was found and loaded; the error text goes to stderr.
[[noreturn]] void loginWithDrivers(const QByteArray& drivers)
{
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("odbcinst.ini")));
    if (!file.open(QIODevice::WriteOnly) || file.write(drivers) != drivers.size())
        std::_Exit(2);
    file.close();
    qputenv("ODBCSYSINI", QFile::encodeName(folder.path()));
    SilentListener unused;
    unused.close();
    try {
        db::odbc::openSession(
            {QStringLiteral("127.0.0.1,%1").arg(unused.port()), "master", "sa", "pw"},
            shortTimeout());
    } catch (const db::DbError& error) {
        std::fprintf(stderr, "%s\n", error.message().toUtf8().constData());
        std::fflush(stderr);
        std::_Exit(error.message().contains(QLatin1String("[FreeTDS]")) ? 0 : 1);
    }
    std::_Exit(3);
}

struct DriverConfigCase {
    const char* name;
    const char* odbcinst;
};

// Names the case in failure messages instead of dumping its bytes.
void PrintTo(const DriverConfigCase& c, std::ostream* out)
{
    *out << c.name;
}

class DriverLookup : public ::testing::TestWithParam<DriverConfigCase> {};

// Without a usable odbcinst.ini entry the driver is loaded by its library's path.
TEST_P(DriverLookup, FindsFreeTdsByItsLibraryPath)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(loginWithDrivers(GetParam().odbcinst), ::testing::ExitedWithCode(0), "FreeTDS");
}

INSTANTIATE_TEST_SUITE_P(
    Configurations, DriverLookup,
    ::testing::Values(DriverConfigCase{"noEntry", ""},
                      DriverConfigCase{"otherDriversOnly", "[SQLite3]\nDriver=libsqlite3odbc.so\n"},
                      DriverConfigCase{"entryWithMissingLibrary",
                                       "[FreeTDS]\nDriver=/nonexistent/libtdsodbc.so\n"}),
    [](const auto& info) { return std::string(info.param.name); });

/// Runs in a child process: logs in to a stand-in that behaves as `behaviour` with the given
/// statement timeout, runs one statement the stand-in answers and then the marker statement,
/// and exits 0 when the latter failed with a message holding `expected`; the message goes to
/// stderr. A statement that hangs is ended by the alarm, which fails the test.
[[noreturn]] void markerStatementAgainst(odbc_test::AfterLogin behaviour, int timeoutSeconds,
                                         const QString& expected)
{
    alarm(60);
    odbc_test::StandInServer server(behaviour);
    db::odbc::ServerOptions options = shortTimeout();
    options.statementTimeoutSeconds = timeoutSeconds;
    try {
        const auto session =
            db::odbc::openSession({server.serverSetting(), "Farm", "sa", "pw"}, options);
        session->execute(QStringLiteral("SET NOCOUNT ON"), {});
        session->execute(QStringLiteral("WAITFOR DELAY '01:00:00'"), {});
    } catch (const db::DbError& error) {
        std::fprintf(stderr, "%s\n", error.message().toUtf8().constData());
        std::fflush(stderr);
        std::_Exit(server.markerSeen() && error.message().contains(expected) ? 0 : 1);
    }
    std::_Exit(3);
}

struct UnansweredCase {
    const char* name;
    odbc_test::AfterLogin behaviour;
    int timeoutSeconds;
    const char* expected; ///< in the error message
};

// Names the case in failure messages instead of dumping its bytes.
void PrintTo(const UnansweredCase& c, std::ostream* out)
{
    *out << c.name;
}

class UnansweredStatement : public ::testing::TestWithParam<UnansweredCase> {};

TEST_P(UnansweredStatement, EndsInAnErrorInsteadOfHanging)
{
    const UnansweredCase& c = GetParam();
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(markerStatementAgainst(c.behaviour, c.timeoutSeconds, QLatin1String(c.expected)),
                ::testing::ExitedWithCode(0), c.expected);
}

// A server that stops answering costs the statement timeout and says so; one that drops the
// connection fails at once even when the statement would wait for ever.
INSTANTIATE_TEST_SUITE_P(
    Servers, UnansweredStatement,
    ::testing::Values(UnansweredCase{"silentServer", odbc_test::AfterLogin::AnswerThenSilence, 2,
                                     "did not answer within 2 seconds"},
                      UnansweredCase{"droppedConnection", odbc_test::AfterLogin::AnswerThenHangUp,
                                     0, "FreeTDS"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
