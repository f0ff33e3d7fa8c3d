#pragma once

#include <QString>
#include <sql.h>
#include <vector>

namespace db::odbc {

/// One diagnostic record of an ODBC handle: the SQLSTATE and the message, as the driver or the
/// server wrote it.
struct Diagnostic {
    QString state;
    QString message;
};

/// Every diagnostic record the handle holds, in order.
std::vector<Diagnostic> diagnosticsOf(SQLSMALLINT handleType, SQLHANDLE handle);

/// The records as text, one a line: "message (SQLSTATE)".
QString diagnosticText(const std::vector<Diagnostic>& records);

/// True for SQL_SUCCESS and SQL_SUCCESS_WITH_INFO.
inline bool succeeded(SQLRETURN rc)
{
    return rc == SQL_SUCCESS || rc == SQL_SUCCESS_WITH_INFO;
}

/// Raises DbError with `what` and the handle's diagnostics unless `rc` is a success.
void check(SQLRETURN rc, SQLSMALLINT handleType, SQLHANDLE handle, const QString& what);

/// Owns one ODBC handle and frees it on destruction.
class Handle {
public:
    /// Allocates a handle of the type under `parent` (SQL_NULL_HANDLE for an environment).
    Handle(SQLSMALLINT type, SQLHANDLE parent);
    ~Handle();
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    SQLHANDLE get() const { return m_handle; }
    SQLSMALLINT type() const { return m_type; }

private:
    SQLSMALLINT m_type;
    SQLHANDLE m_handle = SQL_NULL_HANDLE;
};

/// An ODBC 3 environment, as every connection and catalogue look-up needs one.
class Environment {
public:
    Environment();
    SQLHENV get() const { return m_handle.get(); }

private:
    Handle m_handle;
};

} // namespace db::odbc
