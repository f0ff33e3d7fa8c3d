#include "toolkit/tools.h"

#include "dataaccess/connection_settings.h"
#include "platform/desktop.h"
#include "toolkit/work_folders.h"

namespace toolkit {

namespace {
constexpr int kReturnedValueSlots = 50;
constexpr int kVersionCodeLength = 3;
} // namespace

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

TTools::TTools(const QString& programDir)
    : SettingsTools(), MessageBoxes(), WaitBoxes(), CalendarTools(m_toolsState, *this),
      DbTools(m_toolsState, *this, *m_messageBoard, m_customerChooser), SystemTools(m_toolsState),
      DesktopTools(m_toolsState, *this, *m_messageBoard),
      SystemReports(m_toolsState, *m_messageBoard), m_programDir(programDir)
{
    m_onBoardShown = [this] { _SetConfigAgain(); };
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
