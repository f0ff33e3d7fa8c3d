#include "dataaccess/odbc/odbc_connection.h"

#include "dataaccess/base/db_error.h"
#include "dataaccess/odbc/wide_text.h"

#include <algorithm>
#include <array>
#include <limits>
#include <sqlext.h>

namespace db::odbc {
namespace {

/// Code units read by one SQLGetData call; a longer text is read in several pieces.
constexpr SQLLEN chunkUnits = 8192;
/// Bytes of one binary piece.
constexpr SQLLEN chunkBytes = 16384;
/// Longest text SQL Server takes as nvarchar(n); longer text is sent as nvarchar(max).
constexpr SQLULEN longestShortText = 4000;
/// Longest binary SQL Server takes as varbinary(n).
constexpr SQLULEN longestShortBinary = 8000;

enum class ColumnKind { Integer, Real, Binary, Text };

ColumnKind kindOf(SQLSMALLINT sqlType)
{
    switch (sqlType) {
    case SQL_BIT:
    case SQL_TINYINT:
    case SQL_SMALLINT:
    case SQL_INTEGER:
    case SQL_BIGINT:
        return ColumnKind::Integer;
    case SQL_REAL:
    case SQL_FLOAT:
    case SQL_DOUBLE:
        return ColumnKind::Real;
    case SQL_BINARY:
    case SQL_VARBINARY:
    case SQL_LONGVARBINARY:
        return ColumnKind::Binary;
    default:
        // Text, and what is exact only as text: decimal, numeric, dates, times, identifiers.
        return ColumnKind::Text;
    }
}

/// The longest connection string SQLDriverConnectW can be told the length of (a 16-bit count).
constexpr qsizetype longestConnectionString = std::numeric_limits<SQLSMALLINT>::max();

/// Owns one statement handle; freeing it on destruction also closes its cursor.
class Statement {
public:
    /// A statement that gives up waiting for the server after `timeoutSeconds` (0: never).
    Statement(SQLHDBC connection, int timeoutSeconds)
        : m_handle(SQL_HANDLE_STMT, connection), m_timeoutSeconds(timeoutSeconds)
    {
        if (timeoutSeconds > 0)
            odbc::check(
                SQLSetStmtAttr(
                    m_handle.get(), SQL_ATTR_QUERY_TIMEOUT,
                    reinterpret_cast<SQLPOINTER>(static_cast<std::intptr_t>(timeoutSeconds)), 0),
                SQL_HANDLE_STMT, m_handle.get(),
                QStringLiteral("The ODBC driver refused the statement timeout."));
        // A forward-only, read-only cursor: FreeTDS then reads the rows as the server sends them
        // instead of opening a server cursor.
        odbc::check(SQLSetStmtAttr(m_handle.get(), SQL_ATTR_CURSOR_TYPE,
                                   reinterpret_cast<SQLPOINTER>(
                                       static_cast<std::intptr_t>(SQL_CURSOR_FORWARD_ONLY)),
                                   0),
                    SQL_HANDLE_STMT, m_handle.get(),
                    QStringLiteral("The ODBC driver refused a forward-only cursor."));
    }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    SQLHSTMT get() const { return m_handle.get(); }

    /// Raises DbError with `what` and the driver's messages unless `rc` is a success; a
    /// statement the server left unanswered past the timeout (HYT00) says so first, in words the
    /// user can act on.
    void check(SQLRETURN rc, const QString& what) const
    {
        if (succeeded(rc))
            return;
        const std::vector<Diagnostic> records = diagnosticsOf(SQL_HANDLE_STMT, m_handle.get());
        const bool timedOut = std::any_of(records.begin(), records.end(), [](const Diagnostic& d) {
            return d.state == QLatin1String("HYT00");
        });
        if (!timedOut)
            odbc::check(rc, SQL_HANDLE_STMT, m_handle.get(), what);
        throw DbError(QStringLiteral("The database server did not answer within %1 seconds; the "
                                     "statement was given up (FARM_STATEMENT_TIMEOUT sets the "
                                     "wait).\n")
                          .arg(m_timeoutSeconds) +
                      diagnosticText(records));
    }

private:
    Handle m_handle;
    int m_timeoutSeconds;
};

/// Keeps every bound parameter's value alive until the statement has run.
class ParameterBinder {
public:
    /// Room for `count` parameters is made at once: the driver keeps the addresses of the values.
    ParameterBinder(const Statement& statement, std::size_t count) : m_statement(statement)
    {
        m_bound.reserve(count);
    }

    void bind(SQLUSMALLINT number, const QVariant& value)
    {
        Bound& bound = m_bound.emplace_back();
        const QString what = QStringLiteral("The ODBC driver refused parameter %1.").arg(number);
        if (value.isNull()) {
            bound.indicator = SQL_NULL_DATA;
            m_statement.check(SQLBindParameter(m_statement.get(), number, SQL_PARAM_INPUT,
                                               SQL_C_WCHAR, SQL_WVARCHAR, 1, 0, nullptr, 0,
                                               &bound.indicator),
                              what);
            return;
        }
        switch (value.metaType().id()) {
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Long:
        case QMetaType::LongLong:
        case QMetaType::Short:
        case QMetaType::UShort:
            bound.integer = value.toLongLong();
            m_statement.check(SQLBindParameter(m_statement.get(), number, SQL_PARAM_INPUT,
                                               SQL_C_SBIGINT, SQL_BIGINT, 0, 0, &bound.integer, 0,
                                               nullptr),
                              what);
            return;
        case QMetaType::Double:
        case QMetaType::Float:
            bound.real = value.toDouble();
            m_statement.check(SQLBindParameter(m_statement.get(), number, SQL_PARAM_INPUT,
                                               SQL_C_DOUBLE, SQL_DOUBLE, 15, 0, &bound.real, 0,
                                               nullptr),
                              what);
            return;
        case QMetaType::QByteArray: {
            bound.bytes = value.toByteArray();
            bound.indicator = bound.bytes.size();
            const auto size = static_cast<SQLULEN>(std::max<qsizetype>(bound.bytes.size(), 1));
            m_statement.check(
                SQLBindParameter(m_statement.get(), number, SQL_PARAM_INPUT, SQL_C_BINARY,
                                 size > longestShortBinary ? SQL_LONGVARBINARY : SQL_VARBINARY,
                                 size, 0, bound.bytes.data(), bound.indicator, &bound.indicator),
                what);
            return;
        }
        default: {
            const QString text = value.toString();
            bound.text = toWide(text);
            bound.indicator = static_cast<SQLLEN>(text.size() * sizeof(SQLWCHAR));
            const auto size = static_cast<SQLULEN>(std::max<qsizetype>(text.size(), 1));
            m_statement.check(
                SQLBindParameter(m_statement.get(), number, SQL_PARAM_INPUT, SQL_C_WCHAR,
                                 size > longestShortText ? SQL_WLONGVARCHAR : SQL_WVARCHAR, size, 0,
                                 bound.text.data(),
                                 static_cast<SQLLEN>(bound.text.size() * sizeof(SQLWCHAR)),
                                 &bound.indicator),
                what);
            return;
        }
        }
    }

private:
    struct Bound {
        SQLLEN indicator = 0;
        SQLBIGINT integer = 0;
        double real = 0;
        QByteArray bytes;
        std::vector<SQLWCHAR> text;
    };
    const Statement& m_statement;
    std::vector<Bound> m_bound;
};

/// Reads one column of the current row with SQLGetData, piece after piece until complete.
class ColumnReader {
public:
    explicit ColumnReader(const Statement& statement) : m_statement(statement) {}

    QVariant read(SQLUSMALLINT column, ColumnKind kind)
    {
        switch (kind) {
        case ColumnKind::Integer: {
            SQLBIGINT value = 0;
            SQLLEN indicator = 0;
            m_statement.check(
                SQLGetData(m_statement.get(), column, SQL_C_SBIGINT, &value, 0, &indicator),
                failedColumn(column));
            return indicator == SQL_NULL_DATA ? QVariant()
                                              : QVariant(static_cast<qlonglong>(value));
        }
        case ColumnKind::Real: {
            double value = 0;
            SQLLEN indicator = 0;
            m_statement.check(
                SQLGetData(m_statement.get(), column, SQL_C_DOUBLE, &value, 0, &indicator),
                failedColumn(column));
            return indicator == SQL_NULL_DATA ? QVariant() : QVariant(value);
        }
        case ColumnKind::Binary:
            return readBinary(column);
        case ColumnKind::Text:
            return readText(column);
        }
        return {};
    }

private:
    QString failedColumn(SQLUSMALLINT column) const
    {
        return QStringLiteral("Column %1 of the result could not be read.").arg(column);
    }

    QVariant readText(SQLUSMALLINT column)
    {
        // Each piece ends with a NUL the driver adds, so one call returns at most
        // chunkUnits - 1 code units; the indicator gives the bytes still to come, or SQL_NO_TOTAL.
        std::vector<SQLWCHAR> buffer(static_cast<std::size_t>(chunkUnits), 0);
        const SQLLEN bufferBytes = chunkUnits * static_cast<SQLLEN>(sizeof(SQLWCHAR));
        const SQLLEN pieceUnits = chunkUnits - 1;
        QString text;
        for (;;) {
            SQLLEN indicator = 0;
            const SQLRETURN rc = SQLGetData(m_statement.get(), column, SQL_C_WCHAR, buffer.data(),
                                            bufferBytes, &indicator);
            if (rc == SQL_NO_DATA)
                return text;
            m_statement.check(rc, failedColumn(column));
            if (indicator == SQL_NULL_DATA)
                return QVariant();
            const bool whole = indicator != SQL_NO_TOTAL &&
                               indicator <= pieceUnits * static_cast<SQLLEN>(sizeof(SQLWCHAR));
            const qsizetype units =
                whole ? indicator / static_cast<SQLLEN>(sizeof(SQLWCHAR)) : pieceUnits;
            text += fromWide(buffer.data(), units);
            if (whole)
                return text;
        }
    }

    QVariant readBinary(SQLUSMALLINT column)
    {
        QByteArray buffer(chunkBytes, Qt::Uninitialized);
        QByteArray bytes;
        for (;;) {
            SQLLEN indicator = 0;
            const SQLRETURN rc = SQLGetData(m_statement.get(), column, SQL_C_BINARY, buffer.data(),
                                            chunkBytes, &indicator);
            if (rc == SQL_NO_DATA)
                return bytes;
            m_statement.check(rc, failedColumn(column));
            if (indicator == SQL_NULL_DATA)
                return QVariant();
            const bool whole = indicator != SQL_NO_TOTAL && indicator <= chunkBytes;
            bytes.append(buffer.constData(), whole ? indicator : chunkBytes);
            if (whole)
                return bytes;
        }
    }

    const Statement& m_statement;
};

/// The column's type as the server names it, in lower case without size or "identity":
/// "nvarchar", "int", "float".
QString typeNameOf(const Statement& statement, SQLUSMALLINT column)
{
    std::array<SQLWCHAR, 128> name{};
    SQLSMALLINT bytes = 0;
    if (!succeeded(SQLColAttributeW(statement.get(), column, SQL_DESC_TYPE_NAME, name.data(),
                                    static_cast<SQLSMALLINT>(name.size() * sizeof(SQLWCHAR)),
                                    &bytes, nullptr)))
        return {};
    QString type = fromWideBuffer(name.data(), static_cast<qsizetype>(name.size())).toLower();
    type = type.left(type.indexOf(QLatin1Char('('))).trimmed();
    if (type.endsWith(QLatin1String(" identity")))
        type.chop(9);
    return type;
}

/// Reads the column names and every row of the statement's current result set.
void readRows(const Statement& statement, SQLSMALLINT columnCount, StatementResult& result)
{
    std::vector<ColumnKind> kinds;
    for (SQLUSMALLINT column = 1; column <= columnCount; ++column) {
        std::array<SQLWCHAR, 256> name{};
        SQLSMALLINT nameLength = 0;
        SQLSMALLINT sqlType = 0;
        SQLULEN size = 0;
        SQLSMALLINT digits = 0;
        SQLSMALLINT nullable = 0;
        statement.check(
            SQLDescribeColW(statement.get(), column, name.data(),
                            static_cast<SQLSMALLINT>(name.size()), &nameLength, &sqlType, &size,
                            &digits, &nullable),
            QStringLiteral("Column %1 of the result could not be described.").arg(column));
        ColumnInfo& info = result.columns.emplace_back();
        info.name = fromWideBuffer(name.data(), static_cast<qsizetype>(name.size()));
        info.declaredType = typeNameOf(statement, column);
        kinds.push_back(kindOf(sqlType));
    }
    ColumnReader reader(statement);
    for (;;) {
        const SQLRETURN rc = SQLFetch(statement.get());
        if (rc == SQL_NO_DATA)
            return;
        statement.check(rc, QStringLiteral("The next row of the result could not be read."));
        std::vector<QVariant>& row = result.rows.emplace_back();
        row.reserve(kinds.size());
        for (SQLUSMALLINT column = 1; column <= columnCount; ++column)
            row.push_back(reader.read(column, kinds[column - 1]));
    }
}

/// True when the driver manager itself reports that the driver could not be found or loaded.
bool driverNotLoaded(const std::vector<Diagnostic>& records)
{
    for (const Diagnostic& record : records) {
        if (record.state == QLatin1String("IM002") || record.state == QLatin1String("IM003") ||
            record.message.contains(QLatin1String("[Driver Manager]Can't open lib")))
            return true;
    }
    return false;
}

} // namespace

OdbcConnection::OdbcConnection(const QString& connectionString, int loginTimeoutSeconds,
                               int statementTimeoutSeconds)
    : m_connection(SQL_HANDLE_DBC, m_environment.get()),
      m_statementTimeoutSeconds(statementTimeoutSeconds)
{
    // A longer string's count would wrap, and the driver would log in with what is left of it.
    if (connectionString.size() > longestConnectionString)
        throw DbError(QStringLiteral("The connection string is %1 characters long; the ODBC "
                                     "driver manager takes at most %2. Shorten the settings.")
                          .arg(connectionString.size())
                          .arg(longestConnectionString));
    const SQLHDBC dbc = m_connection.get();
    check(SQLSetConnectAttr(
              dbc, SQL_ATTR_LOGIN_TIMEOUT,
              reinterpret_cast<SQLPOINTER>(static_cast<std::intptr_t>(loginTimeoutSeconds)), 0),
          SQL_HANDLE_DBC, dbc,
          QStringLiteral("The ODBC driver manager refused the login timeout."));
    std::vector<SQLWCHAR> text = toWide(connectionString);
    std::array<SQLWCHAR, 1024> completed{};
    SQLSMALLINT completedLength = 0;
    const SQLRETURN rc = SQLDriverConnectW(
        dbc, nullptr, text.data(), static_cast<SQLSMALLINT>(connectionString.size()),
        completed.data(), static_cast<SQLSMALLINT>(completed.size()), &completedLength,
        SQL_DRIVER_NOPROMPT);
    if (!succeeded(rc)) {
        const std::vector<Diagnostic> records = diagnosticsOf(SQL_HANDLE_DBC, dbc);
        const QString message =
            QStringLiteral("Could not connect to the database server.\n") + diagnosticText(records);
        if (driverNotLoaded(records))
            throw DriverNotLoaded(message);
        throw DbError(message);
    }
    m_connected = true;
}

OdbcConnection::~OdbcConnection()
{
    if (m_connected)
        SQLDisconnect(m_connection.get());
}

StatementResult OdbcConnection::execute(const QString& sql, const std::vector<QVariant>& parameters)
{
    Statement statement(m_connection.get(), m_statementTimeoutSeconds);
    ParameterBinder binder(statement, parameters.size());
    for (std::size_t i = 0; i < parameters.size(); ++i)
        binder.bind(static_cast<SQLUSMALLINT>(i + 1), parameters[i]);

    std::vector<SQLWCHAR> text = toWide(sql);
    SQLRETURN rc =
        SQLExecDirectW(statement.get(), text.data(), static_cast<SQLINTEGER>(sql.size()));
    StatementResult result;
    if (rc == SQL_NO_DATA)
        result.rowsAffected = 0; // a searched UPDATE or DELETE that met no row
    bool rowsTaken = false;
    // A batch yields one result per statement; the first set of rows is kept, every other result
    // is read through to its end so that an error in any of them reaches the caller.
    while (rc != SQL_NO_DATA) {
        statement.check(rc, QStringLiteral("The statement failed."));
        SQLSMALLINT columnCount = 0;
        statement.check(SQLNumResultCols(statement.get(), &columnCount),
                        QStringLiteral("The statement's result could not be described."));
        if (columnCount > 0 && !rowsTaken) {
            readRows(statement, columnCount, result);
            rowsTaken = true;
        } else if (columnCount == 0) {
            SQLLEN count = -1;
            if (succeeded(SQLRowCount(statement.get(), &count)) && count >= 0)
                result.rowsAffected = count;
        }
        rc = SQLMoreResults(statement.get());
    }
    return result;
}

QString OdbcConnection::serverProduct() const
{
    std::array<SQLWCHAR, 256> name{};
    SQLSMALLINT bytes = 0;
    check(SQLGetInfoW(m_connection.get(), SQL_DBMS_NAME, name.data(),
                      static_cast<SQLSMALLINT>(name.size() * sizeof(SQLWCHAR)), &bytes),
          SQL_HANDLE_DBC, m_connection.get(),
          QStringLiteral("The database server did not name itself."));
    return fromWideBuffer(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace db::odbc
