#include "calendar_fixture.h"
#include "case_names.h"
#include "toolkit/calendar/engine/conversion_error.h"

#include <QDate>

using calendar_test::CalendarFixture;
using calendar_test::datePrefix;
using toolkit::ConversionError;

namespace {

using calendar_test::caseName;

const QString gregorianFormat = QStringLiteral("dd/MM/yyyy");

struct DayCount {
    const char* name;
    const char* date1;
    const char* date2;
    int days;
    int signedDays; ///< with ReturnMinuse
};

class CalendarDaySubDate : public CalendarFixture, public testing::TestWithParam<DayCount> {};

TEST_P(CalendarDaySubDate, CountsTheDaysBetween)
{
    const DayCount& c = GetParam();
    const QString date1 = QString::fromUtf8(c.date1);
    const QString date2 = QString::fromUtf8(c.date2);
    EXPECT_EQ(calendar.DaySubDate(date1, date2, false), c.days);
    EXPECT_EQ(calendar.DaySubDate(date1, date2, true), c.signedDays);
    EXPECT_TRUE(boxes.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Dates, CalendarDaySubDate,
    testing::Values(DayCount{"WithinAYear", "1389/01/01", "1389/12/29", 364, 364},
                    DayCount{"LeapYear1387", "1387/01/01", "1388/01/01", 366, 366},
                    DayCount{"CommonYear1388", "1388/01/01", "1389/01/01", 365, 365},
                    DayCount{"AcrossNowruz", "1388/11/20", "1389/02/05", 75, 75},
                    DayCount{"LaterFirst", "1389/02/10", "1389/01/01", 40, -40},
                    DayCount{"EarlierFirst", "1389/01/01", "1389/02/10", 40, 40},
                    DayCount{"SameDay", "1389/05/05", "1389/05/05", 0, 0},
                    DayCount{"LeapDayToNowruz", "1403/12/30", "1404/01/01", 1, 1},
                    DayCount{"LastDayOfCommonYear", "1404/12/29", "1405/01/01", 1, 1},
                    DayCount{"Decade", "1400/01/01", "1410/01/01", 3652, 3652},
                    DayCount{"ShortForms", "89/1/4", "1389/1/14", 10, 10},
                    DayCount{"LaterMonthEarlierDay", "1390/02/01", "1389/11/20", 71, -71}),
    [](const testing::TestParamInfo<DayCount>& info) { return std::string(info.param.name); });

class CalendarDayArithmetic : public CalendarFixture, public testing::Test {};

// Over more than a century of days the count between solar dates equals the count between
// the same Gregorian days, and moving a date by that count lands on the same day.
TEST_F(CalendarDayArithmetic, AgreesWithGregorianDayCountsFrom1993To2100)
{
    const QDate start(1993, 3, 21);
    const QString startSolar = calendar.ToFarsiDate(start.toString(gregorianFormat));
    for (QDate date = start; date <= QDate(2100, 12, 31); date = date.addDays(1)) {
        const QString solar = calendar.ToFarsiDate(date.toString(gregorianFormat));
        ASSERT_EQ(calendar.DaySubDateWithOutCheckDate(startSolar, solar, true), start.daysTo(date))
            << solar.toStdString();
    }
    for (int n = -400; n <= 4000; n += 7) {
        const QString moved = calendar.ToFarsiDate(start.addDays(n).toString(gregorianFormat));
        ASSERT_EQ(calendar.NDayFromDate(startSolar, n), moved) << n;
    }
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(CalendarDayArithmetic, NDayFromDateMovesBothWays)
{
    EXPECT_EQ(calendar.NDayFromDate(QStringLiteral("1389/11/04"), 10),
              QStringLiteral("1389/11/14"));
    EXPECT_EQ(calendar.NDayFromDate(QStringLiteral("1403/12/29"), 1), QStringLiteral("1403/12/30"));
    EXPECT_EQ(calendar.NDayFromDate(QStringLiteral("1404/12/29"), 1), QStringLiteral("1405/01/01"));
    EXPECT_EQ(calendar.NDayFromDate(QStringLiteral("1405/01/01"), -1),
              QStringLiteral("1404/12/29"));
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(CalendarDayArithmetic, NDayFromDateOfADateTheCalendarLacksRaises)
{
    EXPECT_THROW(calendar.NDayFromDate(QStringLiteral("1389/13/01"), 1), ConversionError);
    EXPECT_EQ(shownTexts(), QStringList{datePrefix(QStringLiteral("1389/13/01")) +
                                        QStringLiteral("ماه صحيح نيست")});
    // Accepted as typed but not in the calendar: no Gregorian date to count from.
    EXPECT_THROW(calendar.NDayFromDate(QStringLiteral("1389/12/30"), 1), ConversionError);
    EXPECT_THROW(calendar.NDayFromDate(QStringLiteral("1389/07/31"), 1), ConversionError);
    // A two-digit year is no year of the calendar either.
    EXPECT_THROW(calendar.NDayFromDate(QStringLiteral("89/1/4"), 1), ConversionError);
    EXPECT_EQ(boxes.shown.size(), 1u);
}

TEST_F(CalendarDayArithmetic, TextsThatAreNotSolarDateTextsRaise)
{
    for (const char* text :
         {"1389/1/4", "1389/13/01", "1389/00/01", "", "x389/01/01", "-389/01/01", "1389/01/-1"})
        EXPECT_THROW(calendar.DaySubDateWithOutCheckDate(QString::fromUtf8(text),
                                                         QStringLiteral("1389/01/01"), false),
                     ConversionError)
            << text;
    // An invalid typed date is told to the user, then its month cannot be counted.
    EXPECT_THROW(
        calendar.DaySubDate(QStringLiteral("1389/13/01"), QStringLiteral("1389/01/01"), false),
        ConversionError);
    EXPECT_EQ(shownTexts(), QStringList{datePrefix(QStringLiteral("1389/13/01")) +
                                        QStringLiteral("ماه صحيح نيست")});
}

struct Difference {
    const char* date1;
    const char* date2;
    const char* monthsAndDays;
};

class CalendarSubDate : public CalendarFixture, public testing::TestWithParam<Difference> {};

TEST_P(CalendarSubDate, GivesMonthsAndDaysInEitherOrder)
{
    const QString date1 = QString::fromUtf8(GetParam().date1);
    const QString date2 = QString::fromUtf8(GetParam().date2);
    EXPECT_EQ(calendar.SubDate(date1, date2), QString::fromUtf8(GetParam().monthsAndDays));
    EXPECT_EQ(calendar.SubDate(date2, date1), QString::fromUtf8(GetParam().monthsAndDays));
}

INSTANTIATE_TEST_SUITE_P(Dates, CalendarSubDate,
                         testing::Values(Difference{"1389/05/10", "1388/01/01", "16/09"},
                                         Difference{"1389/01/31", "1389/01/01", "00/30"},
                                         Difference{"1389/01/01", "1388/01/01", "12/00"},
                                         Difference{"1389/02/01", "1388/01/01", "12/30"},
                                         Difference{"1389/03/02", "1389/01/01", "02/01"},
                                         Difference{"1391/01/01", "1389/01/01", "24/00"},
                                         Difference{"89/1/4", "1389/01/04", "00/00"}),
                         [](const testing::TestParamInfo<Difference>& info) {
                             const auto& p = info.param;
                             return caseName({p.date1, p.date2});
                         });

struct Uncountable {
    const char* name;
    const char* date1;
    const char* date2;
};

class CalendarSubDateUncountable : public CalendarFixture,
                                   public testing::TestWithParam<Uncountable> {};

// A typed date that fails its check goes on as typed; the fields it then holds must still be
// those of a date text before they are counted with, in either order.
TEST_P(CalendarSubDateUncountable, RaisesTheConversionError)
{
    const QString date1 = QString::fromUtf8(GetParam().date1);
    const QString date2 = QString::fromUtf8(GetParam().date2);
    EXPECT_THROW(calendar.SubDate(date1, date2), ConversionError);
    EXPECT_THROW(calendar.SubDate(date2, date1), ConversionError);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, CalendarSubDateUncountable,
    testing::Values(Uncountable{"MonthOfNineDigits", "1/100000000/1", "1/1/1"},
                    Uncountable{"YearAtTheIntegerLimit", "2147483647/1/1", "1389/01/01"},
                    Uncountable{"DayOfThreeDigits", "1389/01/100", "1389/01/01"},
                    Uncountable{"YearOfFiveDigits", "13890/01/01", "1389/01/01"},
                    Uncountable{"NegativeMonth", "1389/-1/01", "1389/01/01"},
                    Uncountable{"DayMissing", "1389/05", "1389/01/01"},
                    Uncountable{"MonthAndDayMissing", "1389", "1389/01/01"}),
    [](const testing::TestParamInfo<Uncountable>& info) { return std::string(info.param.name); });

TEST_F(CalendarDayArithmetic, SubDateCountsAnInvalidDateThatTheTextCanHoldAfterItsMessage)
{
    EXPECT_EQ(calendar.SubDate(QStringLiteral("1389/13/05"), QStringLiteral("1389/01/01")),
              QStringLiteral("12/04"));
    EXPECT_EQ(shownTexts(), QStringList{datePrefix(QStringLiteral("1389/13/05")) +
                                        QStringLiteral("ماه صحيح نيست")});
}

struct DateNumber {
    const char* typed;
    int number;
};

class CalendarDateToInt : public CalendarFixture, public testing::TestWithParam<DateNumber> {};

TEST_P(CalendarDateToInt, GivesYearMonthDayDigits)
{
    EXPECT_EQ(calendar.DateToInt(QString::fromUtf8(GetParam().typed)), GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(Dates, CalendarDateToInt,
                         testing::Values(DateNumber{"1389/12/29", 13891229},
                                         DateNumber{"89/1/4", 13890104},
                                         DateNumber{" 5/11/3 ", 13051103},
                                         DateNumber{"1389/13/01", -1},
                                         DateNumber{"1389-12-29", -1}),
                         [](const testing::TestParamInfo<DateNumber>& info) {
                             // The answer tells 1389/12/29 from 1389-12-29 in the name.
                             const auto& p = info.param;
                             return caseName({p.typed, QString::number(p.number)});
                         });

TEST_F(CalendarDayArithmetic, DateToIntOfAnInvalidDateShowsItsMessage)
{
    EXPECT_EQ(calendar.DateToInt(QStringLiteral("1389/13/01")), -1);
    EXPECT_EQ(shownTexts(), QStringList{datePrefix(QStringLiteral("1389/13/01")) +
                                        QStringLiteral("ماه صحيح نيست")});
}

struct TimeSum {
    const char* first;
    const char* second;
    const char* result;
};

class CalendarNMinFromTime : public CalendarFixture, public testing::TestWithParam<TimeSum> {};

TEST_P(CalendarNMinFromTime, AddsAndWrapsAtMidnight)
{
    EXPECT_EQ(calendar.NMinFromTime(QString::fromUtf8(GetParam().first),
                                    QString::fromUtf8(GetParam().second)),
              QString::fromUtf8(GetParam().result));
}

INSTANTIATE_TEST_SUITE_P(Times, CalendarNMinFromTime,
                         testing::Values(TimeSum{"08:30", "00:45", "09:15"},
                                         TimeSum{"23:30", "01:00", "00:30"},
                                         TimeSum{"7:5", "0:0", "07:05"},
                                         TimeSum{"00:00", "23:59", "23:59"},
                                         TimeSum{"10:00:40", "00:00:30", "10:01"}),
                         [](const testing::TestParamInfo<TimeSum>& info) {
                             const auto& p = info.param;
                             return caseName({p.first, p.second});
                         });

struct Hours {
    const char* time1;
    const char* time2;
    double hours;
};

class CalendarSubTime : public CalendarFixture, public testing::TestWithParam<Hours> {};

TEST_P(CalendarSubTime, CountsHoursFromTheSecondTimeForward)
{
    EXPECT_DOUBLE_EQ(
        calendar.SubTime(QString::fromUtf8(GetParam().time1), QString::fromUtf8(GetParam().time2)),
        GetParam().hours);
}

INSTANTIATE_TEST_SUITE_P(Times, CalendarSubTime,
                         testing::Values(Hours{"10:00", "08:30", 1.5},
                                         Hours{"08:00", "08:20", 23.67}, Hours{"02:00", "22:00", 4},
                                         Hours{"14:30", "14:30", 0}, Hours{"9", "8:50", 0.17},
                                         Hours{"00:00", "23:59", 0.02}),
                         [](const testing::TestParamInfo<Hours>& info) {
                             const auto& p = info.param;
                             return caseName({p.time1, p.time2});
                         });

TEST_F(CalendarDayArithmetic, TimeArithmeticOnANonTimeRaises)
{
    EXPECT_THROW(calendar.NMinFromTime(QStringLiteral("8"), QStringLiteral("01:00")),
                 ConversionError);
    EXPECT_THROW(calendar.NMinFromTime(QStringLiteral("08:00"), QStringLiteral("24:00")),
                 ConversionError);
    EXPECT_THROW(calendar.NMinFromTime(QStringLiteral("08:-1"), QStringLiteral("01:00")),
                 ConversionError);
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_THROW(calendar.SubTime(QStringLiteral("25:00"), QStringLiteral("7:60")),
                 ConversionError);
    EXPECT_EQ(shownTexts(), (QStringList{calendar_test::timePrefix(QStringLiteral("25:00")) +
                                             QStringLiteral("ساعت صحيح نيست"),
                                         calendar_test::timePrefix(QStringLiteral("7:60")) +
                                             QStringLiteral("دقيقه صحيح نيست")}));
}

struct DaysText {
    const char* days;
    const char* monthDay;
    const char* spelled;
};

class CalendarDaysText : public CalendarFixture, public testing::TestWithParam<DaysText> {};

TEST_P(CalendarDaysText, WritesMonthsAndDaysAndSpellsThem)
{
    const QString days = QString::fromUtf8(GetParam().days);
    EXPECT_EQ(calendar.ConvertDayToMonthDay(days), QString::fromUtf8(GetParam().monthDay));
    EXPECT_EQ(calendar.DaysToDateSpell(days), QString::fromUtf8(GetParam().spelled));
}

INSTANTIATE_TEST_SUITE_P(Counts, CalendarDaysText,
                         testing::Values(DaysText{"45", "1.15", "1 ماه 15 روز "},
                                         DaysText{"30", "1.0", "1 ماه "},
                                         DaysText{"29", "0.29", "29 روز "},
                                         DaysText{"400", "13.10", "1 سال 1 ماه 5 روز "},
                                         DaysText{"365", "12.5", "1 سال "},
                                         DaysText{"730", "24.10", "2 سال "},
                                         DaysText{"0", "0.0", ""}, DaysText{"-45", "-1.-15", ""},
                                         DaysText{"abc", "0.0", ""}, DaysText{"", "0.0", ""}),
                         [](const testing::TestParamInfo<DaysText>& info) {
                             const auto& p = info.param;
                             return caseName({p.days, p.monthDay});
                         });

TEST_F(CalendarDayArithmetic, MaxAndMin)
{
    EXPECT_EQ(calendar.Max(3, 7), 7);
    EXPECT_EQ(calendar.Max(-3, -7), -3);
    EXPECT_EQ(calendar.Min(3, 7), 3);
    EXPECT_EQ(calendar.Min(-3, -7), -7);
}

} // namespace
