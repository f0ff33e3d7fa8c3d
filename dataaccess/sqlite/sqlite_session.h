#pragma once

#include "dataaccess/base/engine.h"
#include "dataaccess/sqlite/statement_cache.h"
#include "dataaccess/sqlite/translation_cache.h"

#include <QString>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;

namespace db::sqlite {

/// How long a statement waits for another connection's write to finish before it fails.
inline constexpr int kBusyTimeoutMs = 10000;

/// A session of the embedded engine on one database file (or master's in-memory catalogue).
/// Runs T-SQL through translateTsql. A statement text may hold several statements separated by
/// ";"; only the last may return rows. Every statement runs in its own transaction unless the
/// text opens one.
class SqliteSession final : public EngineSession {
public:
    /// Takes ownership of the open handle `db` of a database of the server folder `folder`.
    SqliteSession(sqlite3* db, QString folder);
    ~SqliteSession() override;
    SqliteSession(const SqliteSession&) = delete;
    SqliteSession& operator=(const SqliteSession&) = delete;

    std::unique_ptr<Cursor> execute(const QString& sql,
                                    const std::vector<QVariant>& params) override;
    qint64 rowsAffected() const override { return m_rowsAffected; }
    QString rowIdentityExpression() const override { return QStringLiteral("rowid"); }
    QVariant lastInsertedRowIdentity() override;
    /// SQLite's data version (moved by other connections' commits), this connection's own count
    /// of changed rows and the schema version.
    std::optional<ChangeStamp> changeStamp() override;
    /// row_digest over the columns; nullopt beyond the number of arguments a function takes.
    std::optional<QString> rowDigestExpression(const QStringList& columns) const override;

private:
    std::unique_ptr<Cursor> run(const QString& sql, const std::vector<QVariant>& params,
                                std::size_t& nextParam);
    /// Runs a statement with its literals bound as values, its prepared statement kept for
    /// statements that differ only in their literals. False, having run nothing, when the text
    /// does not prepare as one statement without rows.
    bool runWithLiteralsAsValues(const LiteralValues& shaped);
    /// Binds params from nextParam on to the statement's markers and runs it: a cursor over its
    /// rows, or nullptr, rowsAffected() set, for a statement without rows. [tail, end) is what
    /// follows the statement in its text.
    std::unique_ptr<Cursor> runStatement(PreparedStatement stmt,
                                         const std::vector<QVariant>& params,
                                         std::size_t& nextParam, const char* tail, const char* end);

    /// The value of a one-number PRAGMA, its statement prepared once and kept in `statement`.
    std::optional<qint64> pragmaValue(sqlite3_stmt*& statement, const char* text);

    sqlite3* m_db;
    QString m_folder;
    TranslationCache m_translations;
    std::shared_ptr<StatementCache> m_statements;
    sqlite3_stmt* m_dataVersion = nullptr;
    sqlite3_stmt* m_schemaVersion = nullptr;
    qint64 m_rowsAffected = -1;
};

/// Opens database Database of the embedded server "sqlite:FOLDER": the file FOLDER/Database.db
/// (the name found without regard to letter case), never created; "master" always opens.
/// Raises DbError when the folder or the file does not exist or cannot be opened.
std::unique_ptr<EngineSession> openSession(const ConnectionSettings& settings);

} // namespace db::sqlite
