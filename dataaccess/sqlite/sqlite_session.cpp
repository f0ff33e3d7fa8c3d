#include "dataaccess/sqlite/sqlite_session.h"

#include "dataaccess/base/db_error.h"
#include "dataaccess/sqlite/column_types.h"
#include "dataaccess/sqlite/row_digest.h"
#include "dataaccess/sqlite/sqlite_catalogue.h"
#include "dataaccess/sqlite/statement_cache.h"
#include "dataaccess/sqlite/tsql_translator.h"

#include <QDate>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QThread>
#include <algorithm>
#include <sqlite3.h>

namespace db::sqlite {

namespace {

/// Pause between two tries of a statement another connection kept from starting.
constexpr int kRetryPauseMs = 20;

QString errorText(sqlite3* db)
{
    return QString::fromUtf8(sqlite3_errmsg(db));
}

/// The declared type as fields read it: lower case, without its size ("nvarchar(20)" gives
/// "nvarchar").
QString declaredType(const char* declared)
{
    return tsqlColumnType(QString::fromUtf8(declared != nullptr ? declared : ""));
}

void bind(sqlite3* db, sqlite3_stmt* stmt, int index, const QVariant& value)
{
    int rc = SQLITE_OK;
    if (!value.isValid() || value.isNull()) {
        rc = sqlite3_bind_null(stmt, index);
    } else {
        switch (value.metaType().id()) {
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Short:
        case QMetaType::UShort:
        case QMetaType::Char:
        case QMetaType::SChar:
        case QMetaType::UChar:
        case QMetaType::Long:
        case QMetaType::ULong:
            rc = sqlite3_bind_int64(stmt, index, value.toLongLong());
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            rc = sqlite3_bind_double(stmt, index, value.toDouble());
            break;
        case QMetaType::QByteArray: {
            const QByteArray bytes = value.toByteArray();
            rc = sqlite3_bind_blob64(stmt, index, bytes.constData(),
                                     static_cast<sqlite3_uint64>(bytes.size()), SQLITE_TRANSIENT);
            break;
        }
        case QMetaType::QDate:
            rc = sqlite3_bind_text(stmt, index,
                                   value.toDate().toString(Qt::ISODate).toUtf8().constData(), -1,
                                   SQLITE_TRANSIENT);
            break;
        case QMetaType::QDateTime:
            rc = sqlite3_bind_text(stmt, index,
                                   value.toDateTime()
                                       .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                                       .toUtf8()
                                       .constData(),
                                   -1, SQLITE_TRANSIENT);
            break;
        default: {
            const QByteArray text = value.toString().toUtf8();
            rc = sqlite3_bind_text64(stmt, index, text.constData(),
                                     static_cast<sqlite3_uint64>(text.size()), SQLITE_TRANSIENT,
                                     SQLITE_UTF8);
        }
        }
    }
    if (rc != SQLITE_OK)
        throw DbError(errorText(db));
}

/// The error of a step that failed: the engine's text, and for a lock another connection held
/// past the wait, what that means.
QString stepError(sqlite3* db, int rc)
{
    if ((rc & 0xff) != SQLITE_BUSY)
        return errorText(db);
    return QStringLiteral("The database is in use by another workstation, which kept it locked "
                          "for more than %1 seconds. Try again when it is done.\n%2")
        .arg(kBusyTimeoutMs / 1000)
        .arg(errorText(db));
}

/// Steps a statement. Its first step is tried again while another connection keeps it from
/// starting (beyond what the busy timeout covers, e.g. a write that finds its snapshot stale),
/// as long as no transaction of this connection is open: nothing of the try has taken effect.
/// The busy timeout and the tries share one wait of kBusyTimeoutMs.
int step(sqlite3* db, sqlite3_stmt* stmt, bool first)
{
    if (!first)
        return sqlite3_step(stmt);
    const QDeadlineTimer deadline(kBusyTimeoutMs);
    int rc = sqlite3_step(stmt);
    if ((rc & 0xff) != SQLITE_BUSY)
        return rc;
    while ((rc & 0xff) == SQLITE_BUSY && sqlite3_get_autocommit(db)) {
        const qint64 left = deadline.remainingTime(); // [0, kBusyTimeoutMs]
        if (left <= kRetryPauseMs)
            break;
        sqlite3_reset(stmt);
        QThread::msleep(kRetryPauseMs);
        sqlite3_busy_timeout(db, static_cast<int>(left - kRetryPauseMs));
        rc = sqlite3_step(stmt);
    }
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    return rc;
}

class SqliteCursor final : public Cursor {
public:
    /// Takes a statement whose first step gave `firstStep`.
    SqliteCursor(sqlite3* db, PreparedStatement statement, int firstStep)
        : m_db(db), m_statement(std::move(statement)), m_stmt(m_statement.get()),
          m_firstStep(firstStep)
    {
        const int count = sqlite3_column_count(m_stmt);
        for (int i = 0; i < count; ++i)
            m_columns.push_back({QString::fromUtf8(sqlite3_column_name(m_stmt, i)),
                                 declaredType(sqlite3_column_decltype(m_stmt, i))});
    }
    ~SqliteCursor() override = default;
    SqliteCursor(const SqliteCursor&) = delete;
    SqliteCursor& operator=(const SqliteCursor&) = delete;

    const std::vector<ColumnInfo>& columns() const override { return m_columns; }

    bool fetch(std::vector<QVariant>& row) override
    {
        if (m_done)
            return false;
        const int rc = m_firstStep == kNoStep ? step(m_db, m_stmt, false) : m_firstStep;
        m_firstStep = kNoStep;
        if (rc == SQLITE_DONE) {
            m_done = true;
            return false;
        }
        if (rc != SQLITE_ROW) {
            m_done = true;
            throw DbError(stepError(m_db, rc));
        }
        row.assign(m_columns.size(), QVariant());
        for (int i = 0; i < static_cast<int>(m_columns.size()); ++i) {
            switch (sqlite3_column_type(m_stmt, i)) {
            case SQLITE_INTEGER:
                row[i] = QVariant(static_cast<qint64>(sqlite3_column_int64(m_stmt, i)));
                break;
            case SQLITE_FLOAT:
                row[i] = QVariant(sqlite3_column_double(m_stmt, i));
                break;
            case SQLITE_TEXT:
                row[i] = QVariant(
                    QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, i)),
                                      sqlite3_column_bytes(m_stmt, i)));
                break;
            case SQLITE_BLOB:
                row[i] =
                    QVariant(QByteArray(static_cast<const char*>(sqlite3_column_blob(m_stmt, i)),
                                        sqlite3_column_bytes(m_stmt, i)));
                break;
            default:
                break;
            }
        }
        return true;
    }

private:
    static constexpr int kNoStep = -1;

    sqlite3* m_db;
    PreparedStatement m_statement;
    sqlite3_stmt* m_stmt; ///< m_statement's
    int m_firstStep;      ///< the first step's result until fetched, then kNoStep
    std::vector<ColumnInfo> m_columns;
    bool m_done = false;
};

/// True when nothing but blanks and comments is left of a statement text.
bool blank(sqlite3* db, const char* tail, const char* end)
{
    PreparedStatement next;
    if (sqlite3_prepare_v2(db, tail, static_cast<int>(end - tail), next.out(), nullptr) !=
        SQLITE_OK)
        return false;
    return next.get() == nullptr;
}

/// Raises DbError when the database file was moved or deleted since it was opened: the
/// connection would go on writing into a file nobody will open again.
void checkFileInPlace(sqlite3* db)
{
    int moved = 0;
    if (sqlite3_file_control(db, "main", SQLITE_FCNTL_HAS_MOVED, &moved) != SQLITE_OK || !moved)
        return;
    throw DbError(
        QStringLiteral("The database file %1 was moved or deleted while the program "
                       "was using it; nothing was written. Put the file back and start "
                       "the program again.")
            .arg(QDir::toNativeSeparators(QString::fromUtf8(sqlite3_db_filename(db, "main")))));
}

/// True when nothing but blanks is left of a statement text.
bool onlyBlanks(const char* tail, const char* end)
{
    return std::all_of(tail, end, [](char c) {
        return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
    });
}

} // namespace

SqliteSession::SqliteSession(sqlite3* db, QString folder)
    : m_db(db), m_folder(std::move(folder)), m_statements(std::make_shared<StatementCache>())
{
}

SqliteSession::~SqliteSession()
{
    sqlite3_finalize(m_dataVersion);
    sqlite3_finalize(m_schemaVersion);
    m_statements.reset(); // statements still running are finalized when their cursors go
    sqlite3_close_v2(m_db);
}

std::unique_ptr<Cursor> SqliteSession::execute(const QString& sql,
                                               const std::vector<QVariant>& params)
{
    // The engine would read the text only up to the NUL, and run what is left of it.
    if (sql.contains(QChar(u'\0')))
        throw DbError(QStringLiteral("The statement holds a NUL character (code 0), which no "
                                     "statement may hold; it was not run."));
    checkFileInPlace(m_db);
    const Translation translation = m_translations.translate(sql);
    if (translation.readsDatabaseList)
        refreshDatabaseList(m_db, m_folder);
    std::size_t nextParam = 0;
    if (!translation.condition.isEmpty()) {
        const std::unique_ptr<Cursor> answer = run(translation.condition, params, nextParam);
        std::vector<QVariant> row;
        const bool exists = answer->fetch(row) && row.front().toLongLong() != 0;
        if (exists != translation.runWhen) {
            m_rowsAffected = 0;
            return nullptr;
        }
    }
    // Statements that differ only in their literals share one prepared statement.
    if (translation.literals && params.empty() && runWithLiteralsAsValues(*translation.literals))
        return nullptr;
    std::unique_ptr<Cursor> cursor = run(translation.sql, params, nextParam);
    if (nextParam != params.size())
        throw DbError(QStringLiteral("The statement has %1 parameter markers but %2 values were "
                                     "given.")
                          .arg(nextParam)
                          .arg(params.size()));
    return cursor;
}

std::unique_ptr<Cursor> SqliteSession::run(const QString& sql, const std::vector<QVariant>& params,
                                           std::size_t& nextParam)
{
    const QByteArray utf8 = sql.toUtf8();
    const char* const start = utf8.constData();
    const char* tail = start;
    const char* const end = tail + utf8.size();
    m_rowsAffected = 0;
    while (tail < end) {
        PreparedStatement stmt;
        const char* rest = end;
        if (tail == start)
            stmt = PreparedStatement(m_statements->take(utf8));
        if (stmt.get() == nullptr && sqlite3_prepare_v2(m_db, tail, static_cast<int>(end - tail),
                                                        stmt.out(), &rest) != SQLITE_OK)
            throw DbError(errorText(m_db));
        // A text of one statement keeps it prepared for the text's next run.
        if (tail == start && stmt.get() != nullptr && onlyBlanks(rest, end))
            stmt.keepIn(m_statements, utf8);
        tail = rest;
        if (stmt.get() == nullptr)
            continue; // blanks or comments only
        if (std::unique_ptr<Cursor> cursor =
                runStatement(std::move(stmt), params, nextParam, tail, end))
            return cursor;
    }
    return nullptr;
}

bool SqliteSession::runWithLiteralsAsValues(const LiteralValues& shaped)
{
    const QByteArray utf8 = shaped.text.toUtf8();
    const char* const end = utf8.constData() + utf8.size();
    PreparedStatement stmt(m_statements->take(utf8));
    if (stmt.get() == nullptr) {
        const char* rest = nullptr;
        // Not one statement without rows, or a literal SQLite reads as a name: the text runs as
        // it stands.
        if (sqlite3_prepare_v2(m_db, utf8.constData(), static_cast<int>(utf8.size()), stmt.out(),
                               &rest) != SQLITE_OK ||
            stmt.get() == nullptr || !onlyBlanks(rest, end) || sqlite3_column_count(stmt.get()) > 0)
            return false;
    }
    stmt.keepIn(m_statements, utf8);
    m_rowsAffected = 0;
    std::size_t nextValue = 0;
    runStatement(std::move(stmt), shaped.values, nextValue, end, end);
    return true;
}

std::unique_ptr<Cursor> SqliteSession::runStatement(PreparedStatement stmt,
                                                    const std::vector<QVariant>& params,
                                                    std::size_t& nextParam, const char* tail,
                                                    const char* end)
{
    const int markers = sqlite3_bind_parameter_count(stmt.get());
    for (int i = 1; i <= markers; ++i) {
        if (nextParam >= params.size())
            throw DbError(QStringLiteral("The statement has more parameter markers than the "
                                         "%1 values given.")
                              .arg(params.size()));
        bind(m_db, stmt.get(), i, params[nextParam++]);
    }
    if (sqlite3_column_count(stmt.get()) > 0) {
        if (!blank(m_db, tail, end))
            throw DbError(QStringLiteral("Only the last statement of a text may return rows."));
        // Stepped before its columns are read: the first step prepares the statement again
        // when another connection changed the schema since this one last looked.
        const int rc = step(m_db, stmt.get(), true);
        if (rc != SQLITE_ROW && rc != SQLITE_DONE)
            throw DbError(stepError(m_db, rc));
        return std::make_unique<SqliteCursor>(m_db, std::move(stmt), rc);
    }
    const int rc = step(m_db, stmt.get(), true);
    if (rc != SQLITE_DONE)
        throw DbError(stepError(m_db, rc));
    m_rowsAffected = sqlite3_changes64(m_db);
    return nullptr;
}

QVariant SqliteSession::lastInsertedRowIdentity()
{
    return QVariant(static_cast<qint64>(sqlite3_last_insert_rowid(m_db)));
}

std::optional<qint64> SqliteSession::pragmaValue(sqlite3_stmt*& statement, const char* text)
{
    if (statement == nullptr && sqlite3_prepare_v3(m_db, text, -1, SQLITE_PREPARE_PERSISTENT,
                                                   &statement, nullptr) != SQLITE_OK)
        return std::nullopt;
    std::optional<qint64> value;
    if (sqlite3_step(statement) == SQLITE_ROW)
        value = sqlite3_column_int64(statement, 0);
    sqlite3_reset(statement);
    return value;
}

std::optional<ChangeStamp> SqliteSession::changeStamp()
{
    const std::optional<qint64> data = pragmaValue(m_dataVersion, "PRAGMA data_version");
    const std::optional<qint64> schema = pragmaValue(m_schemaVersion, "PRAGMA schema_version");
    if (!data || !schema)
        return std::nullopt;
    return ChangeStamp{*data, sqlite3_total_changes64(m_db), *schema};
}

std::optional<QString> SqliteSession::rowDigestExpression(const QStringList& columns) const
{
    if (columns.isEmpty() || columns.size() > sqlite3_limit(m_db, SQLITE_LIMIT_FUNCTION_ARG, -1))
        return std::nullopt;
    return rowDigestCall(columns);
}

std::unique_ptr<EngineSession> openSession(const ConnectionSettings& settings)
{
    const QString folder = embeddedServerFolder(settings.Server);
    if (!QDir(folder).exists())
        throw DbError(QStringLiteral("The embedded database server %1 does not exist: there is "
                                     "no folder %2.")
                          .arg(settings.Server, folder));
    const QString name = settings.Database.isEmpty() ? kMasterDatabase : settings.Database;
    if (name.contains(u'/') || name.contains(u'\\') || name.contains(QChar()) || name == u"." ||
        name == u"..")
        throw DbError(QStringLiteral("\"%1\" is not a valid database name.").arg(name));

    QString file = databaseFile(folder, name);
    const bool master = name.compare(kMasterDatabase, Qt::CaseInsensitive) == 0;
    if (file.isEmpty() && !master)
        throw DbError(QStringLiteral("Cannot open database \"%1\": there is no file %1.db on the "
                                     "embedded server %2.")
                          .arg(name, folder));
    // A session is used by one thread at a time: the engine need not lock it on every call.
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX;
    if (file.isEmpty()) {
        file = QStringLiteral(":memory:"); // master without a file of its own
        flags |= SQLITE_OPEN_MEMORY;
    }
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(file.toUtf8().constData(), &db, flags, nullptr);
    auto session = std::make_unique<SqliteSession>(db, folder);
    if (rc != SQLITE_OK)
        throw DbError(QStringLiteral("Cannot open database \"%1\": %2").arg(name, errorText(db)));
    sqlite3_extended_result_codes(db, 1);
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    // A "double-quoted" name is always a name, never a string that happens to fit.
    sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
    try {
        // Readers and the one writer of a farm do not block each other.
        executeScript(db, QStringLiteral("PRAGMA journal_mode=WAL;"));
        installCatalogue(db, name);
        installRowDigest(db);
    } catch (const DbError& error) {
        throw DbError(QStringLiteral("Cannot open database \"%1\": %2").arg(name, error.message()));
    }
    return session;
}

} // namespace db::sqlite
