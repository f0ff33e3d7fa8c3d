#pragma once

#include <QString>

namespace db {
class Connection;
}

namespace toolkit {

struct ProgramPlace;
struct ServerSlot;
struct StatementReturns;
struct ViewDropping;
class MessageBoard;
class MessageBoxes;

/// One-shot statements on the toolkit's connection, the schema probes and the error log. None
/// of them raises an error: failures are reported on the board (only while it is on screen), in
/// a message box and in the log file "T4V/SqlExecuteErrorLog.Txt" as each operation says.
class StatementTools {
public:
    StatementTools(const ServerSlot& slot, StatementReturns& returns, const ViewDropping& dropping,
                   const ProgramPlace& place, MessageBoxes& boxes, MessageBoard& board);

    /// Runs any statement. A SELECT (after leading blanks, code 32 only) is run as its count
    /// query and answers the count; a SELECT holding "COUNT" anywhere is a programming error: the
    /// message is shown and the end requested, and it runs unchanged, answering its column Res.
    /// A failed SELECT is logged, posted, shown, ends the application and answers 0. Any other
    /// statement answers 0, or -100 when it fails.
    int ExecSql(const QString& SqlSt);
    /// Runs the query as given and copies the first row's values, as text, into
    /// SqlReturnedValues (SqlReturnedCount of them; one empty text when there are none).
    bool DoSqlAndReturnParameters(const QString& SqlSt);
    /// Characters 22 to 26 of the server's version banner, trimmed; empty on failure.
    QString SQLVer(db::Connection& InConct);

    bool IsTableExist(const QString& TblName);
    bool IsViewExist(const QString& ViewName);
    bool IsFieldExist(const QString& TblName, const QString& FldName);
    bool IsSpExist(const QString& SpName);
    bool IsDataBaseExist(const QString& DBName);
    /// Drops the view when it exists (and ViewCanBeDroped is on). Always answers false.
    bool DropViewSafe(const QString& ViewName);

private:
    int countQuery(const QString& statement);
    int command(const QString& statement);
    void postError(const QString& statement);

    const ServerSlot& m_slot;
    StatementReturns& m_returns;
    const ViewDropping& m_dropping;
    const ProgramPlace& m_place;
    MessageBoxes& m_boxes;
    MessageBoard& m_board;
};

/// The connection the toolkit's statements run on; DbError when there is none.
db::Connection& serverConnection(const ServerSlot& slot);

} // namespace toolkit
