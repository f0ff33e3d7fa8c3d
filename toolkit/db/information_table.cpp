#include "toolkit/db/information_table.h"

#include "dataaccess/query.h"
#include "dataaccess/table.h"
#include "platform/error.h"
#include "toolkit/base/tools_state.h"
#include "toolkit/boxes/message_board.h"
#include "toolkit/boxes/message_boxes.h"
#include "toolkit/db/db_text_tools.h"
#include "toolkit/db/statement_tools.h"

namespace toolkit {

namespace {

const QString kTable = QStringLiteral("Dbo.Info");
const QString kKeyColumns = QStringLiteral("GroupSec;KeyName");
const QString kGroupSec = QStringLiteral("GroupSec");
const QString kKeyName = QStringLiteral("KeyName");
const QString kKeyValue = QStringLiteral("KeyValue");
const QString kDiscription = QStringLiteral("Discription");
const QString kDefaultSection = QStringLiteral("DEFAULT");
const QString kNoAnswer = QStringLiteral("NOTANSWER");
const QString kVersionTitle = QStringLiteral("گزارش مشخصات نرم افزار");
const QString kVersionFailed = QStringLiteral("امكان نمايش كنترل نسخ نيست");
const QString kVersionQuery = QStringLiteral("Select * from Info Where GroupSec='Version'");

QString sectionOf(const QString& Section)
{
    return DbTextTools::IsBlank(Section) ? kDefaultSection : Section;
}

/// Stops the board's recording however the report ends.
class RecordingStopper {
public:
    explicit RecordingStopper(MessageBoard& board) : m_board(board) {}
    ~RecordingStopper() { m_board.StopRecording(); }
    RecordingStopper(const RecordingStopper&) = delete;
    RecordingStopper& operator=(const RecordingStopper&) = delete;

private:
    MessageBoard& m_board;
};

} // namespace

InformationTable::InformationTable(const ServerSlot& slot, MessageBoxes& boxes, MessageBoard& board)
    : m_slot(slot), m_boxes(boxes), m_board(board)
{
}

void InformationTable::WriteInformation(const QString& Section, const QString& KeyName,
                                        const QString& KeyValue, const QString& Discription)
{
    db::Table info(serverConnection(m_slot), kTable);
    info.Open();
    const QString section = sectionOf(Section);
    if (info.Locate(kKeyColumns, {section, KeyName})) {
        info.Edit();
    } else {
        info.Insert();
        info.FieldByName(kGroupSec).setAsString(section);
        info.FieldByName(kKeyName).setAsString(KeyName);
        if (!Discription.isEmpty())
            info.FieldByName(kDiscription).setAsString(Discription);
    }
    info.FieldByName(kKeyValue).setAsString(KeyValue);
    info.Post();
}

void InformationTable::ReadInformation(const QString& Section, const QString& KeyName,
                                       QString& KeyValue)
{
    KeyValue = FReadInformation(Section, KeyName);
}

QString InformationTable::FReadInformation(const QString& Section, const QString& KeyName)
{
    db::Table info(serverConnection(m_slot), kTable);
    info.Open();
    if (!info.Locate(kKeyColumns, {sectionOf(Section), KeyName}))
        return kNoAnswer;
    return info.FieldByName(kKeyValue).AsString();
}

void InformationTable::VersionShow()
{
    m_board.StartRecording(false, kVersionTitle);
    const RecordingStopper stopper(m_board);
    try {
        db::Query query(serverConnection(m_slot));
        query.setSQL(kVersionQuery);
        query.Open();
        for (query.First(); !query.Eof(); query.Next())
            m_board.PostThisMessage(query.FieldByName(kKeyName).AsString(),
                                    query.FieldByName(kKeyValue).AsString());
    } catch (const platform::Error&) {
        m_boxes.ShowMsg(kVersionFailed);
    }
}

} // namespace toolkit
