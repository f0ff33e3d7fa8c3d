#include "dataaccess/table.h"

#include "dataaccess/base/db_error.h"
#include "dataaccess/base/sql_text.h"
#include "dataaccess/connection.h"

#include <QStringList>
#include <algorithm>

namespace db {

namespace {

/// True when a value, read as text, equals `text` exactly; null equals nothing.
bool matches(const QVariant& value, const QString& text)
{
    return value.isValid() && !value.isNull() && textOf(value) == text;
}

} // namespace

Table::Table(Connection& connection, const QString& tableName, QObject* parent)
    : Dataset(connection, parent), m_tableName(tableName)
{
}

void Table::setTableName(const QString& tableName)
{
    Close();
    m_tableName = tableName;
}

void Table::Open()
{
    if (Active())
        return;
    try {
        read(QVariant(), 0);
    } catch (...) {
        Close();
        throw;
    }
}

void Table::Refresh()
{
    if (!Active())
        throw DbError(QStringLiteral("The table %1 is not open.").arg(m_tableName));
    // Rows read since nothing was written to the database, by this connection or another, are
    // still what a new read would give.
    if (State() == DatasetState::Browse && m_readStamp && connection() != nullptr &&
        connection()->session().changeStamp() == m_readStamp)
        return;
    read(currentIdentity(), currentRow());
}

QString Table::selectStatement(const QString& identity) const
{
    return QStringLiteral("SELECT %1, * FROM %2")
        .arg(identity, sql::bracketQualifiedName(m_tableName));
}

void Table::read(const QVariant& keepIdentity, int keepRow)
{
    if (connection() == nullptr)
        throw DbError(QStringLiteral("The table's connection no longer exists."));
    EngineSession& session = connection()->session();
    m_identityExpression = session.rowIdentityExpression();
    // Taken before the rows: a change that lands during the read is read again next time.
    m_readStamp = session.changeStamp();
    std::unique_ptr<Cursor> cursor = run(selectStatement(m_identityExpression), {});
    if (!cursor)
        throw DbError(QStringLiteral("The table %1 returned no rows to open.").arg(m_tableName));
    std::vector<std::vector<QVariant>> rows;
    std::vector<QVariant> row;
    while (cursor->fetch(row))
        rows.push_back(row);
    std::vector<ColumnInfo> columns = cursor->columns();
    columns.erase(columns.begin()); // the row identity
    m_allRows = std::move(rows);
    applyFilter(columns, keepIdentity, keepRow);
}

void Table::applyFilter(const std::vector<ColumnInfo>& columns, const QVariant& keepIdentity,
                        int keepRow)
{
    const std::vector<Condition> conditions = parseFilter(columns);
    m_shown.clear();
    std::vector<std::vector<QVariant>> shown;
    int current = keepRow;
    for (int i = 0; i < static_cast<int>(m_allRows.size()); ++i) {
        const std::vector<QVariant>& row = m_allRows[i];
        const bool passes =
            std::all_of(conditions.begin(), conditions.end(), [&row](const Condition& condition) {
                return matches(row[condition.field + 1], condition.text);
            });
        if (!passes)
            continue;
        if (keepIdentity.isValid() && row.front() == keepIdentity)
            current = static_cast<int>(m_shown.size());
        m_shown.push_back(i);
        shown.emplace_back(row.begin() + 1, row.end());
    }
    setResult(columns, std::move(shown), current);
}

std::vector<Table::Condition> Table::parseFilter(const std::vector<ColumnInfo>& columns) const
{
    std::vector<Condition> conditions;
    if (!m_filtered || m_filter.trimmed().isEmpty())
        return conditions;
    const auto invalid = [this] {
        return DbError(QStringLiteral("The filter \"%1\" is not of the form Field = 'value' "
                                      "[AND Field = 'value' …].")
                           .arg(m_filter));
    };
    std::vector<sql::Token> tokens;
    for (const sql::Token& token : sql::tokenize(m_filter)) {
        if (token.kind != sql::TokenKind::Space)
            tokens.push_back(token);
    }
    std::size_t i = 0;
    while (true) {
        if (i + 3 > tokens.size())
            throw invalid();
        const sql::Token& name = tokens[i];
        const sql::Token& equals = tokens[i + 1];
        std::size_t valueAt = i + 2;
        bool negative = false;
        if (tokens[valueAt].kind == sql::TokenKind::Symbol &&
            tokens[valueAt].text(m_filter) == u"-" && valueAt + 1 < tokens.size()) {
            negative = true;
            ++valueAt;
        }
        const sql::Token& value = tokens[valueAt];
        if ((name.kind != sql::TokenKind::Word && name.kind != sql::TokenKind::Bracketed &&
             name.kind != sql::TokenKind::Quoted) ||
            equals.kind != sql::TokenKind::Symbol || equals.text(m_filter) != u"=")
            throw invalid();
        QString text;
        if ((value.kind == sql::TokenKind::String || value.kind == sql::TokenKind::NString) &&
            value.terminated && !negative) {
            const QStringView literal = value.text(m_filter);
            text = literal.mid(literal.indexOf(u'\'') + 1).chopped(1).toString();
            text.replace(QStringLiteral("''"), QStringLiteral("'"));
        } else if (value.kind == sql::TokenKind::Number) {
            text = (negative ? QStringLiteral("-") : QString()) + value.text(m_filter).toString();
        } else {
            throw invalid();
        }
        const QString fieldName = sql::tokenName(m_filter, name);
        const auto column =
            std::find_if(columns.begin(), columns.end(), [&fieldName](const ColumnInfo& info) {
                return info.name.compare(fieldName, Qt::CaseInsensitive) == 0;
            });
        if (column == columns.end())
            throw DbError(QStringLiteral("The filter names the field %1, which the table %2 does "
                                         "not have.")
                              .arg(fieldName, m_tableName));
        conditions.push_back({static_cast<int>(column - columns.begin()), text});
        i = valueAt + 1;
        if (i == tokens.size())
            return conditions;
        if (tokens[i].kind != sql::TokenKind::Word ||
            tokens[i].text(m_filter).compare(u"AND", Qt::CaseInsensitive) != 0)
            throw invalid();
        ++i;
    }
}

void Table::setFilter(const QString& filter)
{
    m_filter = filter;
    if (Active() && m_filtered)
        applyFilter(columns(), currentIdentity(), currentRow());
}

void Table::setFiltered(bool filtered)
{
    if (filtered == m_filtered)
        return;
    m_filtered = filtered;
    if (Active())
        applyFilter(columns(), currentIdentity(), currentRow());
}

QVariant Table::currentIdentity() const
{
    if (currentRow() < 0)
        return QVariant();
    return m_allRows[m_shown[currentRow()]].front();
}

bool Table::Locate(const QString& fields, const QVariantList& values)
{
    const QStringList names = fields.split(u';', Qt::SkipEmptyParts);
    if (names.size() != values.size())
        throw DbError(
            QStringLiteral("Locate on %1 was given %2 values.").arg(fields).arg(values.size()));
    std::vector<int> indexes;
    for (const QString& name : names)
        indexes.push_back(FieldByName(name.trimmed()).Index());
    for (int row = 0; row < RecordCount(); ++row) {
        bool found = true;
        for (std::size_t i = 0; i < indexes.size() && found; ++i) {
            const QVariant& wanted = values[static_cast<int>(i)];
            const QVariant stored = value(row, indexes[i]);
            const bool wantedNull = !wanted.isValid() || wanted.isNull();
            found = wantedNull ? (!stored.isValid() || stored.isNull())
                               : matches(stored, textOf(wanted));
        }
        if (found) {
            setCurrentRow(row);
            return true;
        }
    }
    return false;
}

void Table::Insert()
{
    if (!Active())
        throw DbError(QStringLiteral("The table %1 is not open.").arg(m_tableName));
    settlePending();
    startBuffer(std::vector<QVariant>(FieldCount()));
    setState(DatasetState::Insert);
}

void Table::Edit()
{
    if (State() == DatasetState::Edit || State() == DatasetState::Insert)
        return;
    if (currentRow() < 0)
        throw DbError(QStringLiteral("The table %1 has no row to edit.").arg(m_tableName));
    startBuffer(rows()[currentRow()]);
    setState(DatasetState::Edit);
}

void Table::Post()
{
    if (State() != DatasetState::Edit && State() != DatasetState::Insert)
        return;
    const QString table = sql::bracketQualifiedName(m_tableName);
    QStringList names;
    std::vector<QVariant> values;
    for (int i = 0; i < FieldCount(); ++i) {
        if (assigned()[i]) {
            names.append(sql::bracketName(Fields(i).FieldName()));
            values.push_back(buffer()[i]);
        }
    }
    if (State() == DatasetState::Insert) {
        const QString statement = names.isEmpty()
                                      ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table)
                                      : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                            .arg(table, names.join(QStringLiteral(", ")),
                                                 QStringList(names.size(), QStringLiteral("?"))
                                                     .join(QStringLiteral(", ")));
        run(statement, values);
        const QVariant identity = connection()->session().lastInsertedRowIdentity();
        setState(DatasetState::Browse);
        read(identity, RecordCount());
        return;
    }
    if (!names.isEmpty()) {
        const QVariant identity = currentIdentity();
        values.push_back(identity);
        qint64 changed = 0;
        run(QStringLiteral("UPDATE %1 SET %2 = ? WHERE %3 = ?")
                .arg(table, names.join(QStringLiteral(" = ?, ")), m_identityExpression),
            values, &changed);
        if (changed == 0)
            throw DbError(QStringLiteral("The row to change no longer exists in the table %1.")
                              .arg(m_tableName));
    }
    const QVariant identity = currentIdentity();
    setState(DatasetState::Browse);
    read(identity, currentRow());
}

void Table::Cancel()
{
    if (State() == DatasetState::Edit || State() == DatasetState::Insert) {
        setState(DatasetState::Browse);
        emit rowChanged(currentRow());
    }
}

void Table::Delete()
{
    Cancel();
    if (currentRow() < 0)
        throw DbError(QStringLiteral("The table %1 has no row to delete.").arg(m_tableName));
    qint64 deleted = 0;
    run(QStringLiteral("DELETE FROM %1 WHERE %2 = ?")
            .arg(sql::bracketQualifiedName(m_tableName), m_identityExpression),
        {currentIdentity()}, &deleted);
    if (deleted == 0)
        throw DbError(
            QStringLiteral("The row to delete no longer exists in the table %1.").arg(m_tableName));
    const int row = currentRow();
    const int gone = m_shown[row];
    m_allRows.erase(m_allRows.begin() + gone);
    std::vector<std::vector<QVariant>> shown = rows();
    shown.erase(shown.begin() + row);
    m_shown.erase(m_shown.begin() + row);
    for (int& index : m_shown) {
        if (index > gone)
            --index;
    }
    setRows(std::move(shown), row);
}

void Table::connectionClosing()
{
    m_allRows.clear();
    m_shown.clear();
    Close();
}

void Table::settlePending()
{
    Post();
}

} // namespace db
