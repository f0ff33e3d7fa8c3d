#pragma once

#include <QString>
#include <QStringList>
#include <memory>

namespace db {
class Query;
class Table;
} // namespace db

namespace toolkit {

struct ServerSlot;
class StandaloneQuery;

/// Pick lists and sums from one statement each on the toolkit's connection. They catch
/// nothing: a failing statement reaches the caller as db::DbError.
class ListTools {
public:
    explicit ListTools(const ServerSlot& slot);

    /// CItems := the distinct values of FieldName in TableName (under WhereCondition unless it is
    /// blank), in the order the server returns them; a blank or null value is listed as "-".
    /// On failure CItems keeps its previous content.
    void FillListWithData(QStringList& CItems, const QString& TableName, const QString& FieldName,
                          const QString& WhereCondition);
    /// The same with every value, repeats included.
    void FillListWithDataBDistinct(QStringList& CItems, const QString& TableName,
                                   const QString& FieldName, const QString& WhereCondition);
    /// Sum of InFld over InTable's table (under WhereCondition unless blank); 0 over no rows.
    double SumOfField(const db::Table& InTable, const QString& InFld,
                      const QString& WhereCondition);
    /// Sum of InFld1 * InFld2 over InTable's table (under Condition unless blank).
    double SumAndMulti(const db::Table& InTable, const QString& InFld1, const QString& InFld2,
                       const QString& Condition);
    /// A copy of InMsQ that is the caller's own: a new, unopened query with the same statement
    /// and parameter values, on a connection of its own made from InMsQ's connection settings.
    /// DbError when InMsQ has no connection.
    std::unique_ptr<StandaloneQuery> MsQuery2AdoQuery(db::Query& InMsQ);

private:
    void fillList(QStringList& CItems, const QString& select, const QString& FieldName);
    double sum(const QString& statement);

    const ServerSlot& m_slot;
};

} // namespace toolkit
