#pragma once

#include "dataaccess/base/connection_settings.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <optional>
#include <vector>

namespace db {

/// One column of a result.
struct ColumnInfo {
    QString name; ///< as the statement names it: the alias, else the column's own name
    /// The declared type in lower case without its size ("nvarchar", "int", "float"); empty
    /// for a computed column. Fields use it to convert text written to them.
    QString declaredType;
};

/// The rows of one statement's result, read forward once. A cursor is read to its end or
/// destroyed before its session runs the next statement.
class Cursor {
public:
    virtual ~Cursor();
    virtual const std::vector<ColumnInfo>& columns() const = 0;
    /// Reads the next row into `row`, one value per column: a null QVariant, qint64, double,
    /// QString (whole, however long) or QByteArray. False after the last row. Raises DbError.
    virtual bool fetch(std::vector<QVariant>& row) = 0;
};

/// Where a database stands: equal stamps taken by one session mean that nothing was written to
/// the database between them, by this session or by any other.
struct ChangeStamp {
    qint64 othersVersion = 0; ///< moves when another connection commits a change
    qint64 ownChanges = 0;    ///< rows this session has changed so far
    qint64 schemaVersion = 0; ///< moves when a table or index is made, altered or dropped
    bool operator==(const ChangeStamp&) const = default;
};

/// One open connection of an engine. Everything runs synchronously on the calling thread.
class EngineSession {
public:
    virtual ~EngineSession();

    /// Runs a statement text written in T-SQL as the system writes it, with `params` bound in
    /// order to its "?" markers (text always as Unicode). Returns the cursor of a row-returning
    /// statement, nullptr for one that returns no rows. Raises DbError with the engine's text.
    virtual std::unique_ptr<Cursor> execute(const QString& sql,
                                            const std::vector<QVariant>& params) = 0;

    /// Rows changed by the last statement that returned no rows; -1 when the engine cannot tell.
    virtual qint64 rowsAffected() const = 0;

    /// An expression that names one row of a table both in a select list and in a WHERE
    /// condition, so that exactly that row is reached again even when another row holds the
    /// same values and the table has no key: "rowid" on SQLite, "%%physloc%%" on SQL Server.
    virtual QString rowIdentityExpression() const = 0;

    /// The identity (as rowIdentityExpression() reads it) of the row the last INSERT of this
    /// session added; a null QVariant when the engine cannot tell.
    virtual QVariant lastInsertedRowIdentity() = 0;

    /// Where the database stands now, so that a reader can tell whether anything changed since
    /// it last read; nullopt when the engine cannot tell (then every read must be done again).
    virtual std::optional<ChangeStamp> changeStamp() { return std::nullopt; }

    /// An expression that reads, for one row, an integer digest of the values of `columns`
    /// (names as a table has them): the same values give the same digest within this process,
    /// changed values almost certainly another. A reader that kept the digests of the rows it
    /// read can then read again only the rows that changed. nullopt when the engine has none.
    virtual std::optional<QString> rowDigestExpression(const QStringList& columns) const
    {
        Q_UNUSED(columns);
        return std::nullopt;
    }
};

} // namespace db
