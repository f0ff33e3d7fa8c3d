#pragma once

#include "dataaccess/connection.h"
#include "dataaccess/query.h"

namespace toolkit {

/// A query together with a connection of its own, as a client that connects by settings rather
/// than through a shared connection holds it. The connection connects when the query first runs.
class StandaloneQuery {
public:
    explicit StandaloneQuery(const db::ConnectionSettings& settings);

    db::Connection& connection() { return m_connection; }
    db::Query& query() { return m_query; }

    /// Connects if needed, then opens the query. DbError on failure.
    void Open();
    /// Connects if needed, then executes the query. DbError on failure.
    void ExecSQL();

private:
    db::Connection m_connection; // declared first: the query is destroyed before it
    db::Query m_query;
};

} // namespace toolkit
