#include "dataaccess/sqlite/statement_cache.h"

#include <algorithm>
#include <sqlite3.h>

namespace db::sqlite {

StatementCache::StatementCache(std::size_t capacity)
    : m_capacity(std::max<std::size_t>(capacity, 1))
{
    m_idle.reserve(m_capacity);
}

StatementCache::~StatementCache()
{
    for (const auto& [text, statement] : m_idle)
        sqlite3_finalize(statement);
}

sqlite3_stmt* StatementCache::take(const QByteArray& text)
{
    const auto found = std::find_if(m_idle.begin(), m_idle.end(),
                                    [&](const auto& entry) { return entry.first == text; });
    if (found == m_idle.end())
        return nullptr;
    sqlite3_stmt* statement = found->second;
    m_idle.erase(found);
    return statement;
}

void StatementCache::giveBack(const QByteArray& text, sqlite3_stmt* statement)
{
    const bool kept = std::any_of(m_idle.begin(), m_idle.end(),
                                  [&](const auto& entry) { return entry.first == text; });
    if (kept) {
        sqlite3_finalize(statement);
        return;
    }
    // The result of the reset is the last step's, already reported.
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
    if (m_idle.size() == m_capacity) {
        sqlite3_finalize(m_idle.front().second);
        m_idle.erase(m_idle.begin());
    }
    m_idle.emplace_back(text, statement);
}

PreparedStatement::~PreparedStatement()
{
    done();
}

PreparedStatement::PreparedStatement(PreparedStatement&& other) noexcept
    : m_stmt(std::exchange(other.m_stmt, nullptr)), m_cache(std::move(other.m_cache)),
      m_text(std::move(other.m_text))
{
}

PreparedStatement& PreparedStatement::operator=(PreparedStatement&& other) noexcept
{
    if (this != &other) {
        done();
        m_stmt = std::exchange(other.m_stmt, nullptr);
        m_cache = std::move(other.m_cache);
        m_text = std::move(other.m_text);
    }
    return *this;
}

void PreparedStatement::keepIn(std::weak_ptr<StatementCache> cache, QByteArray text)
{
    m_cache = std::move(cache);
    m_text = std::move(text);
}

void PreparedStatement::done()
{
    sqlite3_stmt* statement = std::exchange(m_stmt, nullptr);
    if (statement == nullptr)
        return;
    if (const std::shared_ptr<StatementCache> cache = m_cache.lock())
        cache->giveBack(m_text, statement);
    else
        sqlite3_finalize(statement);
}

} // namespace db::sqlite
