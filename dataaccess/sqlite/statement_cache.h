#pragma once

#include <QByteArray>
#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

struct sqlite3_stmt;

namespace db::sqlite {

/// The prepared statements of the one-statement texts a session ran lately, kept idle so that a
/// text run again (a table's refresh runs the same reads each time) is not prepared again. A
/// statement is taken out while it runs and given back, reset, when it is done: a kept statement
/// holds no read transaction open. A statement of a text whose tables changed since is prepared
/// again by the engine at its first step.
class StatementCache {
public:
    explicit StatementCache(std::size_t capacity = 16);
    ~StatementCache();
    StatementCache(const StatementCache&) = delete;
    StatementCache& operator=(const StatementCache&) = delete;

    /// The kept statement of `text`, no longer kept; nullptr when none is.
    sqlite3_stmt* take(const QByteArray& text);
    /// Keeps `statement` of `text`, reset and its values unbound, for the next run; the statement
    /// unused the longest is finalized when the cache is full, and `statement` itself when the
    /// text has one kept already.
    void giveBack(const QByteArray& text, sqlite3_stmt* statement);

private:
    std::size_t m_capacity;
    std::vector<std::pair<QByteArray, sqlite3_stmt*>> m_idle; ///< the latest given back last
};

/// One prepared statement, finalized when done, or, once keepIn was called, given back to that
/// cache (finalized when the cache is gone).
class PreparedStatement {
public:
    PreparedStatement() = default;
    ~PreparedStatement();
    PreparedStatement(PreparedStatement&& other) noexcept;
    PreparedStatement& operator=(PreparedStatement&& other) noexcept;
    PreparedStatement(const PreparedStatement&) = delete;
    PreparedStatement& operator=(const PreparedStatement&) = delete;

    /// Takes `statement`, to be finalized when done.
    explicit PreparedStatement(sqlite3_stmt* statement) : m_stmt(statement) {}

    sqlite3_stmt** out() { return &m_stmt; }
    sqlite3_stmt* get() const { return m_stmt; }
    /// When done, the statement goes back to `cache` as the statement of `text`.
    void keepIn(std::weak_ptr<StatementCache> cache, QByteArray text);

private:
    void done();

    sqlite3_stmt* m_stmt = nullptr;
    std::weak_ptr<StatementCache> m_cache;
    QByteArray m_text;
};

} // namespace db::sqlite
