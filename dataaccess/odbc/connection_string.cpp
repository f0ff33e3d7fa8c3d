#include "dataaccess/odbc/connection_string.h"

#include "dataaccess/base/db_error.h"

#include <QtGlobal>
#include <limits>

namespace db::odbc {
namespace {

/// Names by which farms mean the SQL Server on this machine; FreeTDS resolves neither.
bool namesThisMachine(const QString& host)
{
    return host == QLatin1String(".") ||
           host.compare(QLatin1String("(local)"), Qt::CaseInsensitive) == 0;
}

constexpr int maxPort = 65535;
/// A login that has not finished in ten minutes will not finish.
constexpr int maxLoginTimeout = 600;
/// A day: the longest statement timeout a farm may ask for short of waiting for ever (0).
constexpr int maxStatementTimeout = 86400;

int portFrom(const QString& text, const QString& server)
{
    bool ok = false;
    const int port = text.trimmed().toInt(&ok);
    if (!ok || port < 1 || port > maxPort)
        throw DbError(
            QStringLiteral("The port in the server setting \"%1\" is not a number from 1 to %2.")
                .arg(server)
                .arg(maxPort));
    return port;
}

/// The variable's whole number when it holds one from `lowest` to `highest`, else `fallback`.
int environmentNumber(const char* name, int lowest, int highest, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value >= lowest && value <= highest ? value : fallback;
}

/// Raises DbError naming `what` when the value is longer than a SQL Server takes. The value
/// itself is not repeated: it may be a password.
void checkLength(const QString& value, const QString& what)
{
    if (value.size() > kLongestServerName)
        throw DbError(QStringLiteral("The %1 is %2 characters long; a SQL Server takes at most %3.")
                          .arg(what)
                          .arg(value.size())
                          .arg(kLongestServerName));
}

/// Checks the three values a login carries.
void checkLoginLengths(const QString& database, const QString& user, const QString& password)
{
    checkLength(database, QStringLiteral("database name"));
    checkLength(user, QStringLiteral("user name"));
    checkLength(password, QStringLiteral("password"));
}

} // namespace

ServerOptions ServerOptions::fromEnvironment()
{
    ServerOptions options;
    if (qEnvironmentVariableIsSet("FARM_TDS_VERSION"))
        options.tdsVersion = qEnvironmentVariable("FARM_TDS_VERSION").trimmed();
    options.port = environmentNumber("FARM_SQL_PORT", 1, maxPort, options.port);
    // Zero would mean "wait for ever" to ODBC: the least honoured is one second.
    options.loginTimeoutSeconds =
        environmentNumber("FARM_LOGIN_TIMEOUT", 1, maxLoginTimeout, options.loginTimeoutSeconds);
    options.statementTimeoutSeconds = environmentNumber(
        "FARM_STATEMENT_TIMEOUT", 0, maxStatementTimeout, options.statementTimeoutSeconds);
    return options;
}

ServerAddress parseServerSetting(const QString& server)
{
    QString host = server.trimmed();
    ServerAddress address;
    const qsizetype comma = host.lastIndexOf(QLatin1Char(','));
    if (comma >= 0) {
        address.port = portFrom(host.mid(comma + 1), server);
        host = host.left(comma).trimmed();
    }
    const qsizetype backslash = host.indexOf(QLatin1Char('\\'));
    const QString machine = backslash >= 0 ? host.left(backslash) : host;
    if (machine.isEmpty())
        throw DbError(
            QStringLiteral("No SQL Server is named in the server setting \"%1\".").arg(server));
    if (namesThisMachine(machine))
        host.replace(0, machine.size(), QStringLiteral("127.0.0.1"));
    address.host = host;
    return address;
}

QString quoteValue(const QString& value, const QString& what)
{
    if (value.contains(QChar(u'\0')))
        throw DbError(
            QStringLiteral("The %1 holds a NUL character and cannot be sent to the server.")
                .arg(what));
    const bool needsBraces = value.contains(QLatin1Char(';')) || value.startsWith(QLatin1Char('{'));
    if (!needsBraces)
        return value;
    // The driver manager ends a braced value at the first "}" and FreeTDS at the first "};",
    // so a "}" inside braces would be read two ways: refuse rather than send it cut.
    if (value.contains(QLatin1Char('}')))
        throw DbError(
            QStringLiteral("The %1 holds \"}\" together with \";\" or a leading \"{\"; the "
                           "SQL Server driver cannot be given such a value.")
                .arg(what));
    return QLatin1Char('{') + value + QLatin1Char('}');
}

QString buildConnectionString(const QString& server, const QString& database, const QString& user,
                              const QString& password, const ServerOptions& options)
{
    const ServerAddress address = parseServerSetting(server);
    checkLoginLengths(database, user, password);
    const int port = address.port != 0 ? address.port : options.port;

    // The driver's name or path always stands in braces, as odbcinst.ini names are written.
    if (options.driver.isEmpty() || options.driver.contains(QLatin1Char('}')) ||
        options.driver.contains(QChar(u'\0')))
        throw DbError(
            QStringLiteral("The ODBC driver \"%1\" cannot be named in a connection string.")
                .arg(options.driver));
    QString text = QStringLiteral("DRIVER={") + options.driver + QStringLiteral("};");
    text += QStringLiteral("SERVER=") + quoteValue(address.host, QStringLiteral("server")) + u';';
    if (port != 0)
        text += QStringLiteral("PORT=%1;").arg(port);
    text +=
        QStringLiteral("DATABASE=") + quoteValue(database, QStringLiteral("database name")) + u';';
    text += QStringLiteral("UID=") + quoteValue(user, QStringLiteral("user name")) + u';';
    text += QStringLiteral("PWD=") + quoteValue(password, QStringLiteral("password")) + u';';
    if (!options.tdsVersion.isEmpty())
        text += QStringLiteral("TDS_Version=") +
                quoteValue(options.tdsVersion, QStringLiteral("TDS version")) + u';';
    text +=
        QStringLiteral("ClientCharset=UTF-8;TextSize=%1;").arg(std::numeric_limits<qint32>::max());
    return text;
}

QString buildDataSourceConnectionString(const QString& dataSource, const QString& database,
                                        const QString& user, const QString& password)
{
    checkLoginLengths(database, user, password);
    return QStringLiteral("DSN=") + quoteValue(dataSource, QStringLiteral("data source")) + u';' +
           QStringLiteral("DATABASE=") + quoteValue(database, QStringLiteral("database name")) +
           u';' + QStringLiteral("UID=") + quoteValue(user, QStringLiteral("user name")) + u';' +
           QStringLiteral("PWD=") + quoteValue(password, QStringLiteral("password")) + u';';
}

} // namespace db::odbc
