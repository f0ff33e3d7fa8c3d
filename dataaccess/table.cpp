#include "dataaccess/table.h"

#include "dataaccess/base/db_error.h"
#include "dataaccess/base/sql_text.h"
#include "dataaccess/connection.h"

#include <QStringList>
#include <algorithm>
#include <iterator>

namespace db {

namespace {

/// More changed rows than this are read with all the others rather than picked out.
constexpr std::size_t kMostRowsReadApart = 256;

/// True when a value, read as text, equals `text` exactly; null equals nothing.
bool matches(const QVariant& value, const QString& text)
{
    return value.isValid() && !value.isNull() && textOf(value) == text;
}

/// The values of a fetched row, which begins with `skip` values of its own.
std::vector<QVariant> valuesOf(std::vector<QVariant>& row, int skip)
{
    return {std::make_move_iterator(row.begin() + skip), std::make_move_iterator(row.end())};
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
        readAll(QVariant(), 0);
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
    const std::optional<ChangeStamp> stamp = stampNow();
    if (State() == DatasetState::Browse && m_readStamp && stamp == m_readStamp)
        return;
    readAgain(currentIdentity(), currentRow(), stamp);
}

std::optional<ChangeStamp> Table::stampNow() const
{
    return connection() != nullptr ? connection()->session().changeStamp() : std::nullopt;
}

void Table::readAgain(const QVariant& keepIdentity, int keepRow,
                      const std::optional<ChangeStamp>& stamp)
{
    if (!readChanges(keepIdentity, keepRow, stamp))
        readAll(keepIdentity, keepRow);
}

void Table::readAll(const QVariant& keepIdentity, int keepRow)
{
    if (connection() == nullptr)
        throw DbError(QStringLiteral("The table's connection no longer exists."));
    EngineSession& session = connection()->session();
    const QString identity = session.rowIdentityExpression();
    // Taken before the rows: a change that lands during the read is read again next time.
    const std::optional<ChangeStamp> stamp = session.changeStamp();
    // Once the fields are known, and while no column can have gone since, each row's digest is
    // read with it, so that the next read can pick out the rows that changed.
    const bool sameSchema =
        stamp && m_readStamp && stamp->schemaVersion == m_readStamp->schemaVersion;
    const QStringList digestColumns = fieldNames();
    const std::optional<QString> digest =
        Active() && sameSchema ? session.rowDigestExpression(digestColumns) : std::nullopt;
    const QString table = sql::bracketQualifiedName(m_tableName);
    std::unique_ptr<Cursor> cursor =
        run(digest ? QStringLiteral("SELECT %1, %2, * FROM %3").arg(identity, *digest, table)
                   : QStringLiteral("SELECT %1, * FROM %2").arg(identity, table),
            {});
    if (!cursor)
        throw DbError(QStringLiteral("The table %1 returned no rows to open.").arg(m_tableName));
    const int skip = digest ? 2 : 1;
    const std::vector<ColumnInfo> columns(cursor->columns().begin() + skip,
                                          cursor->columns().end());
    const std::vector<Condition> conditions = parseFilter(columns);
    std::vector<RowMark> marks;
    std::vector<std::vector<QVariant>> shown;
    int current = keepRow;
    std::vector<QVariant> row;
    while (cursor->fetch(row)) {
        RowMark mark{std::move(row[0]), digest ? row[1].toLongLong() : 0, false};
        mark.shown = passes(conditions, row, skip);
        if (mark.shown) {
            if (keepIdentity.isValid() && mark.identity == keepIdentity)
                current = static_cast<int>(shown.size());
            shown.push_back(valuesOf(row, skip));
        }
        marks.push_back(std::move(mark));
    }
    m_identityExpression = identity;
    m_readStamp = stamp;
    // A column added or dropped since the fields were known: the digests do not cover the row
    // as it now is, and the next read makes new ones.
    QStringList readColumns;
    for (const ColumnInfo& column : columns)
        readColumns.append(column.name);
    m_digestExpression = digest && readColumns == digestColumns ? *digest : QString();
    m_marks = std::move(marks);
    markShown();
    setResult(columns, std::move(shown), current);
}

bool Table::readChanges(const QVariant& keepIdentity, int keepRow,
                        const std::optional<ChangeStamp>& stamp)
{
    if (m_digestExpression.isEmpty() || State() != DatasetState::Browse || !m_readStamp || !stamp ||
        stamp->schemaVersion != m_readStamp->schemaVersion || connection() == nullptr)
        return false;
    std::vector<RowMark> now;
    now.reserve(m_marks.size() + 1);
    {
        std::unique_ptr<Cursor> cursor = run(QStringLiteral("SELECT %1, %2 FROM %3")
                                                 .arg(m_identityExpression, m_digestExpression,
                                                      sql::bracketQualifiedName(m_tableName)),
                                             {});
        if (!cursor)
            return false;
        std::vector<QVariant> row;
        while (cursor->fetch(row))
            now.push_back({std::move(row[0]), row[1].toLongLong(), false});
    }

    // The run that changed: the rows before it and the `kept` rows after it have the same
    // identities and values as when last read.
    const auto same = [](const RowMark& a, const RowMark& b) {
        return a.digest == b.digest && a.identity == b.identity;
    };
    const std::size_t shorter = std::min(m_marks.size(), now.size());
    std::size_t first = 0;
    while (first < shorter && same(m_marks[first], now[first]))
        ++first;
    std::size_t kept = 0;
    while (kept < shorter - first &&
           same(m_marks[m_marks.size() - 1 - kept], now[now.size() - 1 - kept]))
        ++kept;
    const std::size_t oldEnd = m_marks.size() - kept;
    const std::size_t newEnd = now.size() - kept;
    if (newEnd - first > kMostRowsReadApart)
        return false;
    std::vector<std::vector<QVariant>> values(newEnd - first);
    if (!values.empty() && !readRows(now, first, newEnd, values))
        return false;

    const std::vector<Condition> conditions = parseFilter(columns());
    for (std::size_t i = 0; i < first; ++i)
        now[i].shown = m_marks[i].shown;
    for (std::size_t i = 0; i < kept; ++i)
        now[newEnd + i].shown = m_marks[oldEnd + i].shown;
    const int shownBefore = static_cast<int>(
        std::lower_bound(m_shown.begin(), m_shown.end(), int(first)) - m_shown.begin());
    const int shownRemoved =
        static_cast<int>(std::lower_bound(m_shown.begin(), m_shown.end(), int(oldEnd)) -
                         m_shown.begin()) -
        shownBefore;
    std::vector<std::vector<QVariant>> inserted;
    int current = keepRow;
    for (std::size_t i = first; i < newEnd; ++i) {
        std::vector<QVariant>& row = values[i - first];
        now[i].shown = passes(conditions, row, 0);
        if (!now[i].shown)
            continue;
        if (keepIdentity.isValid() && now[i].identity == keepIdentity)
            current = shownBefore + static_cast<int>(inserted.size());
        inserted.push_back(std::move(row));
    }
    // The row to keep, unchanged before or after the run, keeps its place among its neighbours.
    const int at = currentRow();
    if (keepIdentity.isValid() && at >= 0 && m_marks[m_shown[at]].identity == keepIdentity) {
        if (at < shownBefore)
            current = at;
        else if (at >= shownBefore + shownRemoved)
            current = at - shownRemoved + static_cast<int>(inserted.size());
    }
    m_readStamp = stamp;
    m_marks = std::move(now);
    markShown();
    replaceRows(shownBefore, shownRemoved, std::move(inserted), current);
    return true;
}

bool Table::readRows(const std::vector<RowMark>& marks, std::size_t first, std::size_t end,
                     std::vector<std::vector<QVariant>>& values)
{
    std::vector<QVariant> identities;
    identities.reserve(end - first);
    for (std::size_t i = first; i < end; ++i)
        identities.push_back(marks[i].identity);
    const QString markers = QStringList(static_cast<int>(identities.size()), QStringLiteral("?"))
                                .join(QStringLiteral(", "));
    std::unique_ptr<Cursor> cursor = run(QStringLiteral("SELECT %1, %2, * FROM %3 WHERE %1 IN (%4)")
                                             .arg(m_identityExpression, m_digestExpression,
                                                  sql::bracketQualifiedName(m_tableName), markers),
                                         identities);
    if (!cursor || cursor->columns().size() != columns().size() + 2)
        return false;
    std::vector<QVariant> row;
    while (cursor->fetch(row)) {
        std::size_t i = first;
        while (i < end && !(values[i - first].empty() && marks[i].identity == row[0]))
            ++i;
        if (i == end || marks[i].digest != row[1].toLongLong())
            return false;
        values[i - first] = valuesOf(row, 2);
    }
    return std::none_of(values.begin(), values.end(),
                        [](const std::vector<QVariant>& read) { return read.empty(); });
}

bool Table::passes(const std::vector<Condition>& conditions, const std::vector<QVariant>& row,
                   int skip)
{
    return std::all_of(conditions.begin(), conditions.end(), [&row, skip](const Condition& c) {
        return matches(row[c.field + skip], c.text);
    });
}

void Table::markShown()
{
    m_shown.clear();
    for (int i = 0; i < static_cast<int>(m_marks.size()); ++i) {
        if (m_marks[i].shown)
            m_shown.push_back(i);
    }
}

QStringList Table::fieldNames() const
{
    QStringList names;
    for (const ColumnInfo& column : columns())
        names.append(column.name);
    return names;
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
        readAll(currentIdentity(), currentRow());
}

void Table::setFiltered(bool filtered)
{
    if (filtered == m_filtered)
        return;
    m_filtered = filtered;
    if (Active())
        readAll(currentIdentity(), currentRow());
}

QVariant Table::currentIdentity() const
{
    if (currentRow() < 0)
        return QVariant();
    return m_marks[m_shown[currentRow()]].identity;
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
        readAgain(identity, RecordCount(), stampNow());
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
    readAgain(identity, currentRow(), stampNow());
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
    m_marks.erase(m_marks.begin() + m_shown[row]);
    markShown();
    replaceRows(row, 1, {}, row);
}

void Table::connectionClosing()
{
    m_marks.clear();
    m_shown.clear();
    m_digestExpression.clear();
    m_readStamp.reset();
    Close();
}

void Table::settlePending()
{
    Post();
}

} // namespace db
