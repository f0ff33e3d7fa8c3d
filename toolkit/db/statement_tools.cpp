#include "toolkit/db/statement_tools.h"

#include "dataaccess/base/db_error.h"
#include "dataaccess/base/sql_text.h"
#include "dataaccess/connection.h"
#include "dataaccess/query.h"
#include "platform/end_request.h"
#include "platform/error.h"
#include "platform/text_file.h"
#include "toolkit/base/tools_state.h"
#include "toolkit/boxes/message_board.h"
#include "toolkit/boxes/message_boxes.h"
#include "toolkit/db/db_text_tools.h"
#include "toolkit/db/statement_text.h"

#include <QRegularExpression>

namespace toolkit {

namespace {

const QString errorTitle = QStringLiteral("خطا");
const QString programmingError = QStringLiteral("اشكال در برنامه نويسي");
const QString countFailed =
    QStringLiteral("اشكال در اجرا دستور . با برنامه نويس تماس بگيريد.- شمارش - ");
const QString versionFailed = QStringLiteral("خطا در دريافت نسخه اسكيوال سرور");
const QString versionStatement = QStringLiteral("SELECT SUBSTRING(@@VERSION, 22, 5) As V");
const QString errorLogFile = QStringLiteral("T4V/SqlExecuteErrorLog.Txt");
const QChar CR(13);

/// Leaves the query closed with `statement` as its one line.
void setStatement(db::Query& query, const QString& statement)
{
    query.Close();
    query.clearSQL();
    query.addSQL(statement);
}

} // namespace

db::Connection& serverConnection(const ServerSlot& slot)
{
    if (!slot.ServerConnection)
        throw db::DbError(QStringLiteral("the toolkit has no database connection"));
    return *slot.ServerConnection;
}

StatementTools::StatementTools(const ServerSlot& slot, StatementReturns& returns,
                               const ViewDropping& dropping, const ProgramPlace& place,
                               MessageBoxes& boxes, MessageBoard& board)
    : m_slot(slot), m_returns(returns), m_dropping(dropping), m_place(place), m_boxes(boxes),
      m_board(board)
{
}

int StatementTools::ExecSql(const QString& SqlSt)
{
    QString statement = withoutLeadingBlanks(SqlSt);
    if (beginsWithSelect(statement)) {
        if (statement.toUpper().contains(QLatin1String("COUNT"))) {
            m_boxes.ShowMsg(programmingError);
            platform::requestEnd();
        } else {
            statement = countQueryOf(statement);
        }
        return countQuery(statement);
    }
    return command(statement);
}

int StatementTools::countQuery(const QString& statement)
{
    try {
        db::Query query(serverConnection(m_slot));
        setStatement(query, statement);
        query.Prepare();
        query.Open();
        return static_cast<int>(query.FieldByName(QStringLiteral("Res")).AsInteger());
    } catch (const platform::Error&) {
        // The log keeps the last failed count query, one line per line of the statement.
        try {
            platform::writeTextFile(
                m_place.AppPath + errorLogFile,
                statement.split(QRegularExpression(QStringLiteral("\r\n|\r|\n"))));
        } catch (const platform::Error&) {
            // A log that cannot be written must not hide the failure; the message follows.
        }
        postError(statement);
        m_boxes.ShowMsg(countFailed + CR + statement);
        platform::requestEnd();
        return 0;
    }
}

int StatementTools::command(const QString& statement)
{
    try {
        db::Query query(serverConnection(m_slot));
        setStatement(query, statement);
        query.ExecSQL();
        return 0;
    } catch (const platform::Error&) {
        postError(statement);
        return -100;
    }
}

void StatementTools::postError(const QString& statement)
{
    if (m_board.isOnScreen())
        m_board.PostThisMessage(errorTitle, statement);
}

bool StatementTools::DoSqlAndReturnParameters(const QString& SqlSt)
{
    QStringList& values = m_returns.SqlReturnedValues;
    values.clear();
    bool read = true;
    try {
        db::Query query(serverConnection(m_slot));
        query.Close();
        query.setSQL(SqlSt);
        query.Prepare();
        query.Open();
        for (int i = 0; i < query.FieldCount(); ++i)
            values.append(query.Fields(i).AsString());
    } catch (const platform::Error&) {
        read = false;
    }
    m_returns.SqlReturnedCount = static_cast<int>(values.size());
    if (values.isEmpty())
        values.append(QString());
    return read;
}

QString StatementTools::SQLVer(db::Connection& InConct)
{
    try {
        db::Query query(InConct);
        query.setSQL(versionStatement);
        query.Prepare();
        query.Open();
        return DbTextTools::RemoveRLBLank(query.FieldByName(QStringLiteral("V")).AsString());
    } catch (const platform::Error&) {
        postError(versionStatement);
        m_boxes.ShowMsg(versionFailed);
        return QString();
    }
}

bool StatementTools::IsTableExist(const QString& TblName)
{
    return ExecSql(QLatin1String("SELECT  * FROM  INFORMATION_SCHEMA.TABLES Where (Table_Name = ") +
                   db::sql::quoteString(TblName) +
                   QLatin1String(") And Table_Type='BASE TABLE' ")) > 0;
}

bool StatementTools::IsViewExist(const QString& ViewName)
{
    return ExecSql(QLatin1String("SELECT  * FROM  INFORMATION_SCHEMA.TABLES Where (Table_Name = ") +
                   db::sql::quoteString(ViewName) + QLatin1String(") And Table_Type='VIEW' ")) > 0;
}

bool StatementTools::IsFieldExist(const QString& TblName, const QString& FldName)
{
    return ExecSql(QLatin1String("SELECT * FROM INFORMATION_SCHEMA.COLUMNS WHERE TABLE_NAME = ") +
                   db::sql::quoteString(TblName) + QLatin1String("AND  COLUMN_NAME = ") +
                   db::sql::quoteString(FldName)) > 0;
}

bool StatementTools::IsSpExist(const QString& SpName)
{
    return ExecSql(QLatin1String("select * from dbo.sysobjects where id = object_id(N") +
                   db::sql::quoteString(SpName) +
                   QLatin1String(") and OBJECTPROPERTY(id, N'IsProcedure') = 1")) > 0;
}

bool StatementTools::IsDataBaseExist(const QString& DBName)
{
    return ExecSql(QLatin1String("select * from Master.Dbo.sysdatabases where Name=(N") +
                   db::sql::quoteString(DBName) + QLatin1String(") ")) > 0;
}

bool StatementTools::DropViewSafe(const QString& ViewName)
{
    if (!m_dropping.ViewCanBeDroped)
        return false;
    // The name stands bare in brackets with any "]" doubled, so it cannot close the bracket.
    ExecSql(QLatin1String("if exists (SELECT *  FROM  INFORMATION_SCHEMA.TABLES WHERE  "
                          "(Table_Type = 'View') And Table_Name =") +
            db::sql::quoteString(ViewName) + QLatin1String(")  drop view [dbo].") +
            db::sql::bracketName(ViewName));
    return false;
}

} // namespace toolkit
