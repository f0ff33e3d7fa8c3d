#include "toolkit/tools.h"

#include "dataaccess/base/connection_settings.h"
#include "platform/gui/desktop.h"
#include "toolkit/base/work_folders.h"

#include <utility>

namespace toolkit {

namespace {
constexpr int kReturnedValueSlots = 50;
constexpr int kVersionCodeLength = 3;
} // namespace

ServerConnectionLoan::ServerConnectionLoan(ServerSlot& slot, db::Connection& lent,
                                           db::Connection& own)
    : m_slot(&slot), m_own(&own)
{
    slot.ServerConnection = &lent;
}

ServerConnectionLoan::ServerConnectionLoan(ServerConnectionLoan&& other) noexcept
    : m_slot(std::exchange(other.m_slot, nullptr)), m_own(other.m_own)
{
}

ServerConnectionLoan::~ServerConnectionLoan()
{
    if (m_slot)
        m_slot->ServerConnection = m_own;
}

ToolsParts::ToolsParts()
{
    m_toolkitConnection.Database = QStringLiteral("master");
    m_toolkitConnection.UserName = QStringLiteral("sa");
    m_toolkitConnection.LoginPrompt = false;
    m_toolsState.ServerConnection = &m_toolkitConnection;
    m_messageBoard = std::make_unique<TMessageBoardForm>([this] {
        if (m_onBoardShown)
            m_onBoardShown();
    });
}

// The state is given to each concern as the parts of it the concern takes.
TTools::TTools(const QString& programDir)
    : SettingsTools(), MessageBoxes(), WaitBoxes(), CalendarTools(m_toolsState, *this),
      DbTools(m_toolsState, m_toolsState, m_toolsState, m_toolsState, m_toolsState, m_toolsState,
              *this, *m_messageBoard, m_customerChooser),
      SystemTools(), FormTemplates(m_toolsState), Prompts(m_toolsState, *this, *this),
      DesktopTools(m_toolsState, *this, *m_messageBoard),
      SystemReports(m_toolsState, *m_messageBoard),
      DatePicking(*this, [] { return QDate::currentDate(); }), m_programDir(programDir)
{
    m_onBoardShown = [this] { _SetConfigAgain(); };
}

ServerConnectionLoan TTools::LendServerConnection(db::Connection& farm)
{
    return ServerConnectionLoan(m_toolsState, farm, m_toolkitConnection);
}

void TTools::FormCreate(const QDate& today)
{
    m_toolsState.DeskSize = platform::desktopWorkArea();
    setDateTimeFormats();
    SwitchToFarsi();
    computeFarsiToday(today);
    m_toolsState.SqlReturnedValues.clear();
    for (int i = 0; i < kReturnedValueSlots; ++i)
        m_toolsState.SqlReturnedValues.append(QString());
    m_toolsState.AppPath = programFolder(m_programDir);
    db::setApplicationPath(m_toolsState.AppPath); // embedded servers are found from here
    makeWorkFolders(m_toolsState.AppPath);
    m_toolsState.ViewCanBeDroped = true;
    m_toolsState.WinVer = GetWinVersion().left(kVersionCodeLength);
    // The board was made, hidden, with the toolkit; it lives until the program ends.
    m_toolsState.LastINIFound = false;
}

} // namespace toolkit
