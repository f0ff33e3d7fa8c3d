#pragma once

#include "dataaccess/base/engine.h"
#include "dataaccess/odbc/connection_string.h"

#include <memory>

namespace db::odbc {

/// Opens a session with exactly this ODBC connection string, for any driver (a DSN-less
/// "DRIVER=path;…" string needs no odbcinst.ini entry); its statements give up after
/// `statementTimeoutSeconds` without an answer (0: never). Raises DbError with the driver's
/// messages.
std::unique_ptr<EngineSession> openSessionWithConnectionString(
    const QString& connectionString, int loginTimeoutSeconds,
    int statementTimeoutSeconds = ServerOptions{}.statementTimeoutSeconds);

/// Opens a session on the SQL Server the settings name. A server that is an ODBC data source
/// is reached through it; any other through FreeTDS by name when odbcinst.ini lists it, else (or
/// when the driver manager cannot load it) through the driver library's path. Raises DbError
/// saying so when FreeTDS is not installed.
std::unique_ptr<EngineSession> openSession(const ConnectionSettings& settings,
                                           const ServerOptions& options);

} // namespace db::odbc
