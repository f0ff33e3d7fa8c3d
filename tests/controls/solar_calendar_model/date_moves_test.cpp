#include "controls/solar_calendar_model/date_moves.h"
#include "solar_sweep.h"

#include <QDate>
#include <climits>
#include <gtest/gtest.h>

using namespace controls;

namespace {

enum class Move { Days, Months, Years, GotoDay, GotoMonth, GotoYear };

std::optional<DateFields> apply(Move move, TDateKind kind, const DateFields& date, qint64 n)
{
    switch (move) {
    case Move::Days:
        return movedByDays(kind, date, n);
    case Move::Months:
        return movedByMonths(kind, date, n);
    case Move::Years:
        return movedByYears(kind, date, n);
    case Move::GotoDay:
        return withDay(kind, date, n);
    case Move::GotoMonth:
        return withMonth(kind, date, n);
    case Move::GotoYear:
        return withYear(kind, date, n);
    }
    return std::nullopt;
}

struct MoveCase {
    const char* name;
    TDateKind kind;
    const char* from;
    Move move;
    qint64 n;
    const char* expected; // the empty text: the move is refused
};

void PrintTo(const MoveCase& row, std::ostream* out)
{
    *out << row.name;
}

class DateMove : public testing::TestWithParam<MoveCase> {};

TEST_P(DateMove, LandsOnTheCalendarsDate)
{
    const MoveCase& c = GetParam();
    const std::optional<DateFields> moved =
        apply(c.move, c.kind, splitDate(QString::fromUtf8(c.from)), c.n);
    EXPECT_EQ(moved ? joinDate(*moved) : QString(), QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Moves, DateMove,
    testing::Values(
        MoveCase{"FiveDaysIntoEsfand", dkSolar, "1389/11/28", Move::Days, 5, "1389/12/03"},
        MoveCase{"OneMonth", dkSolar, "1389/11/28", Move::Months, 1, "1389/12/28"},
        MoveCase{"ThreeMonthsOverTheYearEnd", dkSolar, "1389/11/28", Move::Months, 3, "1390/02/28"},
        MoveCase{"FourteenMonths", dkSolar, "1389/11/28", Move::Months, 14, "1391/01/28"},
        MoveCase{"TwentyThreeMonthsBack", dkSolar, "1389/11/28", Move::Months, -23, "1387/12/28"},
        MoveCase{"MonthBackOverTheYearStart", dkSolar, "1389/01/05", Move::Months, -1,
                 "1388/12/05"},
        MoveCase{"TenDaysBackIntoACommonEsfand", dkSolar, "1389/01/05", Move::Days, -10,
                 "1388/12/24"},
        MoveCase{"Day31IntoMehr", dkSolar, "1389/06/31", Move::Months, 1, "1389/07/30"},
        MoveCase{"Day31BackIntoMordad", dkSolar, "1389/06/31", Move::Months, -1, "1389/05/31"},
        MoveCase{"IntoLeapEsfand", dkSolar, "1403/11/30", Move::Months, 1, "1403/12/30"},
        MoveCase{"IntoCommonEsfand", dkSolar, "1404/11/30", Move::Months, 1, "1404/12/29"},
        MoveCase{"LeapDayPlusAYear", dkSolar, "1403/12/30", Move::Years, 1, "1404/12/29"},
        MoveCase{"LeapDayMinusFourYears", dkSolar, "1403/12/30", Move::Years, -4, "1399/12/30"},
        MoveCase{"LeapDayPlusADay", dkSolar, "1403/12/30", Move::Days, 1, "1404/01/01"},
        MoveCase{"CommonYearEndPlusADay", dkSolar, "1404/12/29", Move::Days, 1, "1405/01/01"},
        MoveCase{"NewYearMinusADay", dkSolar, "1404/01/01", Move::Days, -1, "1403/12/30"},
        MoveCase{"JanuaryEndPlusAMonth", dkGregorian, "2024/01/31", Move::Months, 1, "2024/02/29"},
        MoveCase{"JanuaryEndPlusAMonthCommon", dkGregorian, "2023/01/31", Move::Months, 1,
                 "2023/02/28"},
        MoveCase{"GregorianYearEnd", dkGregorian, "2023/12/31", Move::Days, 1, "2024/01/01"},
        MoveCase{"BackOntoTheLeapDay", dkGregorian, "2024/03/01", Move::Days, -1, "2024/02/29"},
        MoveCase{"GregorianLeapDayPlusAYear", dkGregorian, "2024/02/29", Move::Years, 1,
                 "2025/02/28"},
        MoveCase{"GotoMonth13", dkSolar, "1389/06/31", Move::GotoMonth, 13, ""},
        MoveCase{"GotoMonth263", dkSolar, "1389/06/31", Move::GotoMonth, 263, ""},
        MoveCase{"GotoMonth0", dkSolar, "1389/06/31", Move::GotoMonth, 0, ""},
        MoveCase{"GotoMonthCutsTheDay", dkSolar, "1389/06/31", Move::GotoMonth, 7, "1389/07/30"},
        MoveCase{"GotoDay31InMehr", dkSolar, "1389/07/05", Move::GotoDay, 31, ""},
        MoveCase{"GotoLeapDay", dkSolar, "1403/12/01", Move::GotoDay, 30, "1403/12/30"},
        MoveCase{"GotoDay30InCommonEsfand", dkSolar, "1404/12/01", Move::GotoDay, 30, ""},
        MoveCase{"GotoDay256", dkSolar, "1389/07/05", Move::GotoDay, 257, ""},
        MoveCase{"GotoYearCutsTheLeapDay", dkSolar, "1403/12/30", Move::GotoYear, 1404,
                 "1404/12/29"},
        MoveCase{"GotoAThreeDigitYear", dkSolar, "1389/01/01", Move::GotoYear, 999, ""},
        MoveCase{"GotoAFiveDigitYear", dkGregorian, "2011/01/24", Move::GotoYear, 10000, ""},
        MoveCase{"PastTheLastKeptDay", dkGregorian, "9999/12/31", Move::Days, 1, ""},
        MoveCase{"PastTheLastKeptSolarDay", dkSolar, "9378/10/10", Move::Days, 1, ""},
        MoveCase{"BeforeTheFirstKeptDay", dkSolar, "1000/01/01", Move::Days, -1, ""},
        MoveCase{"SolarYearWithoutAFourDigitGregorianYear", dkSolar, "9378/01/01", Move::Years, 1,
                 ""},
        MoveCase{"LargestDayCount", dkSolar, "1389/01/01", Move::Days, INT_MAX, ""},
        MoveCase{"LargestBackwardDayCount", dkSolar, "1389/01/01", Move::Days, -qint64{INT_MAX} - 1,
                 ""},
        MoveCase{"LargestMonthCount", dkSolar, "1389/01/01", Move::Months, INT_MAX, ""},
        MoveCase{"LargestYearCount", dkSolar, "1389/01/01", Move::Years, INT_MAX, ""},
        MoveCase{"FromADateTheCalendarLacks", dkSolar, "1404/12/30", Move::Days, 1, ""}),
    [](const testing::TestParamInfo<MoveCase>& info) { return std::string(info.param.name); });

// Each day moved by 1, 29 and 366 days each way lands on the day QDate counts to.
TEST(DateMoveSweep, DayMovesAgreeWithGregorianDayCounts)
{
    calendar_test::forEachSolarDay([](const DateFields& solar, const QDate& gregorian) {
        for (const qint64 n : {1, 29, 366, -1, -29, -366}) {
            const std::optional<DateFields> moved = movedByDays(dkSolar, solar, n);
            ASSERT_TRUE(moved) << joinDate(solar).toStdString() << " + " << n;
            const QDate expected = gregorian.addDays(n);
            EXPECT_EQ(*moved, dateOfDayNumber(dkSolar, expected.toJulianDay()))
                << joinDate(solar).toStdString() << " + " << n;
        }
    });
}

// A month moved on by n and back by n returns when its day exists all along; the target is
// always in the month n on and never past its last day.
TEST(DateMoveSweep, MonthMovesLandInTheMonthCountedTo)
{
    calendar_test::forEachSolarMonth([](int year, int month) {
        for (const int day : {1, 29, monthLength(dkSolar, year, month)}) {
            const DateFields date{year, month, day};
            for (const int n : {1, 11, 12, 13, -1, -12, -25}) {
                const std::optional<DateFields> moved = movedByMonths(dkSolar, date, n);
                ASSERT_TRUE(moved) << year << '/' << month << '/' << day << " + " << n;
                const int months = year * 12 + month - 1 + n;
                EXPECT_EQ(moved->year, months / 12);
                EXPECT_EQ(moved->month, months % 12 + 1);
                EXPECT_EQ(moved->day,
                          std::min(day, monthLength(dkSolar, moved->year, moved->month)));
                if (day <= 29) {
                    EXPECT_EQ(movedByMonths(dkSolar, *moved, -n), date);
                }
            }
        }
    });
}

} // namespace
