#include "controls/solar_calendar_model/date_counts.h"
#include "solar_sweep.h"
#include "toolkit/calendar/engine/conversion_error.h"

#include <QDate>
#include <gtest/gtest.h>

using namespace controls;
using toolkit::ConversionError;

namespace {

enum class Count { WeekdayNumber, WeekRemain, MonthRemain, YearRemain, WeekOfYear };

int count(Count what, const QString& date, TDateKind kind)
{
    switch (what) {
    case Count::WeekdayNumber:
        return weekdayNumber(date, kind);
    case Count::WeekRemain:
        return weekRemainDays(date, kind);
    case Count::MonthRemain:
        return monthRemainDays(date, kind);
    case Count::YearRemain:
        return yearRemainDays(date, kind);
    case Count::WeekOfYear:
        return weekOfYear(date, kind);
    }
    return 0;
}

struct CountCase {
    const char* name;
    Count what;
    TDateKind kind;
    const char* date;
    int expected;
};

void PrintTo(const CountCase& row, std::ostream* out)
{
    *out << row.name;
}

class DateCount : public testing::TestWithParam<CountCase> {};

TEST_P(DateCount, CountsTheDate)
{
    const CountCase& c = GetParam();
    EXPECT_EQ(count(c.what, QString::fromUtf8(c.date), c.kind), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Counts, DateCount,
    testing::Values(
        CountCase{"MondayIs4", Count::WeekdayNumber, dkSolar, "1389/11/04", 4},
        CountCase{"FridayIs1", Count::WeekdayNumber, dkSolar, "1389/11/01", 1},
        CountCase{"SaturdayIs2", Count::WeekdayNumber, dkSolar, "1389/11/02", 2},
        CountCase{"ThursdayIs7", Count::WeekdayNumber, dkSolar, "1389/11/07", 7},
        CountCase{"GregorianMondayIs2", Count::WeekdayNumber, dkGregorian, "2011/01/24", 2},
        CountCase{"GregorianSaturdayIs7", Count::WeekdayNumber, dkGregorian, "2011/01/22", 7},
        CountCase{"FridayLeaves6", Count::WeekRemain, dkSolar, "1389/11/01", 6},
        CountCase{"ThursdayLeaves0", Count::WeekRemain, dkSolar, "1389/11/07", 0},
        CountCase{"LeapDayEndsEsfand", Count::MonthRemain, dkSolar, "1403/12/30", 0},
        CountCase{"LeapEsfandFromDay1", Count::MonthRemain, dkSolar, "1403/12/01", 29},
        CountCase{"CommonEsfandFromDay1", Count::MonthRemain, dkSolar, "1404/12/01", 28},
        CountCase{"FebruaryLeapDay", Count::MonthRemain, dkGregorian, "2024/02/29", 0},
        CountCase{"LeapDayEndsTheYear", Count::YearRemain, dkSolar, "1403/12/30", 0},
        CountCase{"LeapYearFromNowruz", Count::YearRemain, dkSolar, "1403/01/01", 365},
        CountCase{"CommonYearFromEsfand1", Count::YearRemain, dkSolar, "1404/12/01", 28},
        CountCase{"GregorianLeapDayLeaves306", Count::YearRemain, dkGregorian, "2024/02/29", 306},
        CountCase{"Farvardin7InWeek1", Count::WeekOfYear, dkSolar, "1389/01/07", 1},
        CountCase{"Farvardin8InWeek2", Count::WeekOfYear, dkSolar, "1389/01/08", 2},
        CountCase{"LeapDayInWeek53", Count::WeekOfYear, dkSolar, "1403/12/30", 53},
        CountCase{"IsoWeek53Of2020", Count::WeekOfYear, dkGregorian, "2021/01/01", 53},
        CountCase{"IsoWeek1Of2025", Count::WeekOfYear, dkGregorian, "2024/12/30", 1}),
    [](const testing::TestParamInfo<CountCase>& info) { return std::string(info.param.name); });

TEST(DaysBetween, CountsWholeDaysEitherWayAndBlankGivesMinusOne)
{
    EXPECT_EQ(daysBetween("1389/11/04", "1389/11/01", dkSolar), 3);
    EXPECT_EQ(daysBetween("1389/11/01", "1389/11/04", dkSolar), 3);
    EXPECT_EQ(daysBetween("1403/12/29", "1404/01/01", dkSolar), 2);
    EXPECT_EQ(daysBetween("1389/01/01", "1390/01/01", dkSolar), 365);
    EXPECT_EQ(daysBetween("2024/02/28", "2024/03/01", dkGregorian), 2);
    EXPECT_EQ(daysBetween("1389/11/04", "", dkSolar), -1);
    EXPECT_EQ(daysBetween("  ", "1389/11/04", dkSolar), -1);
}

// A solar date the calendar does not have is not read as some other day, whatever the count.
TEST(DateCountErrors, ADateTheCalendarLacksRaisesTheConversionError)
{
    for (const Count what : {Count::WeekdayNumber, Count::WeekRemain, Count::MonthRemain,
                             Count::YearRemain, Count::WeekOfYear}) {
        EXPECT_THROW(count(what, "1389/07/31", dkSolar), ConversionError);
        EXPECT_THROW(count(what, "1404/12/30", dkSolar), ConversionError);
        EXPECT_THROW(count(what, "1389/13/05", dkSolar), ConversionError);
        EXPECT_THROW(count(what, "2011/02/29", dkGregorian), ConversionError);
        EXPECT_THROW(count(what, "x/01/05", dkSolar), ConversionError);
    }
    EXPECT_THROW(daysBetween("1389/07/31", "1389/01/01", dkSolar), ConversionError);
    EXPECT_THROW(daysBetween("1389/01/01", "1389/00/05", dkSolar), ConversionError);
}

TEST(DateCountSweep, WeekdaysYearDaysAndWeeksAgreeWithTheGregorianDay)
{
    calendar_test::forEachSolarDay([](const DateFields& solar, const QDate& gregorian) {
        const QString text = joinDate(solar);
        const QString gregorianText =
            joinDate({gregorian.year(), gregorian.month(), gregorian.day()});
        // Gregorian 1 = Sunday ... 7 = Saturday; solar 1 = Friday ... 7 = Thursday.
        const int gregorianNumber = weekdayNumber(gregorianText, dkGregorian);
        ASSERT_EQ(gregorianNumber, gregorian.dayOfWeek() % 7 + 1) << text.toStdString();
        ASSERT_EQ(weekdayNumber(text, dkSolar), (gregorianNumber + 1) % 7 + 1)
            << text.toStdString();
        const DayNumber nowruz = *dayNumberOf(dkSolar, {solar.year, 1, 1});
        const auto dayOfYear = static_cast<int>(gregorian.toJulianDay() - nowruz) + 1;
        const auto yearDays =
            static_cast<int>(*dayNumberOf(dkSolar, {solar.year + 1, 1, 1}) - nowruz);
        ASSERT_TRUE(yearDays == 365 || yearDays == 366) << solar.year;
        ASSERT_EQ(dayOfYear + yearRemainDays(text, dkSolar), yearDays) << text.toStdString();
        ASSERT_EQ(weekOfYear(text, dkSolar), (dayOfYear + 6) / 7) << text.toStdString();
    });
}

} // namespace
