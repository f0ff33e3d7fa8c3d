#pragma once

#include "dataaccess/base/db_error.h"
#include "dataaccess/query.h"
#include "db_fixture.h"
#include "toolkit/db/command_store.h"
#include "toolkit/db/information_table.h"

namespace toolkit_db_testing {

/// The command store and the information table as a farm database declares them.
inline const QString kSqlCommandsTable =
    QStringLiteral("CREATE TABLE SqlCommands (Sec nvarchar(30) NULL, Titr nvarchar(100) NULL, "
                   "Seq int NULL, SDate nvarchar(10) NULL, SqlCmd ntext NULL, "
                   "CONSTRAINT Refused CHECK (SqlCmd IS NULL OR SqlCmd NOT LIKE '%refused%'))");
inline const QString kInfoTable =
    QStringLiteral("CREATE TABLE Dbo.Info (GroupSec nvarchar(50) NOT NULL, KeyName nvarchar(50) "
                   "NOT NULL, KeyValue sql_variant NULL, Discription nvarchar(255) NULL)");

/// Runs T-SQL on a connection; a failure fails the test with the engine's text.
inline void run(db::Connection& connection, const QString& sql)
{
    try {
        db::Query query(connection);
        query.setSQL(sql);
        query.ExecSQL();
    } catch (const platform::Error& e) {
        ADD_FAILURE() << sql.toStdString() << ": " << e.message().toStdString();
    }
}

/// Every row of a query, each row's values as text joined by "|".
inline QStringList rowsOf(db::Connection& connection, const QString& sql)
{
    QStringList rows;
    try {
        db::Query query(connection);
        query.setSQL(sql);
        query.Open();
        for (query.First(); !query.Eof(); query.Next()) {
            QStringList values;
            for (int i = 0; i < query.FieldCount(); ++i)
                values.append(query.Fields(i).IsNull() ? QStringLiteral("<null>")
                                                       : query.Fields(i).AsString());
            rows.append(values.join(u'|'));
        }
    } catch (const platform::Error& e) {
        ADD_FAILURE() << sql.toStdString() << ": " << e.message().toStdString();
    }
    return rows;
}

/// A farm database holding the two stores, made through the engine from their T-SQL, with the
/// farm connection lent to the toolkit as the data module lends it.
class StoresTest : public ToolkitDbTest {
protected:
    StoresTest()
    {
        makeDatabase(serverFolder(), "Farm", {});
        connectTo(farm, "Farm");
        run(farm, kSqlCommandsTable);
        run(farm, kInfoTable);
        state.ServerConnection = &farm;
        state.FarsiToday = QStringLiteral("1403/09/19");
    }

    QStringList commandRows()
    {
        return rowsOf(farm, "SELECT Sec, Titr, Seq, SDate, SqlCmd FROM SqlCommands ORDER BY rowid");
    }

    db::Connection farm;
    toolkit::CommandStore store{state, state, boxes};
    toolkit::InformationTable info{state, boxes, board};
};

} // namespace toolkit_db_testing
