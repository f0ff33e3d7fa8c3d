#pragma once

#include "dataaccess/field.h"

#include <QObject>
#include <QPointer>
#include <QVariant>
#include <deque>
#include <vector>

namespace db {

class Connection;

enum class DatasetState { Inactive, Browse, Edit, Insert };

/// Rows of a result held client side, with a current row: what queries and tables share, and
/// what data sources and grid models show. Row counts and moving back to the first row
/// therefore work on every engine, also on forward-only ones.
class Dataset : public QObject {
    Q_OBJECT
public:
    explicit Dataset(Connection& connection, QObject* parent = nullptr);
    ~Dataset() override;

    /// The connection statements run on; a dataset that is open is closed first.
    void setConnection(Connection& connection);
    /// Null once the connection has been destroyed.
    Connection* connection() const;

    bool Active() const { return m_state != DatasetState::Inactive; }
    DatasetState State() const { return m_state; }
    /// Drops the rows and any pending insert or edit. Never fails.
    void Close();

    int RecordCount() const;
    bool IsEmpty() const { return RecordCount() == 0; }
    /// Moves to the first row; Eof is then true only when there is none.
    void First();
    /// Moves one row on; on the last row it stays there and Eof becomes true.
    void Next();
    /// True after Next on the last row, and whenever there is no row.
    bool Eof() const;
    /// The current row, 0-based; -1 when there is none.
    int currentRow() const { return m_current; }
    /// Makes `row` current (clamped to the rows there are); Eof becomes false. Like First and
    /// Next, it settles a pending insert or edit first: a table posts it (DbError on failure).
    void setCurrentRow(int row);

    int FieldCount() const { return static_cast<int>(m_fields.size()); }
    /// Raises DbError when `index` is out of range.
    Field& Fields(int index);
    /// Finds the field without regard to letter case; DbError naming the field when absent.
    Field& FieldByName(const QString& name);
    /// The same lookup, or nullptr.
    Field* FindField(const QString& name);

    /// The value at a row and field index, as the grid shows it; null outside the rows.
    QVariant value(int row, int field) const;

signals:
    /// The rows or the fields changed as a whole: opened, closed, refreshed, filtered.
    void contentReset();
    /// A re-read with the same fields found rows [first, first + removed) replaced by `inserted`
    /// rows, the rows before and after unchanged; rowsReplaced follows once the new rows are in.
    void rowsAboutToBeReplaced(int first, int removed, int inserted);
    void rowsReplaced(int first, int removed, int inserted);
    /// One row's values changed in place (a posted edit).
    void rowChanged(int row);
    void currentRowChanged(int row);
    /// State() changed (browse, edit, insert, inactive).
    void stateChanged();

protected:
    /// Runs a statement on the connection and returns its cursor (nullptr for no rows), with
    /// rowsAffected. Raises DbError when the connection is missing or not connected.
    std::unique_ptr<Cursor> run(const QString& sql, const std::vector<QVariant>& params,
                                qint64* rowsAffected = nullptr);
    /// Takes the columns (fields are made from them) and rows of a freshly read result.
    void setResult(const std::vector<ColumnInfo>& columns, std::vector<std::vector<QVariant>> rows,
                   int current);
    /// Replaces the rows, keeping the fields; `inPlace` tells the rows that changed rather than
    /// announcing new content.
    void setRows(std::vector<std::vector<QVariant>> rows, int current, bool inPlace = false);
    /// Replaces rows [first, first + removed) with `inserted`, keeping the fields and the rows
    /// around them, and makes `current` the current row. A pending insert or edit is dropped.
    void replaceRows(int first, int removed, std::vector<std::vector<QVariant>> inserted,
                     int current);
    void setState(DatasetState state);
    std::vector<std::vector<QVariant>>& rows() { return m_rows; }
    const std::vector<std::vector<QVariant>>& rows() const { return m_rows; }
    const std::vector<ColumnInfo>& columns() const { return m_columns; }

    /// The edit buffer of a pending insert or edit, one value per field, and which were written.
    std::vector<QVariant>& buffer() { return m_buffer; }
    const std::vector<bool>& assigned() const { return m_assigned; }
    void startBuffer(std::vector<QVariant> values);

    /// Called when the connection is about to close; the default closes the dataset.
    virtual void connectionClosing();
    /// Called before the current row moves while inserting or editing; the default drops the
    /// pending change, a table posts it.
    virtual void settlePending();

private:
    friend class Field;
    /// After the rows changed: no pending change, `current` (clamped) current, browsing.
    void settleRows(int current);
    QVariant fieldValue(int field) const;
    void writeField(int field, const QVariant& value);

    QPointer<Connection> m_connection;
    QMetaObject::Connection m_closingLink;
    DatasetState m_state = DatasetState::Inactive;
    std::vector<ColumnInfo> m_columns;
    std::deque<Field> m_fields;
    std::vector<std::vector<QVariant>> m_rows;
    int m_current = -1;
    bool m_eof = true;
    std::vector<QVariant> m_buffer;
    std::vector<bool> m_assigned;
};

} // namespace db
