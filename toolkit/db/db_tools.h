#pragma once

#include "toolkit/db/command_store.h"
#include "toolkit/db/connection_settings_tools.h"
#include "toolkit/db/customer_chooser.h"
#include "toolkit/db/db_text_tools.h"
#include "toolkit/db/field_templates.h"
#include "toolkit/db/information_table.h"
#include "toolkit/db/list_tools.h"
#include "toolkit/db/script_runner.h"
#include "toolkit/db/standalone_query.h"
#include "toolkit/db/statement_tools.h"

namespace toolkit {

/// The toolkit's database concern: connection settings, statements and probes, the script
/// runner, the list and sum helpers, the command store, the information table and the field
/// templates, all on the toolkit's ServerConnection.
class DbTools : public DbTextTools,
                public ConnectionSettingsTools,
                public StatementTools,
                public ScriptRunner,
                public ListTools,
                public CommandStore,
                public InformationTable,
                public FieldTemplates {
public:
    DbTools(const ServerSlot& slot, StatementReturns& returns, const ViewDropping& dropping,
            const ProgramPlace& place, const SolarToday& today, TemplateFlag& templateFlag,
            MessageBoxes& boxes, MessageBoard& board, CustomerChooser& chooser)
        : ConnectionSettingsTools(place, chooser),
          StatementTools(slot, returns, dropping, place, boxes, board),
          ScriptRunner(slot, place, boxes, board), ListTools(slot),
          CommandStore(slot, today, boxes), InformationTable(slot, boxes, board),
          FieldTemplates(templateFlag, *this)
    {
    }
};

} // namespace toolkit
