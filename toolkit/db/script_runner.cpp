#include "toolkit/db/script_runner.h"

#include "dataaccess/query.h"
#include "platform/error.h"
#include "platform/modal_box.h"
#include "platform/text_file.h"
#include "toolkit/base/tools_state.h"
#include "toolkit/boxes/message_board.h"
#include "toolkit/boxes/message_boxes.h"
#include "toolkit/db/script_batches.h"
#include "toolkit/db/statement_text.h"
#include "toolkit/db/statement_tools.h"

#include <QFileInfo>

namespace toolkit {

namespace {

const QChar CR(13);
const QString fileNotFound = QStringLiteral("فايل پيدا نشد");
const QString successIn = QStringLiteral("موفقيت در");
const QString errorIn = QStringLiteral("خطا در ");
const QString summaryHead = QStringLiteral(" در مورد ");
const QString summaryTail = QStringLiteral(
    " خطا وجود داشته است . گزارش را ذخيره و با شركت Nisuk براي هماهنگي بيشتر تماس بگيريد ");
const QString workCopyFile = QStringLiteral("T4V/Temp.Txt");
const QString createListFile = QStringLiteral("DoSqlForCreateList.txt");

} // namespace

ScriptRunner::ScriptRunner(const ServerSlot& slot, const ProgramPlace& place, MessageBoxes& boxes,
                           MessageBoard& board)
    : m_slot(slot), m_place(place), m_boxes(boxes), m_board(board)
{
}

bool ScriptRunner::DoScriptFromfile(const QString& Title, const QString& FName)
{
    if (!QFileInfo(FName).isFile()) {
        platform::showPlainBox(fileNotFound + CR + Title + CR + FName);
        return false;
    }
    m_board.StartRecording(true, Title);
    QStringList lines;
    try {
        lines = platform::readTextLines(FName);
        platform::writeTextFile(m_place.AppPath + workCopyFile, lines);
    } catch (const platform::Error&) {
        m_board.StopRecording();
        throw;
    }

    int errors = 0;
    for (const ScriptBatch& batch : scriptBatches(withoutCommentsAndEmptyLines(lines))) {
        if (trimmedOfControls(batch.text).isEmpty())
            continue; // an empty batch runs nothing but keeps its number
        // Execution is synchronous: the batch has finished when ExecSQL returns.
        try {
            db::Query query(serverConnection(m_slot));
            query.setSQL(batch.text);
            query.ExecSQL();
            m_board.PostThisMessage(successIn, QString::number(batch.number));
        } catch (const platform::Error&) {
            m_board.PostThisMessage(errorIn + QString::number(batch.number), batch.text);
            ++errors;
        }
    }
    m_board.StopRecording();

    if (errors > 0)
        m_boxes.ShowMsg(summaryHead + CR + Title + CR + QString::number(errors) + summaryTail);
    return true;
}

int ScriptRunner::DoSqlForCreateList(const QString& SqlSt, QStringList& It)
{
    It.clear();
    if (!m_slot.ServerConnection)
        return 0;
    db::Query query(*m_slot.ServerConnection);
    query.Close();
    query.clearSQL();
    query.addSQL(SqlSt);
    query.saveSQLToFile(m_place.AppPath + createListFile);
    if (!beginsWithSelect(SqlSt))
        return 0;
    try {
        query.Prepare();
        query.Open();
        for (query.First(); !query.Eof(); query.Next())
            It.append(query.Fields(0).AsString());
        return query.RecordCount();
    } catch (const platform::Error&) {
        return 0;
    }
}

} // namespace toolkit
