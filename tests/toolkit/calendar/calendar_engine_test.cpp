#include "case_names.h"
#include "toolkit/calendar/engine/calendar_engine.h"
#include "toolkit/calendar/engine/conversion_error.h"

#include <QCalendar>
#include <QDate>
#include <gtest/gtest.h>

using namespace toolkit;

namespace {

using calendar_test::caseName;

struct Ymd {
    CalNumber year;
    CalNumber month;
    CalNumber day;
    bool operator==(const Ymd&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Ymd& d)
{
    return out << d.year << '/' << d.month << '/' << d.day;
}

bool toSolar(Ymd& d)
{
    return CalGregorianToSolar(d.year, d.month, d.day);
}
bool toGregorian(Ymd& d)
{
    return CalSolarToGregorian(d.year, d.month, d.day);
}

Ymd ymdOf(const QDate& date)
{
    return {static_cast<CalNumber>(date.year()), static_cast<CalNumber>(date.month()),
            static_cast<CalNumber>(date.day())};
}

// Official dates, among them Nowruz of many decades and the last days of leap years.
struct KnownDate {
    const char* name;
    Ymd gregorian;
    Ymd solar;
};

class CalendarEngineKnownDate : public testing::TestWithParam<KnownDate> {};

TEST_P(CalendarEngineKnownDate, ConvertsBothWays)
{
    Ymd solar = GetParam().gregorian;
    ASSERT_TRUE(toSolar(solar));
    EXPECT_EQ(solar, GetParam().solar);
    Ymd gregorian = GetParam().solar;
    ASSERT_TRUE(toGregorian(gregorian));
    EXPECT_EQ(gregorian, GetParam().gregorian);
}

INSTANTIATE_TEST_SUITE_P(
    Official, CalendarEngineKnownDate,
    testing::Values(KnownDate{"Nowruz1300", {1921, 3, 21}, {1300, 1, 1}},
                    KnownDate{"FirstOfWindow", {1922, 1, 1}, {1300, 10, 11}},
                    KnownDate{"Nowruz1343", {1964, 3, 21}, {1343, 1, 1}},
                    KnownDate{"Bahman1357", {1979, 2, 11}, {1357, 11, 22}},
                    KnownDate{"Nowruz1375", {1996, 3, 20}, {1375, 1, 1}},
                    KnownDate{"Esfand1386Day10", {2008, 2, 29}, {1386, 12, 10}},
                    KnownDate{"LeapDay1387", {2009, 3, 20}, {1387, 12, 30}},
                    KnownDate{"Nowruz1388", {2009, 3, 21}, {1388, 1, 1}},
                    KnownDate{"Bahman1389Day4", {2011, 1, 24}, {1389, 11, 4}},
                    KnownDate{"LeapDay1399", {2021, 3, 20}, {1399, 12, 30}},
                    KnownDate{"Nowruz1400", {2021, 3, 21}, {1400, 1, 1}},
                    KnownDate{"Nowruz1403", {2024, 3, 20}, {1403, 1, 1}},
                    KnownDate{"LeapDay1403", {2025, 3, 20}, {1403, 12, 30}},
                    KnownDate{"Nowruz1404", {2025, 3, 21}, {1404, 1, 1}},
                    KnownDate{"LastDay1404", {2026, 3, 20}, {1404, 12, 29}},
                    KnownDate{"Nowruz1405", {2026, 3, 21}, {1405, 1, 1}},
                    KnownDate{"Azar1405Day19", {2026, 12, 10}, {1405, 9, 19}},
                    KnownDate{"Nowruz1406", {2027, 3, 21}, {1406, 1, 1}},
                    KnownDate{"Nowruz1409", {2030, 3, 21}, {1409, 1, 1}}),
    [](const testing::TestParamInfo<KnownDate>& info) { return std::string(info.param.name); });

// Qt's Jalali calendar follows the official one up to 2057 (its 2820-year cycle leaves it in
// 1437); every day of that range must agree.
TEST(CalendarEngineSweep, AgreesWithQtJalaliEveryDayFrom1900To2057)
{
    const QCalendar jalali(QCalendar::System::Jalali);
    for (QDate date(1900, 1, 1); date <= QDate(2057, 12, 31); date = date.addDays(1)) {
        const QCalendar::YearMonthDay expected = jalali.partsFromDate(date);
        Ymd solar = ymdOf(date);
        ASSERT_TRUE(toSolar(solar)) << date.toString(Qt::ISODate).toStdString();
        ASSERT_EQ(solar, (Ymd{static_cast<CalNumber>(expected.year),
                              static_cast<CalNumber>(expected.month),
                              static_cast<CalNumber>(expected.day)}))
            << date.toString(Qt::ISODate).toStdString();
    }
}

// Every day from 1900 to 2100 goes to the solar calendar and back unchanged, and the solar date
// advances by exactly one day each time: no day is skipped or met twice.
TEST(CalendarEngineSweep, RoundTripsAndAdvancesOneDayFrom1900To2100)
{
    Ymd previous{};
    for (QDate date(1900, 1, 1); date <= QDate(2100, 12, 31); date = date.addDays(1)) {
        const std::string where = date.toString(Qt::ISODate).toStdString();
        Ymd solar = ymdOf(date);
        ASSERT_TRUE(toSolar(solar)) << where;
        if (previous.year != 0) {
            Ymd next = previous;
            if (++next.day > CalDaysInMonth(dkSolar, next.year, next.month)) {
                next.day = 1;
                if (++next.month > 12) {
                    next.month = 1;
                    ++next.year;
                }
            }
            ASSERT_EQ(solar, next) << where;
        }
        previous = solar;
        ASSERT_TRUE(toGregorian(solar)) << where;
        ASSERT_EQ(solar, ymdOf(date)) << where;
    }
}

struct LeapYear {
    TDateKind kind;
    CalNumber year;
    bool leap;
};

class CalendarEngineLeapYear : public testing::TestWithParam<LeapYear> {};

TEST_P(CalendarEngineLeapYear, LeapMonthLengthFollowsTheYear)
{
    const auto [kind, year, leap] = GetParam();
    EXPECT_EQ(CalIsLeapYear(kind, year), leap);
    const CalNumber month = kind == dkSolar ? 12 : 2;
    const CalNumber common = kind == dkSolar ? 29 : 28;
    EXPECT_EQ(CalDaysInMonth(kind, year, month), common + (leap ? 1 : 0));
    EXPECT_EQ(CalIsValidDate(kind, year, month, common + 1), leap);
}

INSTANTIATE_TEST_SUITE_P(
    Years, CalendarEngineLeapYear,
    testing::Values(LeapYear{dkSolar, 1370, true}, LeapYear{dkSolar, 1375, true},
                    LeapYear{dkSolar, 1383, true}, LeapYear{dkSolar, 1387, true},
                    LeapYear{dkSolar, 1388, false}, LeapYear{dkSolar, 1389, false},
                    LeapYear{dkSolar, 1391, true}, LeapYear{dkSolar, 1399, true},
                    LeapYear{dkSolar, 1400, false}, LeapYear{dkSolar, 1403, true},
                    LeapYear{dkSolar, 1404, false}, LeapYear{dkSolar, 1408, true},
                    LeapYear{dkSolar, 1436, true}, LeapYear{dkSolar, 1437, false},
                    LeapYear{dkSolar, 1469, true}, LeapYear{dkSolar, 1470, false},
                    LeapYear{dkGregorian, 1900, false}, LeapYear{dkGregorian, 2000, true},
                    LeapYear{dkGregorian, 2023, false}, LeapYear{dkGregorian, 2024, true},
                    LeapYear{dkGregorian, 2100, false}),
    [](const testing::TestParamInfo<LeapYear>& info) {
        const auto& p = info.param;
        return (p.kind == dkSolar ? "Solar" : "Gregorian") + std::to_string(p.year);
    });

// Day numbers of a common and a leap year of each calendar: every number of the year names a
// valid date that counts back to it; 0 and numbers beyond the year name none.
TEST(CalendarEngineDayOfYear, EveryDayNumberMapsToItsDate)
{
    const LeapYear years[] = {{dkSolar, 1403, true},
                              {dkSolar, 1404, false},
                              {dkGregorian, 2024, true},
                              {dkGregorian, 2025, false}};
    for (const auto [kind, year, leap] : years) {
        const int length = leap ? 366 : 365;
        for (int n = 0; n <= 367; ++n) {
            CalNumber month = 99;
            CalNumber day = 99;
            const bool valid =
                CalDateOfDayOfYear(kind, static_cast<CalNumber>(n), year, month, day);
            ASSERT_EQ(valid, n >= 1 && n <= length) << year << " day " << n;
            if (valid) {
                ASSERT_EQ(CalDayOfYear(kind, year, month, day), n) << year << " day " << n;
            }
        }
    }
    CalNumber month = 0;
    CalNumber day = 0;
    ASSERT_TRUE(CalDateOfDayOfYear(dkGregorian, 60, 2024, month, day));
    EXPECT_EQ(Ymd(2024, month, day), (Ymd{2024, 2, 29}));
    ASSERT_TRUE(CalDateOfDayOfYear(dkSolar, 366, 1403, month, day));
    EXPECT_EQ(Ymd(1403, month, day), (Ymd{1403, 12, 30}));
    EXPECT_EQ(CalDayOfYear(dkSolar, 1389, 7, 31), 0);
}

TEST(CalendarEngineDaysInMonth, ImpossibleYearOrMonthHasNoDays)
{
    EXPECT_EQ(CalDaysInMonth(dkSolar, 0, 1), 0);
    EXPECT_EQ(CalDaysInMonth(dkSolar, 1389, 0), 0);
    EXPECT_EQ(CalDaysInMonth(dkGregorian, 2011, 13), 0);
    EXPECT_EQ(CalDaysInMonth(dkSolar, 1389, 6), 31);
    EXPECT_EQ(CalDaysInMonth(dkSolar, 1389, 7), 30);
}

// An invalid date, or one whose result has no 16-bit year, is refused and left as it was.
struct Refused {
    const char* name;
    TDateKind kind;
    Ymd date;
};

class CalendarEngineRefused : public testing::TestWithParam<Refused> {};

TEST_P(CalendarEngineRefused, LeavesTheNumbersUnchanged)
{
    Ymd date = GetParam().date;
    EXPECT_FALSE(GetParam().kind == dkGregorian ? toSolar(date) : toGregorian(date));
    EXPECT_EQ(date, GetParam().date);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, CalendarEngineRefused,
    testing::Values(Refused{"Feb29CommonYear", dkGregorian, {2011, 2, 29}},
                    Refused{"GregorianMonth13", dkGregorian, {2011, 13, 1}},
                    Refused{"GregorianYear0", dkGregorian, {0, 1, 1}},
                    Refused{"BeforeSolarYear1", dkGregorian, {622, 3, 1}},
                    Refused{"Mehr31", dkSolar, {1389, 7, 31}},
                    Refused{"Esfand30CommonYear", dkSolar, {1404, 12, 30}},
                    Refused{"SolarDay0", dkSolar, {1389, 1, 0}},
                    Refused{"GregorianYearTooLarge", dkSolar, {65535, 12, 29}}),
    [](const testing::TestParamInfo<Refused>& info) { return std::string(info.param.name); });

struct TextCase {
    const char* name;
    const char* text;
    TDateKind kind;
    const char* converted;
};

class CalendarEngineText : public testing::TestWithParam<TextCase> {};

TEST_P(CalendarEngineText, ConvertsTheText)
{
    EXPECT_EQ(CalConvertText(QString::fromUtf8(GetParam().text), GetParam().kind),
              QString::fromUtf8(GetParam().converted));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CalendarEngineText,
    testing::Values(TextCase{"Solar", "1389/11/04", dkSolar, "2011/01/24"},
                    TextCase{"Gregorian", "2011/01/24", dkGregorian, "1389/11/04"},
                    TextCase{"ShortFields", "1389/1/4", dkSolar, "2010/03/24"},
                    TextCase{"Year1400", "1400/01/01", dkSolar, "2021/03/21"},
                    TextCase{"LeapDay1387", "1387/12/30", dkSolar, "2009/03/20"},
                    TextCase{"Esfand30Common", "1389/12/30", dkSolar, "1389/12/30"},
                    TextCase{"Month13", "1389/13/05", dkSolar, "1389/00/05"},
                    TextCase{"Day32", "1389/01/32", dkSolar, "1389/01/00"},
                    TextCase{"TwoDigitYear", "89/11/04", dkSolar, "0/11/04"},
                    TextCase{"YearBeyond16Bits", "70000/01/01", dkSolar, "0/01/01"},
                    TextCase{"NegativeYear", "-1389/01/01", dkSolar, "0/01/01"},
                    TextCase{"Empty", "", dkSolar, "0/00/00"},
                    TextCase{"Blank", "   ", dkGregorian, "0/00/00"}),
    [](const testing::TestParamInfo<TextCase>& info) { return std::string(info.param.name); });

TEST(CalendarEngineSplitJoin, FieldThatIsNotAnIntegerRaises)
{
    for (const char* text :
         {"1389/1x/04", "x/01/01", "1389/01/", "1389/01/04 ", "1389/99999999999/1"})
        EXPECT_THROW(CalConvertText(QString::fromUtf8(text), dkSolar), ConversionError) << text;
}

// A field is never read twice: a text short of a "/" lacks its day (or month and day).
TEST(CalendarEngineSplitJoin, MissingFieldRaises)
{
    for (const char* text : {"1389/05", "1389", "1389/", "2011/01", " 1389 "}) {
        CalNumber year = 0;
        CalNumber month = 0;
        CalNumber day = 0;
        EXPECT_THROW(CalSplitDate(QString::fromUtf8(text), year, month, day), ConversionError)
            << text;
        EXPECT_THROW(CalConvertText(QString::fromUtf8(text), dkSolar), ConversionError) << text;
        EXPECT_THROW(CalConvertText(QString::fromUtf8(text), dkGregorian), ConversionError) << text;
    }
}

TEST(CalendarEngineSplitJoin, JoinPadsMonthAndDayOnly)
{
    EXPECT_EQ(CalJoinDate(2011, 1, 4), QStringLiteral("2011/01/04"));
    EXPECT_EQ(CalJoinDate(0, 12, 31), QStringLiteral("0/12/31"));
}

} // namespace
