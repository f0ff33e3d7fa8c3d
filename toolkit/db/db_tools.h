#pragma once

#include "toolkit/db/connection_settings_tools.h"
#include "toolkit/db/customer_chooser.h"
#include "toolkit/db/db_text_tools.h"
#include "toolkit/db/list_tools.h"
#include "toolkit/db/script_runner.h"
#include "toolkit/db/standalone_query.h"
#include "toolkit/db/statement_tools.h"

namespace toolkit {

/// The toolkit's database concern: connection settings, statements and probes, the script
/// runner, and the list and sum helpers, all on the state's ServerConnection.
class DbTools : public DbTextTools,
                public ConnectionSettingsTools,
                public StatementTools,
                public ScriptRunner,
                public ListTools {
public:
    DbTools(ToolsState& state, MessageBoxes& boxes, MessageBoard& board, CustomerChooser& chooser)
        : ConnectionSettingsTools(state, chooser), StatementTools(state, boxes, board),
          ScriptRunner(state, boxes, board), ListTools(state)
    {
    }
};

} // namespace toolkit
