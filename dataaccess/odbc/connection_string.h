#pragma once

#include <QString>

namespace db::odbc {

/// How a SQL Server is reached beyond the four connection settings.
struct ServerOptions {
    /// The ODBC driver: a name the driver manager knows (odbcinst.ini) or the driver library's
    /// path.
    QString driver = QStringLiteral("FreeTDS");
    /// The TDS protocol version; empty leaves it to freetds.conf.
    QString tdsVersion = QStringLiteral("7.4");
    /// Port used when the server setting names none; 0 leaves it to FreeTDS (1433 or freetds.conf).
    int port = 0;
    /// Seconds a login may take before it fails, so a silent server cannot hang the start-up.
    int loginTimeoutSeconds = 5;
    /// Seconds a statement may wait for the server's answer before it fails, so a server that
    /// stops answering cannot hang the program; 0 waits for ever.
    int statementTimeoutSeconds = 30;

    /// The defaults, overridden by FARM_TDS_VERSION (empty: left to freetds.conf), FARM_SQL_PORT
    /// (1 to 65535), FARM_LOGIN_TIMEOUT (1 to 600 seconds) and FARM_STATEMENT_TIMEOUT (0 to 86400
    /// seconds, 0 waiting for ever) when set; a value out of range is passed over.
    static ServerOptions fromEnvironment();
};

/// Host, instance and port read from a server setting such as "HOST", "HOST,PORT",
/// "HOST\INSTANCE", "(local)" or "." (the last two name this machine).
struct ServerAddress {
    QString host; ///< with "\INSTANCE" when one was named
    int port = 0; ///< 0 when the setting names none
};

/// Splits a server setting into host (with instance) and port; raises DbError for an empty
/// server or a port that is not a number from 1 to 65535.
ServerAddress parseServerSetting(const QString& server);

/// Writes one value so that both the driver manager and FreeTDS read it back unchanged: as it
/// stands when it holds no ";" and does not start with "{", else in braces when it holds no "}".
/// A value neither form can carry (";" or a leading "{" together with "}", or a NUL character)
/// raises DbError naming `what`; nothing in a value can ever add a key of its own.
QString quoteValue(const QString& value, const QString& what);

/// The most characters a SQL Server takes in a database name, a user name or a password.
inline constexpr int kLongestServerName = 128;

/// The FreeTDS connection string for the four settings:
/// DRIVER={FreeTDS};SERVER=…;[PORT=…;]DATABASE=…;UID=…;PWD=…;[TDS_Version=…;]ClientCharset=UTF-8;
/// TextSize=2147483647; (so the server sends long text whole instead of cutting it at its
/// default text size). A database name, user name or password longer than kLongestServerName
/// raises DbError naming it: no SQL Server would take it, and a long enough one no longer fits
/// the driver manager's count of a connection string.
QString buildConnectionString(const QString& server, const QString& database, const QString& user,
                              const QString& password, const ServerOptions& options);

/// The connection string for a server that is an ODBC data source (odbc.ini gives its driver,
/// address and protocol): DSN=…;DATABASE=…;UID=…;PWD=…; Refuses the same values as
/// buildConnectionString.
QString buildDataSourceConnectionString(const QString& dataSource, const QString& database,
                                        const QString& user, const QString& password);

} // namespace db::odbc
