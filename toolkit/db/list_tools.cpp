#include "toolkit/db/list_tools.h"

#include "dataaccess/base/db_error.h"
#include "dataaccess/base/sql_text.h"
#include "dataaccess/connection.h"
#include "dataaccess/query.h"
#include "dataaccess/table.h"
#include "toolkit/base/tools_state.h"
#include "toolkit/db/db_text_tools.h"
#include "toolkit/db/standalone_query.h"
#include "toolkit/db/statement_tools.h"

namespace toolkit {

namespace {

/// The list statement: the table bracketed without a condition, inserted bare with one. A "]"
/// in a bracketed name is doubled, so the name cannot close its bracket.
QString listStatement(const QString& selectHead, const QString& TableName, const QString& FieldName,
                      const QString& WhereCondition)
{
    const QString head = selectHead + db::sql::bracketName(FieldName) + QLatin1String(" From ");
    if (DbTextTools::IsBlank(WhereCondition))
        return head + db::sql::bracketName(TableName);
    return head + TableName + QLatin1String(" Where ") + WhereCondition;
}

QString withCondition(const QString& statement, const QString& condition)
{
    return DbTextTools::IsBlank(condition) ? statement
                                           : statement + QLatin1String(" Where ") + condition;
}

} // namespace

ListTools::ListTools(const ServerSlot& slot) : m_slot(slot) {}

void ListTools::FillListWithData(QStringList& CItems, const QString& TableName,
                                 const QString& FieldName, const QString& WhereCondition)
{
    fillList(
        CItems,
        listStatement(QStringLiteral("Select Distinct "), TableName, FieldName, WhereCondition),
        FieldName);
}

void ListTools::FillListWithDataBDistinct(QStringList& CItems, const QString& TableName,
                                          const QString& FieldName, const QString& WhereCondition)
{
    fillList(CItems, listStatement(QStringLiteral("Select "), TableName, FieldName, WhereCondition),
             FieldName);
}

void ListTools::fillList(QStringList& CItems, const QString& select, const QString& FieldName)
{
    db::Query query(serverConnection(m_slot));
    query.setSQL(select);
    query.Prepare();
    query.Open();
    db::Field& field = query.FieldByName(FieldName);
    QStringList items;
    for (query.First(); !query.Eof(); query.Next()) {
        const QString value = field.AsString();
        items.append(DbTextTools::IsBlank(value) ? QStringLiteral("-") : value);
    }
    CItems = items;
}

double ListTools::SumOfField(const db::Table& InTable, const QString& InFld,
                             const QString& WhereCondition)
{
    return sum(withCondition(QLatin1String("Select Sum(") + InFld +
                                 QLatin1String(")As Answer From ") + InTable.TableName(),
                             WhereCondition));
}

double ListTools::SumAndMulti(const db::Table& InTable, const QString& InFld1,
                              const QString& InFld2, const QString& Condition)
{
    return sum(withCondition(QLatin1String("Select Sum(") + InFld1 + QLatin1String(" * ") + InFld2 +
                                 QLatin1String(")As Answer From ") + InTable.TableName(),
                             Condition));
}

double ListTools::sum(const QString& statement)
{
    db::Query query(serverConnection(m_slot));
    query.setSQL(statement);
    query.Prepare();
    query.Open();
    // A sum over no rows is null, which reads as 0.
    return query.FieldByName(QStringLiteral("Answer")).AsFloat();
}

std::unique_ptr<StandaloneQuery> ListTools::MsQuery2AdoQuery(db::Query& InMsQ)
{
    const db::Connection* source = InMsQ.connection();
    if (!source)
        throw db::DbError(QStringLiteral("the query to copy has no connection"));
    auto copy = std::make_unique<StandaloneQuery>(source->settings());
    copy->query().setSQL(InMsQ.sqlText());
    for (int i = 0; i < InMsQ.ParamCount() && i < copy->query().ParamCount(); ++i)
        copy->query().Params(i).Value = InMsQ.Params(i).Value;
    return copy;
}

} // namespace toolkit
