#include "toolkit/system/system_reports.h"

#include "platform/process_formats.h"
#include "toolkit/boxes/message_board.h"
#include "toolkit/system/world_clock_rows.h"

#include <QGuiApplication>
#include <QScreen>

namespace toolkit {

namespace {

/// Lines of a scratch list made by SetStringList.
constexpr int kScratchLines = 51;
const QString kKilobytes = QStringLiteral("  كيلو بايت  ");

QSize primaryScreenSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize();
}

SystemReports::Sources withDefaults(SystemReports::Sources sources)
{
    if (!sources.computer)
        sources.computer = platform::computerFacts;
    if (!sources.screen)
        sources.screen = primaryScreenSize;
    if (!sources.zones)
        sources.zones = platform::worldZones;
    if (!sources.utcNow)
        sources.utcNow = QDateTime::currentDateTimeUtc;
    return sources;
}

} // namespace

SystemReports::SystemReports(const SolarToday& today, MessageBoard& board, Sources sources)
    : m_today(today), m_board(board), m_sources(withDefaults(std::move(sources)))
{
}

QString SystemReports::GetVersion() const
{
    return QStringLiteral(FARM_PROGRAM_VERSION);
}

void SystemReports::GetSystemPeroperties()
{
    const platform::ComputerFacts facts = m_sources.computer();
    const QSize screen = m_sources.screen();
    const platform::ProcessFormats& formats = platform::processFormats();
    m_board.StartRecording(false, QStringLiteral("گزارش مشخصات كامپيوتر"));
    m_board.PostThisMessage(QStringLiteral("گزارش سيستم"), m_today.FarsiToday);
    m_board.PostThisMessage(QStringLiteral("ارتفاع صفحه نمايش"), QString::number(screen.height()));
    m_board.PostThisMessage(QStringLiteral("عرض صفحه نمايش"), QString::number(screen.width()));
    m_board.PostThisMessage(QStringLiteral("HDD Serial"), facts.volumeSerial
                                                              ? QString::number(*facts.volumeSerial)
                                                              : QStringLiteral("Not Detect"));
    for (const QString& language : facts.keyboardLanguages)
        m_board.PostThisMessage(QStringLiteral("زبان"), language);
    m_board.PostThisMessage(QStringLiteral("درصد حافظه در حال استفاده"),
                            QString::number(facts.memoryLoadPercent));
    m_board.PostThisMessage(QStringLiteral("حافظه اصلي سيستم"),
                            QString::number(facts.totalPhysicalKb) + kKilobytes);
    m_board.PostThisMessage(QStringLiteral("برنامه فعلي در حال اجرا"),
                            QString::number(facts.totalVirtualKb) + kKilobytes);
    m_board.PostThisMessage(QStringLiteral("فرمت تاريخ كوتاه"), formats.shortDateFormat);
    m_board.PostThisMessage(QStringLiteral("فرمت تاريخ بلند"), formats.longDateFormat);
    m_board.PostThisMessage(QStringLiteral("فرمت ساعت كوتاه"), formats.shortTimeFormat);
    m_board.PostThisMessage(QStringLiteral("فرمت ساعت بلند"), formats.longTimeFormat);
    m_board.StopRecording();
}

void SystemReports::ShowTimes()
{
    const QDateTime now = m_sources.utcNow();
    const QString format = platform::processFormats().longTimeFormat;
    m_board.StartRecording(false, QStringLiteral("ساعتهاي جهان"));
    m_board.PostThisMessage(QStringLiteral("Iran(Tehran)"), tehranTime(now, format));
    for (const ReportRow& row : worldClockRows(m_sources.zones(now), now, format))
        m_board.PostThisMessage(row.title, row.text);
    m_board.StopRecording();
}

void SystemReports::ShowSystemInformation() {}

void SystemReports::SetStringList(std::unique_ptr<QStringList>& StLName)
{
    StLName = std::make_unique<QStringList>(QStringList(kScratchLines, QString()));
}

} // namespace toolkit
