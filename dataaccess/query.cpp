#include "dataaccess/query.h"

#include "dataaccess/base/db_error.h"
#include "dataaccess/base/sql_text.h"
#include "dataaccess/connection.h"
#include "platform/text_file.h"

namespace db {

Query::Query(Connection& connection, QObject* parent) : Dataset(connection, parent) {}

QString Query::sqlText() const
{
    return m_lines.join(QStringLiteral("\r\n"));
}

void Query::setSQL(const QString& text)
{
    m_lines = QStringList{text};
    textChanged();
}

void Query::clearSQL()
{
    m_lines.clear();
    textChanged();
}

void Query::addSQL(const QString& line)
{
    m_lines.append(line);
    textChanged();
}

void Query::saveSQLToFile(const QString& path) const
{
    platform::writeTextFile(path, m_lines);
}

void Query::textChanged()
{
    Close();
    std::deque<Param> previous = std::move(m_params);
    m_params.clear();
    m_bindingOrder.clear();
    m_engineText.clear();
    const QString text = sqlText();
    // A text without the markers' characters is passed on as it stands.
    if (!text.contains(u':') && !text.contains(u'?')) {
        m_engineText = text;
        return;
    }
    // The text between the markers is passed on as it stands.
    qsizetype passed = 0;
    for (const sql::Token& token : sql::tokenize(text)) {
        if (token.kind != sql::TokenKind::Parameter)
            continue;
        m_engineText += QStringView(text).mid(passed, token.begin - passed);
        m_engineText += u'?';
        passed = token.begin + token.length;
        const QStringView piece = token.text(text);
        const QString name = piece.mid(1).toString(); // empty for a "?"
        int index = -1;
        for (int i = 0; i < ParamCount() && !name.isEmpty(); ++i) {
            if (m_params[i].Name.compare(name, Qt::CaseInsensitive) == 0)
                index = i;
        }
        if (index < 0) {
            Param param{name, QVariant()};
            for (const Param& old : previous) {
                if (!name.isEmpty() && old.Name.compare(name, Qt::CaseInsensitive) == 0)
                    param.Value = old.Value;
            }
            m_params.push_back(param);
            index = ParamCount() - 1;
        }
        m_bindingOrder.push_back(index);
    }
    if (m_bindingOrder.empty())
        m_engineText = text;
    else
        m_engineText += QStringView(text).mid(passed);
}

void Query::Prepare()
{
    if (sqlText().trimmed().isEmpty())
        throw DbError(QStringLiteral("The query has no statement text."));
    if (connection() == nullptr || !connection()->Connected())
        throw DbError(QStringLiteral("The database connection is not open."));
}

void Query::Open()
{
    if (!Active())
        execute(true);
}

void Query::ExecSQL()
{
    execute(false);
}

void Query::execute(bool requireRows)
{
    Close();
    Prepare();
    std::vector<QVariant> values;
    for (const int index : m_bindingOrder)
        values.push_back(m_params[index].Value);
    m_executing = true;
    try {
        std::unique_ptr<Cursor> cursor = run(m_engineText, values, &m_rowsAffected);
        if (!cursor) {
            m_executing = false;
            if (requireRows)
                throw DbError(QStringLiteral("The statement returned no rows to open."));
            return;
        }
        std::vector<std::vector<QVariant>> rows;
        std::vector<QVariant> row;
        while (cursor->fetch(row))
            rows.push_back(row);
        m_executing = false;
        setResult(cursor->columns(), std::move(rows), 0);
    } catch (...) {
        m_executing = false;
        throw;
    }
}

Param& Query::Params(int index)
{
    if (index < 0 || index >= ParamCount())
        throw DbError(QStringLiteral("There is no parameter number %1; the query has %2.")
                          .arg(index)
                          .arg(ParamCount()));
    return m_params[index];
}

Param& Query::ParamByName(const QString& name)
{
    for (Param& param : m_params) {
        if (!name.isEmpty() && param.Name.compare(name, Qt::CaseInsensitive) == 0)
            return param;
    }
    throw DbError(QStringLiteral("Parameter '%1' not found.").arg(name));
}

} // namespace db
