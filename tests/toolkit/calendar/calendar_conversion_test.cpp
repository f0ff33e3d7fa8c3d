#include "calendar_fixture.h"
#include "case_names.h"
#include "platform/process_formats.h"
#include "toolkit/calendar/engine/calendar_engine.h"

#include <QCalendar>
#include <QDate>

using namespace toolkit;
using calendar_test::CalendarFixture;
using calendar_test::datePrefix;

namespace {

using calendar_test::caseName;

const QString gregorianFormat = QStringLiteral("dd/MM/yyyy");

struct Conversion {
    const char* name;
    const char* gregorian;
    const char* solar;
};

class CalendarToFarsiDate : public CalendarFixture, public testing::TestWithParam<Conversion> {};

TEST_P(CalendarToFarsiDate, GivesTheSolarDateText)
{
    EXPECT_EQ(calendar.ToFarsiDate(QString::fromUtf8(GetParam().gregorian)),
              QString::fromUtf8(GetParam().solar));
    EXPECT_TRUE(boxes.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Dates, CalendarToFarsiDate,
    testing::Values(
        // Inside the formula's window.
        Conversion{"Bahman1389", "24/01/2011", "1389/11/04"},
        Conversion{"NewYear2009", "01/01/2009", "1387/10/12"},
        Conversion{"LeapDay1387", "20/03/2009", "1387/12/30"},
        Conversion{"Nowruz1388", "21/03/2009", "1388/01/01"},
        Conversion{"Feb29Of2008", "29/02/2008", "1386/12/10"},
        Conversion{"FirstOfWindow", "01/01/1922", "1300/10/11"},
        Conversion{"LastOfWindow", "20/03/2021", "1399/12/30"},
        Conversion{"FormulaBefore1993", "21/03/1922", "1301/01/01"},
        Conversion{"LeadingBlanksAndSign", " 24/ 01/+2011", "1389/11/04"},
        // Outside it, the official calendar.
        Conversion{"Nowruz1400", "21/03/2021", "1400/01/01"},
        Conversion{"LeapDay1403", "20/03/2025", "1403/12/30"},
        Conversion{"Nowruz1404", "21/03/2025", "1404/01/01"},
        Conversion{"Azar1405", "10/12/2026", "1405/09/19"},
        Conversion{"BeforeWindow", "31/12/1921", "1300/10/10"},
        // Rejected: not three whole numbers, or no four-digit solar year.
        Conversion{"NotANumber", "x/01/2011", ""}, Conversion{"Hyphens", "24-01-2011", ""},
        Conversion{"Empty", "", ""}, Conversion{"TwoFields", "24/01", ""},
        Conversion{"ExtraSlash", "24/01/2011/5", ""},
        Conversion{"TrailingBlank", "24/01/2011 ", ""},
        Conversion{"SolarYearBelow1000", "01/01/1500", ""},
        // Days the Gregorian calendar lacks, outside the formula's window.
        Conversion{"February31After", "31/02/2030", ""},
        Conversion{"February29OfCommonYear", "29/02/2023", ""},
        Conversion{"February30Before", "30/02/1900", ""},
        Conversion{"Month13After", "01/13/2030", ""}, Conversion{"DayZeroAfter", "00/05/2030", ""},
        Conversion{"MonthAtIntegerLimit", "01/2147483647/2011", ""},
        Conversion{"LeapDay2024", "29/02/2024", "1402/12/10"}),
    [](const testing::TestParamInfo<Conversion>& info) { return std::string(info.param.name); });

class CalendarFormulaWindow : public CalendarFixture, public testing::Test {};

TEST_F(CalendarFormulaWindow, FieldsOutOfRangeGoThroughDateCompletion)
{
    // Not a date, so the formula composes 89/10/-40, which date completion rejects and returns.
    EXPECT_EQ(calendar.ToFarsiDate(QStringLiteral("-50/01/2011")), QStringLiteral("89/10/-40"));
    EXPECT_EQ(shownTexts(), QStringList{datePrefix(QStringLiteral("89/10/-40")) +
                                        QStringLiteral("جهت تاريخ از اعداد 0 تا 9 استفاده كنيد")});
}

// Within its window from 21 March 1993 the formula gives the official date on every day.
TEST_F(CalendarFormulaWindow, FormulaAgreesWithTheEngineFrom1993To2021)
{
    for (QDate date(1993, 3, 21); date <= QDate(2021, 3, 20); date = date.addDays(1)) {
        const QString engine =
            CalConvertText(date.toString(QStringLiteral("yyyy/MM/dd")), dkGregorian);
        ASSERT_EQ(calendar.ToFarsiDate(date.toString(gregorianFormat)), engine)
            << date.toString(Qt::ISODate).toStdString();
    }
}

TEST_F(CalendarFormulaWindow, ToEnglishDateUndoesItEveryDayFrom1993To2100)
{
    for (QDate date(1993, 3, 21); date <= QDate(2100, 12, 31); date = date.addDays(1)) {
        const QString gregorian = date.toString(gregorianFormat);
        ASSERT_EQ(calendar.ToEnglishDate(calendar.ToFarsiDate(gregorian)), gregorian);
    }
    EXPECT_TRUE(boxes.shown.empty());
}

class CalendarToEnglishDate : public CalendarFixture, public testing::TestWithParam<Conversion> {};

TEST_P(CalendarToEnglishDate, GivesTheGregorianDateText)
{
    const QString solar = QString::fromUtf8(GetParam().solar);
    EXPECT_EQ(calendar.ToEnglishDate(solar), QString::fromUtf8(GetParam().gregorian));
    EXPECT_EQ(calendar.ToEnglishDateForSQLServer(solar), QString::fromUtf8(GetParam().gregorian));
    EXPECT_TRUE(boxes.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(Dates, CalendarToEnglishDate,
                         testing::Values(Conversion{"Bahman1389", "24/01/2011", "1389/11/04"},
                                         Conversion{"Nowruz1400", "21/03/2021", "1400/01/01"},
                                         Conversion{"LeapDay1387", "20/03/2009", "1387/12/30"},
                                         Conversion{"LeapDay1403", "20/03/2025", "1403/12/30"},
                                         Conversion{"ShortFields", "24/03/2010", "1389/1/4"},
                                         Conversion{"Blanks", "24/01/2011", "  1389/11/04 "},
                                         // Dates the calendar does not have come back unconverted.
                                         Conversion{"TwoDigitYear", "0/11/04", "89/11/04"},
                                         Conversion{"Esfand30Of1389", "30/12/1389", "1389/12/30"},
                                         Conversion{"Esfand30Of1404", "30/12/1404", "1404/12/30"},
                                         Conversion{"Mehr31", "31/07/1389", "1389/07/31"}),
                         [](const testing::TestParamInfo<Conversion>& info) {
                             return std::string(info.param.name);
                         });

class CalendarToEnglishDateRejected : public CalendarFixture, public testing::Test {};

TEST_F(CalendarToEnglishDateRejected, InvalidTypedDateGivesTwoSlashesAfterItsMessage)
{
    EXPECT_EQ(calendar.ToEnglishDate(QStringLiteral("1389/13/01")), QStringLiteral("//"));
    EXPECT_EQ(shownTexts(), QStringList{datePrefix(QStringLiteral("1389/13/01")) +
                                        QStringLiteral("ماه صحيح نيست")});
    EXPECT_EQ(boxes.shown.front().caption, QStringLiteral("پيام"));
}

struct Reorder {
    const char* text;
    const char* from;
    const char* to;
    const char* reordered;
};

class CalendarConvertDateFormat : public CalendarFixture, public testing::TestWithParam<Reorder> {};

TEST_P(CalendarConvertDateFormat, ReordersByFixedPositions)
{
    const Reorder& r = GetParam();
    EXPECT_EQ(calendar.ConvertDateFormat(QString::fromUtf8(r.text), QString::fromUtf8(r.from),
                                         QString::fromUtf8(r.to)),
              QString::fromUtf8(r.reordered));
}

INSTANTIATE_TEST_SUITE_P(Formats, CalendarConvertDateFormat,
                         testing::Values(Reorder{"24/01/2011", "d/m/y", "Y/M/D", "2011/01/24"},
                                         Reorder{"2011/01/24", "Y/M/D", "D/M/Y", "24/01/2011"},
                                         Reorder{"2011/01/24", "y/m/d", "d/m/Y", "24/01/2011"},
                                         Reorder{"24/01/2011", "Y/M/D", "Y/M/D", ""},
                                         Reorder{"24/01/2011", "D/M/Y", "M/D/Y", ""},
                                         Reorder{"4/1/2011", "D/M/Y", "Y/M/D", "11//2/4/"},
                                         Reorder{"", "Y/M/D", "D/M/Y", "//"}),
                         [](const testing::TestParamInfo<Reorder>& info) {
                             const auto& p = info.param;
                             return caseName({p.text, p.from, p.to});
                         });

class CalendarIsKabise : public CalendarFixture, public testing::Test {};

TEST_F(CalendarIsKabise, FollowsTheOfficialCalendar)
{
    // Qt's Jalali calendar is the official one up to 1435 (it makes 1437 leap instead of 1436).
    const QCalendar jalali(QCalendar::System::Jalali);
    for (int year = 1300; year <= 1435; ++year)
        ASSERT_EQ(calendar.IsKabise(year), jalali.isLeapYear(year)) << year;
    for (const int year : {1387, 1403, 1408, 1436, 1469})
        EXPECT_TRUE(calendar.IsKabise(year)) << year;
    for (const int year : {1388, 1400, 1404, 1437, 1470})
        EXPECT_FALSE(calendar.IsKabise(year)) << year;
}

TEST_F(CalendarIsKabise, YearBelow100StandsFor1300AndMore)
{
    for (int year = -40; year < 100; ++year)
        ASSERT_EQ(calendar.IsKabise(year), calendar.IsKabise(1300 + year)) << year;
    EXPECT_TRUE(calendar.IsKabise(87));
    EXPECT_FALSE(calendar.IsKabise(88));
}

class CalendarFarsiToday : public CalendarFixture, public testing::TestWithParam<char> {
protected:
    ~CalendarFarsiToday() override { platform::processFormats().dateSeparator = separator; }
    const QChar separator = platform::processFormats().dateSeparator;
};

// Today's solar date does not depend on how the system writes dates.
TEST_P(CalendarFarsiToday, IsTheOfficialDateWhateverTheDateSeparator)
{
    platform::processFormats().dateSeparator = QLatin1Char(GetParam());
    calendar.computeFarsiToday(QDate(2026, 12, 10));
    EXPECT_EQ(state.FarsiToday, QStringLiteral("1405/09/19"));
    EXPECT_EQ(calendar.FarsiToday(), QStringLiteral("1405/09/19"));
    calendar.computeFarsiToday(QDate(2025, 3, 21));
    EXPECT_EQ(calendar.FarsiToday(), QStringLiteral("1404/01/01"));
    EXPECT_TRUE(boxes.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(Separators, CalendarFarsiToday, testing::Values('/', '-', '.'),
                         [](const testing::TestParamInfo<char>& info) {
                             switch (info.param) {
                             case '/':
                                 return std::string("Slash");
                             case '-':
                                 return std::string("Hyphen");
                             default:
                                 return std::string("Dot");
                             }
                         });

} // namespace
