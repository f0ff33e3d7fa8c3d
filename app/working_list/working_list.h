#pragma once

#include "app/lists/report_definition.h"
#include "app/lists/select_statements.h"

#include <QString>
#include <optional>
#include <vector>

namespace db {
class Query;
class Table;
} // namespace db

namespace toolkit {
class StatementTools;
class SystemTools;
} // namespace toolkit

namespace app {

/// What a lookup found, for the form to show.
struct LookupOutcome {
    int found = 0;         ///< present animals the typed number names; 0 for a wrong number
    int alreadyListed = 0; ///< of those, the animals the list held already; the rest were added
};

/// What handing the list to the report program did.
enum class HandOff { Started, GeneratorMissing };

/// The working list "2Tarvex" as the operator works it, without widgets: the lookup that adds
/// animals, deleting rows, and handing the list to the report program. The datasets are the
/// data module's; statements of the toolkit run on its ServerConnection.
class WorkingList {
public:
    WorkingList(db::Table& list, db::Query& lookup, db::Query& insert,
                toolkit::StatementTools& statements, toolkit::SystemTools& system);

    /// Looks the typed number up among the present animals (with the sex item's text, when
    /// given) and adds each one found that the list does not hold yet.
    LookupOutcome lookUp(LookupEntry entry, const QString& typed,
                         const std::optional<QString>& sexItem, bool withProtocols);
    /// Adds the animal with serial `serial` with the facts at its side.
    void insert(const QString& serial, bool withProtocols);
    /// Re-reads the list, so that what another workstation changed is seen.
    void refresh();
    /// Deletes the current row; nothing on an empty list.
    void deleteCurrent();
    /// Deletes every row; nothing is sent on an empty list.
    void deleteAll();
    /// Writes "CSVReport.JSC" for the columns and "PassedReportName.txt" naming it into the
    /// program folder and starts "VexaSystem.exe" there; writes nothing when it is missing.
    HandOff handOff(const QString& programFolder, const std::vector<ReportColumn>& columns);

private:
    db::Table& m_list;
    db::Query& m_lookup;
    db::Query& m_insert;
    toolkit::StatementTools& m_statements;
    toolkit::SystemTools& m_system;
};

} // namespace app
