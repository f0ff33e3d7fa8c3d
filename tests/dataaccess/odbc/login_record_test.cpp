// What FreeTDS itself makes of the connection string: a stand-in server on loopback answers
// the pre-login, reads the login record the real driver sends, and hangs up. The user name,
// password and database in that record must be exactly the settings, however hostile.
#include "dataaccess/base/db_error.h"
#include "dataaccess/odbc/driver_catalog.h"
#include "dataaccess/odbc/odbc_engine.h"
#include "stand_in_server.h"

#include <QString>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>

namespace {

using odbc_test::LoginRecord;
using odbc_test::StandInServer;

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
                      LoginCase{"dotName", ".,%1", "sa", "pw", "Farm"},
                      LoginCase{"longestValues", "127.0.0.1,%1", QString(128, u'u'),
                                QString(128, u'p'), QString(128, u'd')}),
    [](const auto& info) { return std::string(info.param.name); });

struct TooLongCase {
    const char* name;
    QString user, password, database;
    const char* named; ///< the setting the error must name
};

// Names the case in failure messages instead of dumping its bytes.
void PrintTo(const TooLongCase& c, std::ostream* out)
{
    *out << c.name;
}

class TooLongSetting : public ::testing::TestWithParam<TooLongCase> {};

// A value no SQL Server takes is refused before anything is sent. A password of 65,475
// characters once wrapped the connection string's 16-bit count to 70: the driver got the string
// cut after "UID=sa;" and logged in with an empty password.
TEST_P(TooLongSetting, IsRefusedByNameAndNothingReachesTheServer)
{
    const TooLongCase& c = GetParam();
    StandInServer server;
    ASSERT_NE(server.port(), 0);
    const db::ConnectionSettings settings{server.serverSetting(), c.database, c.user, c.password};
    QString message;
    try {
        db::odbc::openSession(settings, db::odbc::ServerOptions{});
    } catch (const db::DbError& error) {
        message = error.message();
    }
    EXPECT_TRUE(message.contains(QLatin1String(c.named))) << message.toStdString();
    EXPECT_FALSE(server.login().has_value()) << "a login was sent";
}

INSTANTIATE_TEST_SUITE_P(
    Settings, TooLongSetting,
    ::testing::Values(
        TooLongCase{"passwordWrappingTheCount", "sa", QString(65475, u'p'), "Farm", "password"},
        TooLongCase{"passwordOverTheDriverManagersCount", "sa", QString(40000, u'p'), "Farm",
                    "password"},
        TooLongCase{"passwordOneOver", "sa", QString(129, u'p'), "Farm", "password"},
        TooLongCase{"userOneOver", QString(129, u'u'), "pw", "Farm", "user name"},
        TooLongCase{"databaseOneOver", "sa", "pw", QString(129, u'd'), "database name"}),
    [](const auto& info) { return std::string(info.param.name); });

// Whatever builds it, a connection string longer than the driver manager's 16-bit count is
// refused whole: here one whose first 65,536 characters past a complete login would otherwise
// be cut away, leaving a login the server would accept.
TEST(ConnectionStringLength, PastTheDriverManagersCountIsRefusedNotCut)
{
    StandInServer server;
    ASSERT_NE(server.port(), 0);
    const QString driver = db::odbc::freeTdsLibraryPath();
    ASSERT_FALSE(driver.isEmpty()) << "tdsodbc is missing: run scripts/setup.sh";
    const QString login = QStringLiteral("DRIVER={%1};SERVER=127.0.0.1;PORT=%2;UID=sa;PWD=;")
                              .arg(driver)
                              .arg(server.port());
    const QString tail = QStringLiteral("APP=") + QString(65536 - 5, u'a') + u';';
    QString message;
    try {
        db::odbc::openSessionWithConnectionString(login + tail, 5);
    } catch (const db::DbError& error) {
        message = error.message();
    }
    EXPECT_TRUE(message.contains(QLatin1String("connection string is"))) << message.toStdString();
    EXPECT_FALSE(server.login().has_value()) << "the cut string logged in";
}

} // namespace
