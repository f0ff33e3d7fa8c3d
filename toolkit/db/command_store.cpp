#include "toolkit/db/command_store.h"

#include "dataaccess/base/db_error.h"
#include "dataaccess/base/sql_text.h"
#include "dataaccess/connection.h"
#include "dataaccess/table.h"
#include "platform/error.h"
#include "toolkit/base/tools_state.h"
#include "toolkit/boxes/message_boxes.h"
#include "toolkit/db/db_text_tools.h"

#include <QRegularExpression>

namespace toolkit {

namespace {

const QString kTable = QStringLiteral("SqlCommands");
const QString kSec = QStringLiteral("Sec");
const QString kTitr = QStringLiteral("Titr");
const QString kSeq = QStringLiteral("Seq");
const QString kSDate = QStringLiteral("SDate");
const QString kSqlCmd = QStringLiteral("SqlCmd");
const QString kErrorMessage = QStringLiteral("خطا");
const QString kLineBreak = QStringLiteral("\r\n");
const QString kProcedurePrefix = QStringLiteral("_AutoCompute_");
constexpr qsizetype kSecWidth = 30;   // characters of the column Sec
constexpr qsizetype kTitrWidth = 100; // characters of the column Titr

/// The first `width` UTF-16 units of a text, without a lone first half of a surrogate pair at
/// the cut, which no column could store as written.
QString cut(const QString& text, qsizetype width)
{
    QString part = text.left(width);
    if (!part.isEmpty() && part.back().isHighSurrogate())
        part.chop(1);
    return part;
}

/// The lines of a stored text, broken at CR LF, CR or LF; a line break at the very end ends the
/// last line rather than starting an empty one.
QStringList linesOf(const QString& text)
{
    if (text.isEmpty())
        return {};
    QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    if (lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

CommandStore::CommandStore(const ServerSlot& slot, const SolarToday& today, MessageBoxes& boxes)
    : m_slot(slot), m_today(today), m_boxes(boxes)
{
}

CommandStore::~CommandStore() = default;

void CommandStore::OPenSqlCommands()
{
    db::Connection* connection = m_slot.ServerConnection;
    if (m_store && m_store->Active() && m_store->connection() == connection)
        return;
    if (connection == nullptr || !connection->Connected()) {
        m_boxes.ShowMsg(kErrorMessage);
        return;
    }
    if (!m_store)
        m_store = std::make_unique<db::Table>(*connection, kTable);
    else if (m_store->connection() != connection)
        m_store->setConnection(*connection);
    try {
        m_store->Open();
    } catch (const platform::Error&) {
        // The store stays closed; the next operation tries again.
    }
}

db::Table& CommandStore::freshStore()
{
    OPenSqlCommands();
    if (!m_store || !m_store->Active())
        throw db::DbError(QStringLiteral("The command store %1 is not open.").arg(kTable));
    m_store->setFiltered(false);
    m_store->setFilter(QString());
    m_store->Refresh();
    m_store->First();
    return *m_store;
}

bool CommandStore::SQlCmdFind(const QString& Sec, const QString& Titr)
{
    db::Table& store = freshStore();
    const QString sec = cut(Sec, kSecWidth);
    const QString titr = cut(Titr, kTitrWidth);
    if (Titr.isEmpty())
        return store.Locate(kSec, {sec});
    if (Sec.isEmpty())
        return store.Locate(kTitr, {titr});
    return store.Locate(kSec + u';' + kTitr, {sec, titr});
}

bool CommandStore::SQlCmdWriteStringList(const QString& Sec, const QString& Titr,
                                         const QStringList& Commands)
{
    try {
        const bool found = SQlCmdFind(Sec, Titr);
        db::Table& store = *m_store;
        if (found) {
            store.Edit();
        } else {
            store.Insert();
            store.FieldByName(kSec).setAsString(cut(Sec, kSecWidth));
            store.FieldByName(kTitr).setAsString(cut(Titr, kTitrWidth));
            store.FieldByName(kSeq).setAsString(QStringLiteral("0"));
        }
        store.FieldByName(kSDate).setAsString(m_today.FarsiToday);
        store.FieldByName(kSqlCmd).setAsString(Commands.join(kLineBreak));
        store.Post();
        return true;
    } catch (const platform::Error&) {
        // A change left pending would be posted by whatever moves the store next.
        if (m_store)
            m_store->Cancel();
        return false;
    }
}

QStringList CommandStore::SQlCmdReadOneWriteStringList(const QString& Sec, const QString& Titr)
{
    if (!SQlCmdFind(Sec, Titr))
        return {};
    return linesOf(m_store->FieldByName(kSqlCmd).AsString());
}

QString CommandStore::SQlCmdReadOne(const QString& Sec)
{
    if (!SQlCmdFind(Sec, QString()))
        return QString();
    return m_store->FieldByName(kSqlCmd).AsString();
}

QStringList CommandStore::SQlCmdReadAndCreatStoreProce(const QString& Sec)
{
    db::Table& store = freshStore();
    // Names stand in brackets with any "]" doubled, so that no section or title closes one.
    QStringList lines{QStringLiteral("CREATE PROCEDURE ") +
                      db::sql::bracketName(kProcedurePrefix + Sec) +
                      QStringLiteral(" As Begin Select ")};
    const auto removeFilter = [&store] {
        store.setFiltered(false);
        store.setFilter(QString());
    };
    try {
        store.setFilter(kSec + u'=' + db::sql::quoteString(cut(Sec, kSecWidth)));
        store.setFiltered(true);
        for (store.First(); !store.Eof(); store.Next()) {
            lines.append(u'(' + store.FieldByName(kSqlCmd).AsString() + u')' +
                         db::sql::bracketName(
                             DbTextTools::RemoveRLBLank(store.FieldByName(kTitr).AsString())) +
                         u',');
        }
    } catch (...) {
        removeFilter();
        throw;
    }
    removeFilter();
    QString& last = lines.back();
    last[last.size() - 1] = u' '; // the comma after the last column; the first line's own blank
    lines.append(QStringLiteral("Into ") + db::sql::bracketName(u'_' + Sec) +
                 QStringLiteral(" End"));
    return lines;
}

} // namespace toolkit
