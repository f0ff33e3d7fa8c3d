#include "recording_board.h"
#include "support/qstring_printer.h"
#include "toolkit/calendar/engine/conversion_error.h"
#include "toolkit/system/system_reports.h"

#include <QTimeZone>
#include <gtest/gtest.h>

namespace {

using Rows = std::vector<std::pair<QString, QString>>;
using platform::WorldZone;

const QString kKb = QStringLiteral("  كيلو بايت  ");

QDateTime utc(int year, int month, int day, int hour, int minute)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute), Qt::UTC);
}

class SystemReportsTest : public ::testing::Test {
protected:
    toolkit::SystemReports reports(platform::ComputerFacts facts, std::vector<WorldZone> zones,
                                   QDateTime now)
    {
        toolkit::SystemReports::Sources sources;
        sources.computer = [facts] { return facts; };
        sources.screen = [] { return QSize(1366, 768); };
        sources.zones = [zones](const QDateTime&) { return zones; };
        sources.utcNow = [now] { return now; };
        return toolkit::SystemReports(state, board, sources);
    }

    toolkit::ToolsState state;
    toolkit_system_testing::RecordingBoard board;
};

TEST_F(SystemReportsTest, ComputerReportHasTheRowsInOrderWithTheRealMemoryFigures)
{
    state.FarsiToday = QStringLiteral("1405/09/19");
    platform::ComputerFacts facts;
    facts.volumeSerial = 4087464660u;
    facts.keyboardLanguages = {QStringLiteral("English (United States)"),
                               QStringLiteral("Persian (Iran)")};
    facts.memoryLoadPercent = 37;
    facts.totalPhysicalKb = 33554432; // 32 GiB, past what a 32-bit figure holds in bytes
    facts.totalVirtualKb = 8388608;
    reports(facts, {}, QDateTime()).GetSystemPeroperties();
    EXPECT_EQ(board.caption, QStringLiteral("گزارش مشخصات كامپيوتر"));
    EXPECT_FALSE(board.farsi);
    EXPECT_EQ(board.stops, 1);
    EXPECT_EQ(board.rows,
              (Rows{{QStringLiteral("گزارش سيستم"), QStringLiteral("1405/09/19")},
                    {QStringLiteral("ارتفاع صفحه نمايش"), QStringLiteral("768")},
                    {QStringLiteral("عرض صفحه نمايش"), QStringLiteral("1366")},
                    {QStringLiteral("HDD Serial"), QStringLiteral("4087464660")},
                    {QStringLiteral("زبان"), QStringLiteral("English (United States)")},
                    {QStringLiteral("زبان"), QStringLiteral("Persian (Iran)")},
                    {QStringLiteral("درصد حافظه در حال استفاده"), QStringLiteral("37")},
                    {QStringLiteral("حافظه اصلي سيستم"), QStringLiteral("33554432") + kKb},
                    {QStringLiteral("برنامه فعلي در حال اجرا"), QStringLiteral("8388608") + kKb},
                    {QStringLiteral("فرمت تاريخ كوتاه"), QStringLiteral("dd/mm/yyyy")},
                    {QStringLiteral("فرمت تاريخ بلند"), QStringLiteral("dd/mm/yyyy")},
                    {QStringLiteral("فرمت ساعت كوتاه"), QStringLiteral("HH:mm:ss")},
                    {QStringLiteral("فرمت ساعت بلند"), QStringLiteral("HH:mm:ss")}}));
}

TEST_F(SystemReportsTest, AVolumeWithoutSerialIsNotDetected)
{
    reports({}, {}, QDateTime()).GetSystemPeroperties();
    ASSERT_GE(board.rows.size(), 4u);
    EXPECT_EQ(board.rows[3],
              std::make_pair(QStringLiteral("HDD Serial"), QStringLiteral("Not Detect")));
    EXPECT_EQ(board.rows.size(), 11u) << "no keyboard, no language row";
}

TEST_F(SystemReportsTest, VersionIsTheProjectVersionInFourNumbers)
{
    QStringList parts = QStringLiteral(FARM_PROJECT_VERSION).split(QLatin1Char('.'));
    while (parts.size() < 4)
        parts.append(QStringLiteral("0"));
    EXPECT_EQ(reports({}, {}, QDateTime()).GetVersion(), parts.join(QLatin1Char('.')));
}

const std::vector<WorldZone> kZones = {
    {QStringLiteral("Afghanistan Standard Time"), QStringLiteral("(UTC+04:30) Kabul"),
     "Asia/Kabul"},
    {QStringLiteral("GMT Standard Time"), QStringLiteral("(UTC+00:00) London"), "Europe/London"},
    {QStringLiteral("Greenland Standard Time"), QStringLiteral("(UTC-03:00) Nuuk"), "America/Nuuk"},
    {QStringLiteral("Pacific Standard Time"), QStringLiteral("(UTC-08:00) Los Angeles, Vancouver"),
     "America/Los_Angeles"},
    {QStringLiteral("Romance Standard Time"), QStringLiteral("(UTC+01:00) Paris"), "Europe/Paris"},
    {QStringLiteral("UTC"), QStringLiteral("(UTC) Coordinated Universal Time"), "UTC"},
    {QStringLiteral("UTC+12"), QStringLiteral("(UTC+12:00) Coordinated Universal Time+12"),
     "Etc/GMT-12"},
    {QStringLiteral("Unknown Standard Time"), QStringLiteral("(UTC-05:00) Nowhere"),
     "Nowhere/Nothing"},
};

struct ClockCase {
    const char* name;
    QDateTime now;
    const char* tehran;
    const char* kabul;
    const char* losAngeles;
    const char* paris;
};

class WorldClocksTest : public SystemReportsTest,
                        public ::testing::WithParamInterface<ClockCase> {};

TEST_P(WorldClocksTest, ShowsEachZonesOwnTimeAtTheInstant)
{
    const ClockCase& c = GetParam();
    reports({}, kZones, c.now).ShowTimes();
    EXPECT_EQ(board.caption, QStringLiteral("ساعتهاي جهان"));
    EXPECT_FALSE(board.farsi);
    EXPECT_EQ(board.stops, 1);
    EXPECT_EQ(board.rows,
              (Rows{{QStringLiteral("Iran(Tehran)"), QString::fromLatin1(c.tehran)},
                    {QStringLiteral("Afghanistan ( Kabul)[+04:30]"), QString::fromLatin1(c.kabul)},
                    {QStringLiteral("Pacific ( Los Angeles, Vancouver)[-08:00]"),
                     QString::fromLatin1(c.losAngeles)},
                    {QStringLiteral("Romance ( Paris)[+01:00]"), QString::fromLatin1(c.paris)},
                    {QStringLiteral("( Coordinated Universal Time+12)[+12:00]"),
                     QStringLiteral("%1").arg(
                         c.now.addSecs(12 * 3600).time().toString(QStringLiteral("HH:mm:ss")))},
                    {QStringLiteral("Unknown ( Nowhere)[-05:00]"),
                     c.now.addSecs(-5 * 3600).time().toString(QStringLiteral("HH:mm:ss"))}}));
}

INSTANTIATE_TEST_SUITE_P(
    Instants, WorldClocksTest,
    ::testing::Values(ClockCase{"winter", utc(2026, 1, 15, 12, 0), "15:30:00", "16:30:00",
                                "04:00:00", "13:00:00"},
                      ClockCase{"summerDaylightSaving", utc(2026, 7, 1, 12, 0), "15:30:00",
                                "16:30:00", "05:00:00", "14:00:00"},
                      ClockCase{"pastMidnight", utc(2026, 3, 31, 22, 45), "02:15:00", "03:15:00",
                                "15:45:00", "00:45:00"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SystemReportsTest, AnOffsetThatIsNoTimeRaisesAConversionError)
{
    for (const char* display : {"(UTC+3x:00) Bad", "(UTC+25:00) Bad", "(UTC+) Bad"}) {
        const std::vector<WorldZone> zones = {
            {QStringLiteral("Bad Standard Time"), QString::fromLatin1(display), "Asia/Tehran"}};
        EXPECT_THROW(reports({}, zones, utc(2026, 1, 1, 0, 0)).ShowTimes(),
                     toolkit::ConversionError)
            << display;
        EXPECT_EQ(board.rows.size(), 1u) << "the Tehran row stands";
    }
}

TEST_F(SystemReportsTest, TheTzDatabaseGivesAZoneForEveryRowAndSkipsTheListedOnes)
{
    toolkit::SystemReports::Sources sources;
    sources.utcNow = [] { return utc(2026, 7, 1, 12, 0); };
    toolkit::SystemReports(state, board, sources).ShowTimes();
    ASSERT_GT(board.rows.size(), 100u);
    EXPECT_EQ(board.rows.front(),
              std::make_pair(QStringLiteral("Iran(Tehran)"), QStringLiteral("15:30:00")));
    const auto row = [this](const QString& start) {
        return std::find_if(board.rows.cbegin(), board.rows.cend(),
                            [&start](const auto& r) { return r.first.startsWith(start); });
    };
    const auto pacific = row(QStringLiteral("Pacific ("));
    ASSERT_NE(pacific, board.rows.cend());
    EXPECT_TRUE(pacific->first.endsWith(QLatin1String(")[-08:00]"))) << qPrintable(pacific->first);
    EXPECT_EQ(pacific->second, QStringLiteral("05:00:00"));
    for (const char* skipped : {"GMT (", "Greenwich (", "Greenland (", "GTB ("})
        EXPECT_EQ(row(QString::fromLatin1(skipped)), board.rows.cend()) << skipped;
}

TEST_F(SystemReportsTest, SetStringListGivesAFreshListOfFiftyOneEmptyLines)
{
    auto list =
        std::make_unique<QStringList>(QStringList{QStringLiteral("a"), QStringLiteral("b")});
    reports({}, {}, QDateTime()).SetStringList(list);
    ASSERT_TRUE(list);
    EXPECT_EQ(*list, QStringList(51, QString()));
    std::unique_ptr<QStringList> none;
    reports({}, {}, QDateTime()).SetStringList(none);
    ASSERT_TRUE(none);
    EXPECT_EQ(none->size(), 51);
}

} // namespace
