// The computer report and the world clocks on the message board.
#include "app/screenshots/screenshot_registry.h"
#include "toolkit/base/tools_state.h"
#include "toolkit/dialogs/message_board_form.h"
#include "toolkit/system/system_reports.h"

namespace {

/// The board after a report that report writes, on a machine of fixed facts at a fixed instant.
std::unique_ptr<QWidget> boardAfter(void (toolkit::SystemReports::*report)())
{
    auto board = std::make_unique<toolkit::TMessageBoardForm>([] {});
    toolkit::SolarToday today;
    today.FarsiToday = QStringLiteral("1405/09/19");
    toolkit::SystemReports::Sources sources;
    sources.computer = [] {
        platform::ComputerFacts facts;
        facts.volumeSerial = 4087464660u;
        facts.keyboardLanguages = {QStringLiteral("English (United States)"),
                                   QStringLiteral("Persian (Iran)")};
        facts.memoryLoadPercent = 41;
        facts.totalPhysicalKb = 16318412;
        facts.totalVirtualKb = 2097148;
        return facts;
    };
    sources.screen = [] { return QSize(1366, 768); };
    sources.utcNow = [] { return QDateTime(QDate(2026, 7, 1), QTime(8, 15, 42), Qt::UTC); };
    toolkit::SystemReports reports(today, *board, sources);
    (reports.*report)();
    return board;
}

const screenshots::Registration systemReports{{
    {QStringLiteral("board-computer-report"),
     [] { return boardAfter(&toolkit::SystemReports::GetSystemPeroperties); }},
    {QStringLiteral("board-world-clocks"),
     [] { return boardAfter(&toolkit::SystemReports::ShowTimes); }},
}};

} // namespace
