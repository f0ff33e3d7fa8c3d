#include "toolkit/db/standalone_query.h"

namespace toolkit {

StandaloneQuery::StandaloneQuery(const db::ConnectionSettings& settings) : m_query(m_connection)
{
    m_connection.setSettings(settings);
}

void StandaloneQuery::Open()
{
    m_connection.Connect();
    m_query.Open();
}

void StandaloneQuery::ExecSQL()
{
    m_connection.Connect();
    m_query.ExecSQL();
}

} // namespace toolkit
