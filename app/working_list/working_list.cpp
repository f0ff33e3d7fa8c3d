#include "app/working_list/working_list.h"

#include "dataaccess/query.h"
#include "dataaccess/table.h"
#include "platform/text_file.h"
#include "toolkit/base/work_folders.h"
#include "toolkit/db/statement_tools.h"
#include "toolkit/system/system_tools.h"

namespace app {

WorkingList::WorkingList(db::Table& list, db::Query& lookup, db::Query& insert,
                         toolkit::StatementTools& statements, toolkit::SystemTools& system)
    : m_list(list), m_lookup(lookup), m_insert(insert), m_statements(statements), m_system(system)
{
}

LookupOutcome WorkingList::lookUp(LookupEntry entry, const QString& typed,
                                  const std::optional<QString>& sexItem, bool withProtocols)
{
    m_lookup.Close();
    m_lookup.setSQL(lookupStatement(entry, typed, sexItem));
    m_lookup.Open();

    LookupOutcome outcome;
    if (m_lookup.IsEmpty())
        return outcome;
    m_list.Refresh();
    for (m_lookup.First(); !m_lookup.Eof(); m_lookup.Next()) {
        const QString serial = m_lookup.FieldByName(QStringLiteral("Serial")).AsString();
        m_list.First();
        if (m_list.Locate(QStringLiteral("Serial"), {serial}))
            ++outcome.alreadyListed;
        else
            insert(serial, withProtocols);
        ++outcome.found;
    }
    m_list.Refresh();
    return outcome;
}

void WorkingList::insert(const QString& serial, bool withProtocols)
{
    m_insert.Close();
    m_insert.setSQL(insertListStatement(serial, withProtocols));
    m_insert.ExecSQL();
}

void WorkingList::refresh()
{
    m_list.Refresh();
}

void WorkingList::deleteCurrent()
{
    if (m_list.IsEmpty())
        return;
    m_list.Delete();
    m_list.Refresh();
}

void WorkingList::deleteAll()
{
    if (m_list.IsEmpty())
        return;
    m_statements.ExecSql(QStringLiteral("delete from [2Tarvex]"));
    m_list.Refresh();
}

HandOff WorkingList::handOff(const QString& programFolder, const std::vector<ReportColumn>& columns)
{
    const QString generator =
        toolkit::findFileIgnoringCase(programFolder, QStringLiteral("VexaSystem.exe"));
    if (generator.isEmpty())
        return HandOff::GeneratorMissing;
    const QString definition = programFolder + QStringLiteral("CSVReport.JSC");
    platform::writeTextFile(definition, reportDefinitionLines(columns));
    platform::writeTextFile(programFolder + QStringLiteral("PassedReportName.txt"), {definition});
    m_system.ExecuteFile(generator);
    return HandOff::Started;
}

} // namespace app
