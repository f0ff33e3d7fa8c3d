// The FreeTDS connection string built from the four settings: the server forms farms use, the
// quoting of values, and refusal of what the driver manager and FreeTDS would read differently.
#include "dataaccess/base/db_error.h"
#include "dataaccess/odbc/connection_string.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <utility>
#include <vector>

namespace {

using db::odbc::buildConnectionString;
using db::odbc::ServerOptions;

using Pairs = std::vector<std::pair<QString, QString>>;

// Reads a connection string the way unixODBC's driver manager does before it loads a driver:
// a braced value ends at a "}" not followed by another "}", and "}}" stands for "}".
Pairs readAsDriverManager(const QString& text)
{
    Pairs pairs;
    qsizetype i = 0;
    while (i < text.size()) {
        while (i < text.size() && (text[i].isSpace() || text[i] == u';'))
            ++i;
        const qsizetype equals = text.indexOf(u'=', i);
        if (i >= text.size() || equals < 0)
            break;
        const QString key = text.mid(i, equals - i);
        i = equals + 1;
        QString value;
        if (i < text.size() && text[i] == u'{') {
            ++i;
            while (i < text.size() &&
                   (text[i] != u'}' || (i + 1 < text.size() && text[i + 1] == u'}'))) {
                if (text[i] == u'}')
                    ++i;
                value += text[i++];
            }
            if (i < text.size())
                ++i;
        } else {
            while (i < text.size() && text[i] != u';')
                value += text[i++];
        }
        pairs.emplace_back(key, value);
    }
    return pairs;
}

// Reads it the way FreeTDS 1.3 does: a braced value ends at the first "};", nothing is unescaped.
Pairs readAsFreeTds(const QString& text)
{
    Pairs pairs;
    qsizetype i = 0;
    while (i < text.size()) {
        while (i < text.size() && text[i] == u';')
            ++i;
        const qsizetype equals = text.indexOf(u'=', i);
        if (equals < 0)
            break;
        while (i < equals && text[i] == u' ')
            ++i;
        const QString key = text.mid(i, equals - i);
        i = equals + 1;
        qsizetype end = -1;
        if (i < text.size() && text[i] == u'{') {
            ++i;
            end = text.indexOf(QStringLiteral("};"), i);
        } else {
            end = text.indexOf(u';', i);
        }
        if (end < 0)
            end = text.size();
        pairs.emplace_back(key, text.mid(i, end - i));
        i = end;
        if (i < text.size() && text[i] == u'}')
            ++i;
        ++i;
    }
    return pairs;
}

ServerOptions defaults()
{
    return ServerOptions{};
}

const QString tail = QStringLiteral("TDS_Version=7.4;ClientCharset=UTF-8;TextSize=2147483647;");

struct BuildCase {
    const char* name;
    QString server, database, user, password;
    QString expected;
};

// Names the case in failure messages instead of dumping its bytes.
void PrintTo(const BuildCase& c, std::ostream* out)
{
    *out << c.name;
}

class BuildsString : public ::testing::TestWithParam<BuildCase> {};

TEST_P(BuildsString, AsFreeTdsReadsIt)
{
    const BuildCase& c = GetParam();
    EXPECT_EQ(buildConnectionString(c.server, c.database, c.user, c.password, defaults()),
              c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    ServerForms, BuildsString,
    ::testing::Values(
        BuildCase{"host", "farmsrv", "Farm", "sa", "pw",
                  "DRIVER={FreeTDS};SERVER=farmsrv;DATABASE=Farm;UID=sa;PWD=pw;" + tail},
        BuildCase{"hostAndPort", "10.0.0.5,1533", "Farm", "sa", "pw",
                  "DRIVER={FreeTDS};SERVER=10.0.0.5;PORT=1533;DATABASE=Farm;UID=sa;PWD=pw;" + tail},
        BuildCase{"blanksAroundPort", " farmsrv , 1533 ", "Farm", "sa", "pw",
                  "DRIVER={FreeTDS};SERVER=farmsrv;PORT=1533;DATABASE=Farm;UID=sa;PWD=pw;" + tail},
        BuildCase{"instance", "farmsrv\\SQLEXPRESS", "Farm", "sa", "pw",
                  "DRIVER={FreeTDS};SERVER=farmsrv\\SQLEXPRESS;DATABASE=Farm;UID=sa;PWD=pw;" +
                      tail},
        BuildCase{
            "instanceAndPort", "farmsrv\\SQLEXPRESS,1533", "Farm", "sa", "pw",
            "DRIVER={FreeTDS};SERVER=farmsrv\\SQLEXPRESS;PORT=1533;DATABASE=Farm;UID=sa;PWD=pw;" +
                tail},
        BuildCase{"local", "(local)", "Farm", "sa", "pw",
                  "DRIVER={FreeTDS};SERVER=127.0.0.1;DATABASE=Farm;UID=sa;PWD=pw;" + tail},
        BuildCase{"localUpperCase", "(LOCAL)\\SQLEXPRESS", "Farm", "sa", "pw",
                  "DRIVER={FreeTDS};SERVER=127.0.0.1\\SQLEXPRESS;DATABASE=Farm;UID=sa;PWD=pw;" +
                      tail},
        BuildCase{"dot", ".", "Farm", "sa", "pw",
                  "DRIVER={FreeTDS};SERVER=127.0.0.1;DATABASE=Farm;UID=sa;PWD=pw;" + tail},
        BuildCase{
            "dotInstancePort", ".\\SQL2019,1500", "Farm", "sa", "pw",
            "DRIVER={FreeTDS};SERVER=127.0.0.1\\SQL2019;PORT=1500;DATABASE=Farm;UID=sa;PWD=pw;" +
                tail},
        BuildCase{"emptyUserAndPassword", "farmsrv", "master", "", "",
                  "DRIVER={FreeTDS};SERVER=farmsrv;DATABASE=master;UID=;PWD=;" + tail}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Values, BuildsString,
    ::testing::Values(
        BuildCase{
            "persianDatabase", "farmsrv", QStringLiteral("دامداري"), "sa", "pw",
            QStringLiteral("DRIVER={FreeTDS};SERVER=farmsrv;DATABASE=دامداري;UID=sa;PWD=pw;") +
                tail},
        BuildCase{"semicolonBraced", "farmsrv", "Farm", "sa", "a;b",
                  "DRIVER={FreeTDS};SERVER=farmsrv;DATABASE=Farm;UID=sa;PWD={a;b};" + tail},
        BuildCase{"allButClosingBrace", "farmsrv", "Farm", "sa", "p;w{d=x",
                  "DRIVER={FreeTDS};SERVER=farmsrv;DATABASE=Farm;UID=sa;PWD={p;w{d=x};" + tail},
        BuildCase{"leadingBraceBraced", "farmsrv", "Farm", "sa", "{pw",
                  "DRIVER={FreeTDS};SERVER=farmsrv;DATABASE=Farm;UID=sa;PWD={{pw};" + tail},
        BuildCase{"closingBraceAndEqualsAsTheyStand", "farmsrv", "Farm", "sa", "p}w=d{",
                  "DRIVER={FreeTDS};SERVER=farmsrv;DATABASE=Farm;UID=sa;PWD=p}w=d{;" + tail},
        BuildCase{"blanksKept", "farmsrv", "Farm", " sa ", "  ",
                  "DRIVER={FreeTDS};SERVER=farmsrv;DATABASE=Farm;UID= sa ;PWD=  ;" + tail}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BuildsString, OptionsChangeDriverPortAndVersion)
{
    ServerOptions options;
    options.driver = QStringLiteral("/usr/lib/x86_64-linux-gnu/odbc/libtdsodbc.so");
    options.port = 1600;
    options.tdsVersion.clear();
    EXPECT_EQ(buildConnectionString("farmsrv", "Farm", "sa", "pw", options),
              "DRIVER={/usr/lib/x86_64-linux-gnu/odbc/libtdsodbc.so};SERVER=farmsrv;PORT=1600;"
              "DATABASE=Farm;UID=sa;PWD=pw;ClientCharset=UTF-8;TextSize=2147483647;");
    // A port in the server setting wins over the configured one.
    options.tdsVersion = QStringLiteral("7.2");
    EXPECT_EQ(
        buildConnectionString("farmsrv,1433", "Farm", "sa", "pw", options),
        "DRIVER={/usr/lib/x86_64-linux-gnu/odbc/libtdsodbc.so};SERVER=farmsrv;PORT=1433;"
        "DATABASE=Farm;UID=sa;PWD=pw;TDS_Version=7.2;ClientCharset=UTF-8;TextSize=2147483647;");
}

struct EnvironmentCase {
    const char* name;
    const char* variable;
    const char* value;
    QString tdsVersion;
    int port;
    int loginTimeoutSeconds;
    int statementTimeoutSeconds = 30;
};

void PrintTo(const EnvironmentCase& c, std::ostream* out)
{
    *out << c.name;
}

class OptionsFromEnvironment : public ::testing::TestWithParam<EnvironmentCase> {
protected:
    void TearDown() override { qunsetenv(GetParam().variable); }
};

TEST_P(OptionsFromEnvironment, OverrideTheDefaultsOnlyWithSensibleValues)
{
    const EnvironmentCase& c = GetParam();
    qputenv(c.variable, c.value);
    const ServerOptions options = ServerOptions::fromEnvironment();
    EXPECT_EQ(options.tdsVersion, c.tdsVersion);
    EXPECT_EQ(options.port, c.port);
    EXPECT_EQ(options.loginTimeoutSeconds, c.loginTimeoutSeconds);
    EXPECT_EQ(options.statementTimeoutSeconds, c.statementTimeoutSeconds);
    EXPECT_EQ(options.driver, "FreeTDS");
}

INSTANTIATE_TEST_SUITE_P(
    Variables, OptionsFromEnvironment,
    ::testing::Values(
        EnvironmentCase{"tdsVersion", "FARM_TDS_VERSION", "7.2", "7.2", 0, 5},
        EnvironmentCase{"tdsVersionLeftToFreeTds", "FARM_TDS_VERSION", "", "", 0, 5},
        EnvironmentCase{"port", "FARM_SQL_PORT", "1533", "7.4", 1533, 5},
        EnvironmentCase{"portOutOfRange", "FARM_SQL_PORT", "70000", "7.4", 0, 5},
        EnvironmentCase{"timeout", "FARM_LOGIN_TIMEOUT", "3", "7.4", 0, 3},
        EnvironmentCase{"timeoutZeroWouldWaitForEver", "FARM_LOGIN_TIMEOUT", "0", "7.4", 0, 5},
        EnvironmentCase{"timeoutNotANumber", "FARM_LOGIN_TIMEOUT", "soon", "7.4", 0, 5},
        EnvironmentCase{"statementTimeout", "FARM_STATEMENT_TIMEOUT", "120", "7.4", 0, 5, 120},
        EnvironmentCase{"statementTimeoutZeroWaitsForEver", "FARM_STATEMENT_TIMEOUT", "0", "7.4", 0,
                        5, 0},
        EnvironmentCase{"statementTimeoutOverADay", "FARM_STATEMENT_TIMEOUT", "86401", "7.4", 0, 5,
                        30},
        EnvironmentCase{"statementTimeoutNegative", "FARM_STATEMENT_TIMEOUT", "-1", "7.4", 0, 5,
                        30}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefusedCase {
    const char* name;
    QString server, password;
};

// Names the case in failure messages instead of dumping its bytes.
void PrintTo(const RefusedCase& c, std::ostream* out)
{
    *out << c.name;
}

class RefusesSettings : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusesSettings, WithAClearError)
{
    const RefusedCase& c = GetParam();
    try {
        const QString text = buildConnectionString(c.server, "Farm", "sa", c.password, defaults());
        ADD_FAILURE() << "built " << text.toStdString();
    } catch (const db::DbError& error) {
        EXPECT_FALSE(error.message().isEmpty());
        EXPECT_FALSE(
            error.message().contains(c.password.isEmpty() ? QStringLiteral("\x01") : c.password))
            << "the error text must not repeat the password";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Hostile, RefusesSettings,
    ::testing::Values(
        RefusedCase{"passwordClosingBraceSemicolon", "farmsrv", "ab};DRIVER=/tmp/x.so"},
        RefusedCase{"passwordSemicolonAndBrace", "farmsrv", "a;b}c"},
        RefusedCase{"passwordLeadingBraceAndClosing", "farmsrv", "{a}"},
        RefusedCase{"passwordNul", "farmsrv", QString(QStringLiteral("a") + QChar(u'\0') + "b")},
        RefusedCase{"emptyServer", "  ", "pw"}, RefusedCase{"onlyPort", ",1433", "pw"},
        RefusedCase{"portNotNumber", "farmsrv,sql", "pw"},
        RefusedCase{"portZero", "farmsrv,0", "pw"},
        RefusedCase{"portTooLarge", "farmsrv,65536", "pw"},
        RefusedCase{"serverInjectsKey", "farmsrv}};DSN=x;{", "pw"},
        RefusedCase{"passwordLongerThanAServerTakes", "farmsrv", QString(129, u'x')}),
    [](const auto& info) { return std::string(info.param.name); });

// For every password made of the characters that matter to the two parsers, the string is either
// refused or read by both the driver manager and FreeTDS as exactly the keys we wrote, with the
// password intact: no value can add, drop or change a key.
TEST(ConnectionStringSweep, BothParsersReadExactlyTheKeysWritten)
{
    const QString alphabet = QStringLiteral("a;{}= ");
    std::vector<QString> passwords{QString()};
    for (int length = 1; length <= 4; ++length) {
        std::vector<QString> longer;
        for (const QString& stem : passwords) {
            if (stem.size() != length - 1)
                continue;
            for (const QChar c : alphabet)
                longer.push_back(stem + c);
        }
        passwords.insert(passwords.end(), longer.begin(), longer.end());
    }
    const QStringList keys{"DRIVER", "SERVER",      "DATABASE",      "UID",
                           "PWD",    "TDS_Version", "ClientCharset", "TextSize"};
    for (const QString& password : passwords) {
        std::optional<QString> text;
        try {
            text = buildConnectionString("farmsrv", "Farm", "sa", password, defaults());
        } catch (const db::DbError&) {
            // Refusal is allowed only where both a ";" or leading "{" and a "}" make braces unsafe.
            EXPECT_TRUE(password.contains(u'}') &&
                        (password.contains(u';') || password.startsWith(u'{')))
                << "refused " << password.toStdString();
            continue;
        }
        for (const Pairs& read : {readAsDriverManager(*text), readAsFreeTds(*text)}) {
            ASSERT_EQ(read.size(), static_cast<std::size_t>(keys.size())) << text->toStdString();
            for (qsizetype k = 0; k < keys.size(); ++k)
                EXPECT_EQ(read[static_cast<std::size_t>(k)].first, keys[k]) << text->toStdString();
            EXPECT_EQ(read[4].second, password) << text->toStdString();
            EXPECT_EQ(read[0].second, QStringLiteral("FreeTDS"));
        }
    }
}

} // namespace
