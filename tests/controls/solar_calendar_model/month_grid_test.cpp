#include "controls/solar_calendar_model/month_grid.h"
#include "solar_sweep.h"

#include <QDate>
#include <gtest/gtest.h>
#include <vector>

using namespace controls;

namespace {

constexpr int cellCount = MonthGrid::rows * MonthGrid::columns;

std::vector<int> dayNumbers(const MonthGrid& grid)
{
    std::vector<int> days;
    for (int row = 0; row < MonthGrid::rows; ++row)
        for (int column = 0; column < MonthGrid::columns; ++column)
            days.push_back(grid.cell(row, column).day);
    return days;
}

int countPlace(const MonthGrid& grid, CellPlace place)
{
    int count = 0;
    for (int row = 0; row < MonthGrid::rows; ++row)
        for (int column = 0; column < MonthGrid::columns; ++column)
            count += grid.cell(row, column).place == place ? 1 : 0;
    return count;
}

// Months whose layout a reader can check on a printed calendar.
struct KnownMonth {
    const char* name;
    TDateKind kind;
    int year;
    int month;
    int firstColumn;
    int days;
    std::vector<int> firstRow; // row 0 with neighbours shown
    std::vector<int> lastRow;  // row 5 with neighbours shown
};

void PrintTo(const KnownMonth& row, std::ostream* out)
{
    *out << row.name;
}

class MonthGridKnownMonth : public testing::TestWithParam<KnownMonth> {};

TEST_P(MonthGridKnownMonth, LaysOutTheDaysAndTheNeighbours)
{
    const KnownMonth& known = GetParam();
    const MonthGrid grid(known.kind, known.year, known.month, true);
    EXPECT_EQ(grid.firstColumn(), known.firstColumn);
    EXPECT_EQ(grid.monthDays(), known.days);
    const std::vector<int> days = dayNumbers(grid);
    EXPECT_EQ(std::vector<int>(days.begin(), days.begin() + 7), known.firstRow);
    EXPECT_EQ(std::vector<int>(days.end() - 7, days.end()), known.lastRow);
    EXPECT_EQ(grid.cellIndexOfDay(1), known.firstColumn);
    EXPECT_EQ(grid.cellIndexOfDay(known.days), known.firstColumn + known.days - 1);
    EXPECT_EQ(grid.cellIndexOfDay(known.days + 1), -1);
}

INSTANTIATE_TEST_SUITE_P(
    Months, MonthGridKnownMonth,
    testing::Values(
        // 1 Farvardin 1404 was a Friday: day 1 in the last column, day 31 in row 5, and the
        // cells before it hold the last days of Esfand 1403, a leap year.
        KnownMonth{"Farvardin1404StartsOnFriday",
                   dkSolar,
                   1404,
                   1,
                   6,
                   31,
                   {25, 26, 27, 28, 29, 30, 1},
                   {30, 31, 1, 2, 3, 4, 5}},
        KnownMonth{"Esfand1403HasItsLeapDay",
                   dkSolar,
                   1403,
                   12,
                   4,
                   30,
                   {27, 28, 29, 30, 1, 2, 3},
                   {2, 3, 4, 5, 6, 7, 8}},
        KnownMonth{"Esfand1404IsCommon",
                   dkSolar,
                   1404,
                   12,
                   6,
                   29,
                   {25, 26, 27, 28, 29, 30, 1},
                   {1, 2, 3, 4, 5, 6, 7}},
        KnownMonth{"Bahman1389",
                   dkSolar,
                   1389,
                   11,
                   6,
                   30,
                   {25, 26, 27, 28, 29, 30, 1},
                   {30, 1, 2, 3, 4, 5, 6}},
        KnownMonth{"February2024LeapDay",
                   dkGregorian,
                   2024,
                   2,
                   4,
                   29,
                   {28, 29, 30, 31, 1, 2, 3},
                   {3, 4, 5, 6, 7, 8, 9}},
        KnownMonth{"February2015FillsFourRows",
                   dkGregorian,
                   2015,
                   2,
                   0,
                   28,
                   {1, 2, 3, 4, 5, 6, 7},
                   {8, 9, 10, 11, 12, 13, 14}},
        KnownMonth{"January2011",
                   dkGregorian,
                   2011,
                   1,
                   6,
                   31,
                   {26, 27, 28, 29, 30, 31, 1},
                   {30, 31, 1, 2, 3, 4, 5}}),
    [](const testing::TestParamInfo<KnownMonth>& info) { return std::string(info.param.name); });

TEST(MonthGrid, WithoutNeighboursTheCellsAroundTheMonthAreEmptyButKeepTheirPlace)
{
    const MonthGrid grid(dkSolar, 1404, 1, false);
    EXPECT_EQ(grid.cell(0, 0).day, 0);
    EXPECT_EQ(grid.cell(0, 0).place, CellPlace::Before);
    EXPECT_EQ(grid.cell(0, 6).day, 1);
    EXPECT_EQ(grid.cell(5, 2).day, 0);
    EXPECT_EQ(grid.cell(5, 2).place, CellPlace::After);
}

TEST(MonthGrid, HolidaysAreTheMonthsFridaysInSolarAndSundaysInGregorian)
{
    // Esfand 1404 begins and ends on a Friday, March 2015 begins on a Sunday and has 31 days:
    // every one of their holidays is marked, the first and the last too.
    const MonthGrid solar(dkSolar, 1404, 12, true);
    std::vector<int> fridays;
    const MonthGrid gregorian(dkGregorian, 2015, 3, true);
    std::vector<int> sundays;
    for (int row = 0; row < MonthGrid::rows; ++row) {
        for (int column = 0; column < MonthGrid::columns; ++column) {
            if (solar.cell(row, column).holiday)
                fridays.push_back(solar.cell(row, column).day);
            if (gregorian.cell(row, column).holiday)
                sundays.push_back(gregorian.cell(row, column).day);
        }
    }
    EXPECT_EQ(fridays, (std::vector<int>{1, 8, 15, 22, 29}));
    EXPECT_EQ(sundays, (std::vector<int>{1, 8, 15, 22, 29}));
    EXPECT_FALSE(solar.cell(5, 6).holiday) << "a Friday of the next month";
    EXPECT_FALSE(gregorian.cell(5, 0).holiday) << "a Sunday of the next month";
}

TEST(MonthGrid, WeekdaysOfTheColumnsFollowEachCalendarsReadingOrder)
{
    EXPECT_EQ(MonthGrid::weekdayOfColumn(dkSolar, 0), mcSaturday);
    EXPECT_EQ(MonthGrid::weekdayOfColumn(dkSolar, 6), mcFriday);
    EXPECT_EQ(MonthGrid::weekdayOfColumn(dkGregorian, 0), mcSunday);
    EXPECT_EQ(MonthGrid::weekdayOfColumn(dkGregorian, 5), mcFriday);
    EXPECT_EQ(MonthGrid::weekdayOfColumn(dkGregorian, 6), mcSaturday);
}

// Day 1 of each month stands where the previous month's days left off, counted on from one
// known Friday; the cells around the month continue the neighbouring months.
TEST(MonthGridSweep, EverySolarMonthContinuesTheWeekAndHoldsItsDays)
{
    int column = 2;          // 1 Farvardin 1300 (21 March 1921) was a Monday
    int previousLength = 29; // Esfand 1299, a common year
    calendar_test::forEachSolarMonth([&](int year, int month) {
        const MonthGrid grid(dkSolar, year, month, true);
        const int length = monthLength(dkSolar, year, month);
        ASSERT_EQ(grid.firstColumn(), column) << year << '/' << month;
        ASSERT_EQ(countPlace(grid, CellPlace::Inside), length) << year << '/' << month;
        ASSERT_EQ(countPlace(grid, CellPlace::Before), column) << year << '/' << month;
        if (column > 0) {
            ASSERT_EQ(grid.cell(0, column - 1).day, previousLength) << year << '/' << month;
        }
        const int after = grid.cellIndexOfDay(length) + 1;
        if (after < cellCount) {
            ASSERT_EQ(grid.cell(after / 7, after % 7).day, 1) << year << '/' << month;
        }
        column = (column + length) % 7;
        previousLength = length;
    });
}

TEST(MonthGridSweep, EveryGregorianMonthStartsOnItsWeekday)
{
    for (int year = 1921; year <= 2124; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const QDate first(year, month, 1);
            const MonthGrid grid(dkGregorian, year, month, true);
            ASSERT_EQ(grid.firstColumn(), first.dayOfWeek() % 7) << year << '-' << month;
            ASSERT_EQ(countPlace(grid, CellPlace::Inside), first.daysInMonth())
                << year << '-' << month;
        }
    }
}

TEST(MonthGrid, AMonthTheCalendarDoesNotHaveIsEmpty)
{
    const MonthGrid grid(dkSolar, 1389, 13, true);
    EXPECT_EQ(grid.monthDays(), 0);
    EXPECT_EQ(countPlace(grid, CellPlace::Inside), 0);
}

} // namespace
