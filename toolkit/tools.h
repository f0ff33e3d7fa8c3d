#pragma once

#include "dataaccess/connection.h"
#include "toolkit/calendar/calendar_tools.h"
#include "toolkit/db/db_tools.h"
#include "toolkit/db/multi_user_chooser.h"
#include "toolkit/dialogs/message_board_form.h"
#include "toolkit/dialogs/message_boxes.h"
#include "toolkit/dialogs/wait_boxes.h"
#include "toolkit/images/image_tools.h"
#include "toolkit/settings_tools.h"
#include "toolkit/system/system_tools.h"
#include "toolkit/tools_state.h"

#include <QDate>
#include <QString>
#include <functional>
#include <memory>

namespace toolkit {

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
/// system); this class only combines them and gives the state its first values.
class TTools : protected ToolsParts,
               public SettingsTools,
               public MessageBoxes,
               public WaitBoxes,
               public CalendarTools,
               public DbTools,
               public SystemTools,
               public ImageTools {
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

    /// The connection every toolkit statement runs on.
    db::Connection*& ServerConnection() { return m_toolsState.ServerConnection; }
    const QString& AppPath() const { return m_toolsState.AppPath; }

private:
    QString m_programDir;
};

} // namespace toolkit
