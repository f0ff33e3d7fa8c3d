#pragma once

#include "dataaccess/connection.h"
#include "toolkit/base/settings_tools.h"
#include "toolkit/base/tools_state.h"
#include "toolkit/boxes/message_boxes.h"
#include "toolkit/calendar/calendar_tools.h"
#include "toolkit/date_picking/date_picking.h"
#include "toolkit/db/db_tools.h"
#include "toolkit/db/forms/multi_user_chooser.h"
#include "toolkit/dialogs/message_board_form.h"
#include "toolkit/dialogs/wait_boxes.h"
#include "toolkit/images/image_tools.h"
#include "toolkit/prompts/prompts.h"
#include "toolkit/system/desktop_tools.h"
#include "toolkit/system/services/desktop_service_tools.h"
#include "toolkit/system/services/file_tools.h"
#include "toolkit/system/services/network_tools.h"
#include "toolkit/system/services/process_tools.h"
#include "toolkit/system/system_reports.h"
#include "toolkit/system/system_tools.h"
#include "toolkit/templates/form_templates.h"

#include <QDate>
#include <QString>
#include <functional>
#include <memory>

namespace toolkit {

/// The farm connection lent to the toolkit: while the loan lives, every toolkit statement runs
/// on it; when the loan ends, the toolkit's own connection is the ServerConnection again. The
/// borrower keeps the loan no longer than the connection it lent.
class [[nodiscard]] ServerConnectionLoan {
public:
    ServerConnectionLoan(ServerSlot& slot, db::Connection& lent, db::Connection& own);
    ServerConnectionLoan(ServerConnectionLoan&& other) noexcept;
    ServerConnectionLoan(const ServerConnectionLoan&) = delete;
    ServerConnectionLoan& operator=(const ServerConnectionLoan&) = delete;
    ServerConnectionLoan& operator=(ServerConnectionLoan&&) = delete;
    ~ServerConnectionLoan();

private:
    ServerSlot* m_slot; ///< null once moved from
    db::Connection* m_own;
};

/// What the toolkit's concerns share, made before any of them: the state, the toolkit's own
/// connection, the message board (hidden) and the customer chooser.
class ToolsParts {
protected:
    ToolsParts();

    ToolsState m_toolsState;
    /// The toolkit's own connection: database "master", user "sa", no login prompt. It is the
    /// ServerConnection until the data module lends its farm connection.
    db::Connection m_toolkitConnection;
    std::unique_ptr<TMessageBoardForm> m_messageBoard;
    MultiUserChooser m_customerChooser;
    /// Run each time the board becomes visible.
    std::function<void()> m_onBoardShown;
};

/// The toolkit object: one per program, created after the main form and before the data module.
/// Its operations live with their concern (settings, boxes, wait box, calendar, database,
/// system, form templates); this class only combines them and gives the state its first values.
class TTools : protected ToolsParts,
               public SettingsTools,
               public MessageBoxes,
               public WaitBoxes,
               public CalendarTools,
               public DbTools,
               public SystemTools,
               public FormTemplates,
               public Prompts,
               public DesktopTools,
               public SystemReports,
               public ProcessTools,
               public FileTools,
               public NetworkTools,
               public DesktopServiceTools,
               public ImageTools,
               public DatePicking {
public:
    /// programDir is the folder that holds the program.
    explicit TTools(const QString& programDir);
    TTools(const TTools&) = delete;
    TTools& operator=(const TTools&) = delete;

    /// The creation handler: desk size, formats, Persian keyboard, today's solar date, the 50
    /// returned values, program folder, work folders, version code, board, flags.
    void FormCreate(const QDate& today = QDate::currentDate());

    ToolsState& state() { return m_toolsState; }
    TMessageBoardForm& MessageBoardForm() { return *m_messageBoard; }

    /// The connection every toolkit statement runs on: the toolkit's own, or the one lent.
    db::Connection& ServerConnection() const { return *m_toolsState.ServerConnection; }
    /// Lends `farm` as the ServerConnection until the loan ends.
    ServerConnectionLoan LendServerConnection(db::Connection& farm);
    const QString& AppPath() const { return m_toolsState.AppPath; }

private:
    QString m_programDir;
};

} // namespace toolkit
