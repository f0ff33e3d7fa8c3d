#include "dataaccess/dataset.h"

#include "dataaccess/base/db_error.h"
#include "dataaccess/connection.h"

#include <algorithm>

namespace db {

Dataset::Dataset(Connection& connection, QObject* parent) : QObject(parent)
{
    setConnection(connection);
}

Dataset::~Dataset() = default;

Connection* Dataset::connection() const
{
    return m_connection;
}

void Dataset::setConnection(Connection& connection)
{
    Close();
    QObject::disconnect(m_closingLink);
    m_connection = &connection;
    m_closingLink = QObject::connect(&connection, &Connection::aboutToDisconnect, this,
                                     [this] { connectionClosing(); });
}

void Dataset::Close()
{
    const bool wasActive = Active();
    m_columns.clear();
    m_fields.clear();
    m_rows.clear();
    m_buffer.clear();
    m_assigned.clear();
    m_current = -1;
    m_eof = true;
    m_state = DatasetState::Inactive;
    if (wasActive) {
        emit contentReset();
        emit currentRowChanged(m_current);
        emit stateChanged();
    }
}

int Dataset::RecordCount() const
{
    return static_cast<int>(m_rows.size());
}

void Dataset::First()
{
    settlePending();
    m_eof = m_rows.empty();
    const int first = m_rows.empty() ? -1 : 0;
    if (first != m_current) {
        m_current = first;
        emit currentRowChanged(m_current);
    }
}

void Dataset::Next()
{
    settlePending();
    if (m_current + 1 < RecordCount()) {
        ++m_current;
        emit currentRowChanged(m_current);
    } else {
        m_eof = true;
    }
}

bool Dataset::Eof() const
{
    return m_eof || m_rows.empty();
}

void Dataset::setCurrentRow(int row)
{
    settlePending();
    const int target = m_rows.empty() ? -1 : std::clamp(row, 0, RecordCount() - 1);
    m_eof = m_rows.empty();
    if (target != m_current) {
        m_current = target;
        emit currentRowChanged(m_current);
    }
}

Field& Dataset::Fields(int index)
{
    if (index < 0 || index >= FieldCount())
        throw DbError(QStringLiteral("There is no field number %1; the dataset has %2 fields.")
                          .arg(index)
                          .arg(FieldCount()));
    return m_fields[index];
}

Field& Dataset::FieldByName(const QString& name)
{
    Field* field = FindField(name);
    if (field == nullptr)
        throw DbError(QStringLiteral("Field '%1' not found.").arg(name));
    return *field;
}

Field* Dataset::FindField(const QString& name)
{
    for (Field& field : m_fields) {
        if (field.FieldName().compare(name, Qt::CaseInsensitive) == 0)
            return &field;
    }
    return nullptr;
}

QVariant Dataset::value(int row, int field) const
{
    if (row < 0 || row >= RecordCount() || field < 0 || field >= FieldCount())
        return QVariant();
    return m_rows[row][field];
}

std::unique_ptr<Cursor> Dataset::run(const QString& sql, const std::vector<QVariant>& params,
                                     qint64* rowsAffected)
{
    if (m_connection == nullptr)
        throw DbError(QStringLiteral("The dataset's connection no longer exists."));
    EngineSession& session = m_connection->session();
    std::unique_ptr<Cursor> cursor = session.execute(sql, params);
    if (rowsAffected != nullptr)
        *rowsAffected = session.rowsAffected();
    return cursor;
}

void Dataset::setResult(const std::vector<ColumnInfo>& columns,
                        std::vector<std::vector<QVariant>> rows, int current)
{
    const bool sameColumns =
        Active() && columns.size() == m_columns.size() &&
        std::equal(columns.begin(), columns.end(), m_columns.begin(),
                   [](const ColumnInfo& a, const ColumnInfo& b) {
                       return a.name == b.name && a.declaredType == b.declaredType;
                   });
    if (!sameColumns) {
        m_columns = columns;
        m_fields.clear();
        for (int i = 0; i < static_cast<int>(columns.size()); ++i)
            m_fields.emplace_back(*this, i, columns[i]);
    }
    // Rows read again with the same fields replace only the rows that changed, so that a view
    // keeps its place and redraws little.
    setRows(std::move(rows), current, sameColumns && State() == DatasetState::Browse);
}

void Dataset::setRows(std::vector<std::vector<QVariant>> rows, int current, bool inPlace)
{
    if (inPlace) {
        // The changed run: rows before `first` and the last `kept` rows are the same in both.
        const int oldCount = RecordCount();
        const int newCount = static_cast<int>(rows.size());
        const int shorter = std::min(oldCount, newCount);
        int first = 0;
        while (first < shorter && m_rows[first] == rows[first])
            ++first;
        int kept = 0;
        while (kept < shorter - first && m_rows[oldCount - 1 - kept] == rows[newCount - 1 - kept])
            ++kept;
        std::vector<std::vector<QVariant>> changed(std::make_move_iterator(rows.begin() + first),
                                                   std::make_move_iterator(rows.end() - kept));
        replaceRows(first, oldCount - first - kept, std::move(changed), current);
        return;
    }
    m_rows = std::move(rows);
    settleRows(current);
    emit contentReset();
    emit currentRowChanged(m_current);
}

void Dataset::replaceRows(int first, int removed, std::vector<std::vector<QVariant>> inserted,
                          int current)
{
    const int added = static_cast<int>(inserted.size());
    const bool changes = removed > 0 || added > 0;
    if (changes)
        emit rowsAboutToBeReplaced(first, removed, added);
    const int common = std::min(removed, added);
    const auto at = m_rows.begin() + first;
    std::move(inserted.begin(), inserted.begin() + common, at);
    if (removed > common)
        m_rows.erase(at + common, at + removed);
    else
        m_rows.insert(at + common, std::make_move_iterator(inserted.begin() + common),
                      std::make_move_iterator(inserted.end()));
    settleRows(current);
    if (changes)
        emit rowsReplaced(first, removed, added);
    emit currentRowChanged(m_current);
}

void Dataset::settleRows(int current)
{
    m_buffer.clear();
    m_assigned.clear();
    m_current = m_rows.empty() ? -1 : std::clamp(current, 0, RecordCount() - 1);
    m_eof = m_rows.empty();
    setState(DatasetState::Browse);
}

void Dataset::setState(DatasetState state)
{
    if (state == m_state)
        return;
    m_state = state;
    if (state == DatasetState::Browse || state == DatasetState::Inactive) {
        m_buffer.clear();
        m_assigned.clear();
    }
    emit stateChanged();
}

void Dataset::startBuffer(std::vector<QVariant> values)
{
    m_buffer = std::move(values);
    m_assigned.assign(m_buffer.size(), false);
}

void Dataset::connectionClosing()
{
    Close();
}

void Dataset::settlePending()
{
    if (m_state == DatasetState::Edit || m_state == DatasetState::Insert)
        setState(DatasetState::Browse);
}

QVariant Dataset::fieldValue(int field) const
{
    if (m_state == DatasetState::Edit || m_state == DatasetState::Insert)
        return m_buffer[field];
    return value(m_current, field);
}

void Dataset::writeField(int field, const QVariant& value)
{
    if (m_state != DatasetState::Edit && m_state != DatasetState::Insert)
        throw DbError(QStringLiteral("The field %1 can only be written while a row is inserted "
                                     "or edited.")
                          .arg(m_fields[field].FieldName()));
    m_buffer[field] = value;
    m_assigned[field] = true;
}

} // namespace db
