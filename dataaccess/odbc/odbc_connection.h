#pragma once

#include "dataaccess/base/db_error.h"
#include "dataaccess/base/engine.h"
#include "dataaccess/odbc/odbc_handle.h"

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <memory>
#include <vector>

namespace db::odbc {

/// The driver manager could not load the driver a connection string names.
class DriverNotLoaded : public DbError {
public:
    using DbError::DbError;
};

/// What one statement returned: its first set of rows, read whole before the statement closed,
/// and the number of rows it changed.
struct StatementResult {
    std::vector<ColumnInfo> columns;         ///< empty when the statement returned no rows
    std::vector<std::vector<QVariant>> rows; ///< a NULL is a null QVariant
    qint64 rowsAffected = -1;                ///< -1 when the driver reported no count
};

/// A connection through the unixODBC driver manager, made with an exact connection string.
/// Statements are forward-only and read-only cursors; each statement's results are read to the
/// end (or closed) before it returns, so the next statement always finds the connection free, as
/// a SQL Server without multiple active result sets requires.
class OdbcConnection {
public:
    /// Connects with exactly this connection string; a login that takes longer than
    /// `loginTimeoutSeconds` fails, and so does every later statement whose answer takes longer
    /// than `statementTimeoutSeconds` (0: it waits for ever). Raises DbError with the driver's
    /// own messages, and DriverNotLoaded when the driver manager could not load the driver. A
    /// connection string longer than the driver manager can be told is refused whole, never
    /// sent cut.
    OdbcConnection(const QString& connectionString, int loginTimeoutSeconds,
                   int statementTimeoutSeconds);
    ~OdbcConnection();
    OdbcConnection(const OdbcConnection&) = delete;
    OdbcConnection& operator=(const OdbcConnection&) = delete;

    /// Runs one statement (or batch) with its parameters, bound in order to the "?" markers:
    /// text as wide text, integers and floating-point numbers as their types, QByteArray as binary,
    /// a null QVariant as NULL. Raises DbError with the server's messages when any part fails.
    StatementResult execute(const QString& sql, const std::vector<QVariant>& parameters = {});

    /// The name the connected database server gives itself (SQL_DBMS_NAME).
    QString serverProduct() const;

private:
    Environment m_environment;
    Handle m_connection;
    int m_statementTimeoutSeconds;
    bool m_connected = false;
};

} // namespace db::odbc
