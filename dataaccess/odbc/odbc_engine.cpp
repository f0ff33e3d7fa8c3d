#include "dataaccess/odbc/odbc_engine.h"

#include "dataaccess/base/db_error.h"
#include "dataaccess/odbc/driver_catalog.h"
#include "dataaccess/odbc/odbc_connection.h"

namespace db::odbc {
namespace {

/// The rows of one result, read whole when the statement ran.
class ResultCursor final : public Cursor {
public:
    explicit ResultCursor(StatementResult result) : m_result(std::move(result)) {}

    const std::vector<ColumnInfo>& columns() const override { return m_result.columns; }

    bool fetch(std::vector<QVariant>& row) override
    {
        if (m_next >= m_result.rows.size())
            return false;
        row = std::move(m_result.rows[m_next++]);
        return true;
    }

private:
    StatementResult m_result;
    std::size_t m_next = 0;
};

/// True when the driver names its server SQLite; a driver that names none serves SQL Server.
bool servesSqlite(const OdbcConnection& connection)
{
    try {
        return connection.serverProduct().compare(u"SQLite", Qt::CaseInsensitive) == 0;
    } catch (const DbError&) {
        return false;
    }
}

class OdbcSession final : public EngineSession {
public:
    explicit OdbcSession(std::unique_ptr<OdbcConnection> connection)
        : m_connection(std::move(connection)), m_sqlite(servesSqlite(*m_connection))
    {
    }

    std::unique_ptr<Cursor> execute(const QString& sql,
                                    const std::vector<QVariant>& params) override
    {
        m_rowsAffected = -1;
        StatementResult result = m_connection->execute(sql, params);
        if (result.columns.empty()) {
            m_rowsAffected = result.rowsAffected;
            return nullptr;
        }
        return std::make_unique<ResultCursor>(std::move(result));
    }

    qint64 rowsAffected() const override { return m_rowsAffected; }

    // The row's physical place (file, page, slot): SQL Server's only handle on one of two equal
    // rows of a table without a key. A SQLite database behind its ODBC driver has the rowid.
    QString rowIdentityExpression() const override
    {
        return m_sqlite ? QStringLiteral("rowid") : QStringLiteral("%%physloc%%");
    }

    // SQL Server cannot hand back the physical place of an inserted row.
    QVariant lastInsertedRowIdentity() override
    {
        if (!m_sqlite)
            return {};
        const StatementResult last =
            m_connection->execute(QStringLiteral("SELECT last_insert_rowid()"));
        return last.rows.empty() ? QVariant() : last.rows.front().front();
    }

private:
    std::unique_ptr<OdbcConnection> m_connection;
    bool m_sqlite; ///< the driver serves a SQLite database (the engine's tests use one)
    qint64 m_rowsAffected = -1;
};

QString missingDriverMessage()
{
    return QStringLiteral("The FreeTDS ODBC driver is not installed: odbcinst.ini names no driver "
                          "\"%1\" and no %2 was found. Install the Debian package tdsodbc.")
        .arg(freeTdsDriverName, QStringLiteral("libtdsodbc.so"));
}

} // namespace

std::unique_ptr<EngineSession> openSessionWithConnectionString(const QString& connectionString,
                                                               int loginTimeoutSeconds,
                                                               int statementTimeoutSeconds)
{
    return std::make_unique<OdbcSession>(std::make_unique<OdbcConnection>(
        connectionString, loginTimeoutSeconds, statementTimeoutSeconds));
}

std::unique_ptr<EngineSession> openSession(const ConnectionSettings& settings,
                                           const ServerOptions& options)
{
    if (dataSources().contains(settings.Server.trimmed(), Qt::CaseInsensitive))
        return openSessionWithConnectionString(
            buildDataSourceConnectionString(settings.Server.trimmed(), settings.Database,
                                            settings.UserName, settings.Password),
            options.loginTimeoutSeconds, options.statementTimeoutSeconds);

    ServerOptions chosen = options;
    const QString library = freeTdsLibraryPath();
    const bool named = options.driver.compare(freeTdsDriverName, Qt::CaseInsensitive) == 0;
    if (named && !installedDrivers().contains(freeTdsDriverName, Qt::CaseInsensitive)) {
        if (library.isEmpty())
            throw DbError(missingDriverMessage());
        chosen.driver = library;
    }
    const auto connect = [&settings](const ServerOptions& with) {
        return openSessionWithConnectionString(
            buildConnectionString(settings.Server, settings.Database, settings.UserName,
                                  settings.Password, with),
            with.loginTimeoutSeconds, with.statementTimeoutSeconds);
    };
    try {
        return connect(chosen);
    } catch (const DriverNotLoaded& error) {
        if (!named || chosen.driver == library)
            throw;
        if (library.isEmpty())
            throw DbError(missingDriverMessage() + QLatin1Char('\n') + error.message());
        chosen.driver = library;
        return connect(chosen);
    }
}

} // namespace db::odbc
