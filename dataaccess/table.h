#pragma once

#include "dataaccess/dataset.h"

#include <QString>
#include <QVariant>
#include <QVariantList>
#include <optional>

namespace db {

/// All rows of one table, read whole, with a current row that can be inserted, edited, posted
/// and deleted. Each row is identified by the engine's row identity, so Post and Delete change
/// exactly the current row, also in a table without a key and beside an identical row.
class Table : public Dataset {
    Q_OBJECT
public:
    /// `tableName` as a statement would name it: "2Tarvex", "SqlCommands", "Dbo.Info".
    Table(Connection& connection, const QString& tableName, QObject* parent = nullptr);

    QString TableName() const { return m_tableName; }
    /// Changes the table; an open dataset is closed first.
    void setTableName(const QString& tableName);

    /// Reads all rows; the first becomes current. DbError on failure (closed afterwards).
    void Open();
    /// Reads the rows again when something was written since they were read; where the engine
    /// can tell which rows changed, only those are read. The current row stays current while it
    /// still exists, otherwise the row now at its place (or the last row) is. A pending insert
    /// or edit is dropped.
    void Refresh();

    /// Searches from the first row for a row whose fields, named in `fields` separated by ";"
    /// ("Sec;Titr"), equal `values` in order: exact, case-sensitive comparison of the values as
    /// text, null matching only null. Found: it becomes current and the answer is true.
    /// Not found: the current row stays. DbError for an unknown field or a count mismatch.
    bool Locate(const QString& fields, const QVariantList& values);

    /// The row filter: conditions `Field = 'text'` or `Field = number`, joined by AND, compared
    /// exactly as Locate compares. Takes effect while Filtered is on, on the rows read again;
    /// an empty filter shows all. A filter of any other form raises DbError when it takes
    /// effect.
    void setFilter(const QString& filter);
    QString Filter() const { return m_filter; }
    void setFiltered(bool filtered);
    bool Filtered() const { return m_filtered; }

    /// Starts a new row: every field null until written.
    void Insert();
    /// Starts editing the current row; DbError when there is none.
    void Edit();
    /// Writes the pending insert (the fields written, others take their defaults) or edit (the
    /// fields changed) to the database and reads the rows again, with the posted row current.
    /// DbError on failure, or when the edited row no longer exists; the edit stays pending.
    void Post();
    /// Drops a pending insert or edit.
    void Cancel();
    /// Deletes the current row from the database; the row after it becomes current. DbError
    /// when there is none or the row no longer exists.
    void Delete();

protected:
    void connectionClosing() override;
    /// Moving away from a pending insert or edit posts it first.
    void settlePending() override;

private:
    struct Condition {
        int field;
        QString text;
    };
    /// One row of the table as last read, shown or filtered out.
    struct RowMark {
        QVariant identity;
        qint64 digest = 0; ///< of its values, when the marks have digests
        bool shown = false;
    };
    /// Where the database stands now; nullopt when the engine cannot tell.
    std::optional<ChangeStamp> stampNow() const;
    /// Reads the rows after a change, `stamp` having been taken since: only those that changed
    /// where the engine can tell which, otherwise all of them.
    void readAgain(const QVariant& keepIdentity, int keepRow,
                   const std::optional<ChangeStamp>& stamp);
    void readAll(const QVariant& keepIdentity, int keepRow);
    /// False, having changed nothing, when the rows that changed cannot be told or read apart.
    bool readChanges(const QVariant& keepIdentity, int keepRow,
                     const std::optional<ChangeStamp>& stamp);
    /// Reads the values of the rows [first, end) of `marks` into `values`, one row each. False
    /// when one of them changed or went since `marks` was read.
    bool readRows(const std::vector<RowMark>& marks, std::size_t first, std::size_t end,
                  std::vector<std::vector<QVariant>>& values);
    std::vector<Condition> parseFilter(const std::vector<ColumnInfo>& columns) const;
    /// True when the values of `row` from `skip` on meet every condition.
    static bool passes(const std::vector<Condition>& conditions, const std::vector<QVariant>& row,
                       int skip);
    void markShown();
    QVariant currentIdentity() const;
    QStringList fieldNames() const;

    QString m_tableName;
    QString m_filter;
    bool m_filtered = false;
    QString m_identityExpression;
    /// Where the database stood when the rows were read; nullopt when the engine cannot tell.
    std::optional<ChangeStamp> m_readStamp;
    /// The expression the marks' digests were read with; empty when they have none.
    QString m_digestExpression;
    /// Every row of the table as last read, in the order read.
    std::vector<RowMark> m_marks;
    /// For each row shown, its index in m_marks.
    std::vector<int> m_shown;
};

} // namespace db
