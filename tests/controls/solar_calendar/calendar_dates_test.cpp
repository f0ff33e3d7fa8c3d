#include "calendar_widget_fixture.h"
#include "toolkit/calendar/engine/conversion_error.h"

#include <QSignalSpy>
#include <climits>

using namespace calendar_test;
using controls::dkGregorian;
using controls::dkSolar;

namespace {

const QString andWord = QStringLiteral(" و ");
const QString year1389Words = QStringLiteral("يك هزار  و سيصد  و هشتاد  و نه ");

TEST_F(CalendarWidget, MovesChangeTheControlAndTheLFormsDoNot)
{
    QSignalSpy changes(calendar, &TSolarMonthCalendar::dateChanged);
    calendar->setInDate(QStringLiteral("1389/11/28"));
    EXPECT_EQ(calendar->LIncDay(5), QStringLiteral("1389/12/03"));
    EXPECT_EQ(calendar->LIncMonth(3), QStringLiteral("1390/02/28"));
    EXPECT_EQ(calendar->LDecMonth(-3), QStringLiteral("1390/02/28"));
    EXPECT_EQ(calendar->LIncYear(2), QStringLiteral("1391/11/28"));
    EXPECT_EQ(calendar->LDecYear(2), QStringLiteral("1387/11/28"));
    EXPECT_EQ(calendar->LDecDay(28), QStringLiteral("1389/10/30"));
    EXPECT_EQ(calendar->outDate(), QStringLiteral("1389/11/28"));
    EXPECT_EQ(changes.count(), 1);

    EXPECT_EQ(calendar->IncDay(5), QStringLiteral("1389/12/03"));
    EXPECT_EQ(calendar->IncMonth(3), QStringLiteral("1390/03/03"));
    EXPECT_EQ(calendar->DecDay(-2), QStringLiteral("1390/03/05"));
    EXPECT_EQ(calendar->DecMonth(4), QStringLiteral("1389/11/05"));
    EXPECT_EQ(calendar->IncYear(14), QStringLiteral("1403/11/05"));
    EXPECT_EQ(calendar->DecYear(1), QStringLiteral("1402/11/05"));
    EXPECT_EQ(calendar->outDate(), QStringLiteral("1402/11/05"));
    EXPECT_EQ(calendar->year(), 1402);
    EXPECT_EQ(calendar->month(), 11);
    EXPECT_EQ(calendar->day(), 5);
    EXPECT_EQ(changes.count(), 7);
}

TEST_F(CalendarWidget, AMoveThatCannotBeMadeKeepsTheDateWithoutAMessage)
{
    calendar->setInDate(QStringLiteral("1389/07/05"));
    EXPECT_EQ(calendar->GotoMonth(13), QStringLiteral("1389/07/05"));
    EXPECT_EQ(calendar->GotoMonth(263), QStringLiteral("1389/07/05"));
    EXPECT_EQ(calendar->GotoDay(31), QStringLiteral("1389/07/05"));
    EXPECT_EQ(calendar->GotoYear(999), QStringLiteral("1389/07/05"));
    EXPECT_EQ(calendar->IncDay(INT_MAX), QStringLiteral("1389/07/05"));
    EXPECT_EQ(calendar->DecDay(INT_MIN), QStringLiteral("1389/07/05"));
    EXPECT_EQ(calendar->DecYear(INT_MIN), QStringLiteral("1389/07/05"));
    EXPECT_TRUE(boxes.shown.empty());
}

// The date picker moves a calendar opened on today to a typed date year, month, then day.
TEST_F(CalendarWidget, GotoYearMonthDayReachesAnyDateFromAnyDay)
{
    calendar->setInDate(QStringLiteral("1403/12/30"));
    calendar->GotoYear(1389);
    calendar->GotoMonth(11);
    EXPECT_EQ(calendar->GotoDay(4), QStringLiteral("1389/11/04"));
    calendar->GotoYear(1403);
    calendar->GotoMonth(12);
    EXPECT_EQ(calendar->GotoDay(30), QStringLiteral("1403/12/30"));
}

TEST_F(CalendarWidget, GregorianMovesUseGregorianMonths)
{
    calendar->setDateKind(dkGregorian);
    calendar->setInDate(QStringLiteral("2024/01/31"));
    EXPECT_EQ(calendar->IncMonth(1), QStringLiteral("2024/02/29"));
    EXPECT_EQ(calendar->GetMonthRemainDay(), 0);
    EXPECT_EQ(calendar->GetYearRemainDays(), 306);
    EXPECT_EQ(calendar->IncDay(1), QStringLiteral("2024/03/01"));
    EXPECT_EQ(calendar->DayOfWeek(), 6); // a Friday
    EXPECT_EQ(calendar->WeekOfTheYear(), 9);
}

TEST_F(CalendarWidget, ConversionsToTheOtherCalendar)
{
    EXPECT_EQ(TSolarMonthCalendar::ConvertDateEng(QStringLiteral("1389/11/04")),
              QStringLiteral("2011/01/24"));
    EXPECT_EQ(TSolarMonthCalendar::ConvertDateEng(QStringLiteral("1389/13/05")),
              QStringLiteral("1389/00/05"));
    EXPECT_EQ(calendar->ConvertDate(), QStringLiteral("2011/01/24"));
    EXPECT_EQ(calendar->ConvertMonth(), 1);
    EXPECT_EQ(calendar->ConvertYear(), 2011);
    calendar->setDateKind(dkGregorian);
    EXPECT_EQ(calendar->ConvertDate(), QStringLiteral("1389/11/04"));
    EXPECT_EQ(calendar->ConvertMonth(), 11);
    EXPECT_EQ(calendar->ConvertYear(), 1389);
}

TEST_F(CalendarWidget, CountsOnTheControlsDateAndOnGivenDates)
{
    EXPECT_EQ(calendar->DayOfWeek(), 4);
    EXPECT_EQ(calendar->GetWeekRemainDays(), 3);
    EXPECT_EQ(calendar->DayOfWeek(QStringLiteral("1389/11/01"), dkSolar), 1);
    EXPECT_EQ(calendar->GetWeekRemainDays(QStringLiteral("1389/11/01"), dkSolar), 6);
    EXPECT_EQ(calendar->DayOfWeek(QStringLiteral("2011/01/24"), dkGregorian), 2);
    EXPECT_EQ(calendar->GetMonthRemainDay(), 26);
    EXPECT_EQ(calendar->GetMonthRemainDay(QStringLiteral("1403/12/30"), dkSolar), 0);
    EXPECT_EQ(calendar->GetYearRemainDays(QStringLiteral("1403/12/30"), dkSolar), 0);
    EXPECT_EQ(calendar->GetYearRemainDays(), 55);
    EXPECT_EQ(calendar->WeekOfTheYear(QStringLiteral("1389/01/08"), dkSolar), 2);
    EXPECT_EQ(calendar->DaysBetween(QString(), QStringLiteral("1389/11/01")), 3);
    EXPECT_EQ(calendar->DaysBetween(QStringLiteral("1389/12/29"), QStringLiteral("1389/11/04")),
              55);
    EXPECT_EQ(calendar->DaysBetween(QStringLiteral("1389/11/04"), QString()), -1);
    EXPECT_THROW(calendar->DaysBetween(QString(), QStringLiteral("1389/07/31")),
                 toolkit::ConversionError);
    EXPECT_THROW(calendar->DayOfWeek(QStringLiteral("1404/12/30"), dkSolar),
                 toolkit::ConversionError);
}

TEST_F(CalendarWidget, DateTexts)
{
    EXPECT_EQ(calendar->GetRawDate(), QStringLiteral("13891104"));
    EXPECT_EQ(calendar->GetDateWithDiv(QStringLiteral("-")), QStringLiteral("1389-11-04"));
    EXPECT_EQ(calendar->GetDateWithDiv(QString()), QStringLiteral("13891104"));
}

TEST_F(CalendarWidget, ScriptsWriteTheDateInWords)
{
    EXPECT_EQ(calendar->YearScript(1389, controls::fShort),
              QStringLiteral("هشتاد ") + andWord + QStringLiteral("نه "));
    EXPECT_EQ(calendar->YearScript(1389, controls::fLong), year1389Words);
    EXPECT_EQ(calendar->YearScript(0, controls::fShort), year1389Words);
    EXPECT_EQ(calendar->MonthScript(0), QStringLiteral("يازدهم "));
    EXPECT_EQ(calendar->MonthScript(5), QStringLiteral("پنج "));
    EXPECT_EQ(calendar->DayScript(0), QStringLiteral("چهار "));
    EXPECT_EQ(calendar->DayScript(23), QStringLiteral("بيست ") + andWord + QStringLiteral("سه "));
    EXPECT_EQ(calendar->YMDScript(controls::mtAlphabet, QStringLiteral(" ")),
              QStringLiteral("چهارم  بهمن ماه ") + year1389Words);
    EXPECT_EQ(calendar->YMDScript(controls::mtNumeral, QStringLiteral("/")),
              QStringLiteral("چهارم /يازده /") + year1389Words);

    calendar->setInDate(QStringLiteral("1389/03/23"));
    EXPECT_EQ(calendar->YMDScript(controls::mtAlphabet, QStringLiteral("/")),
              QStringLiteral("بيست  و سوم /خرداد ماه/") + year1389Words);
    calendar->setInDate(QStringLiteral("1389/03/30"));
    EXPECT_EQ(calendar->MonthScript(0), QStringLiteral("سوم "));
    EXPECT_EQ(calendar->YMDScript(controls::mtAlphabet, QStringLiteral("/")),
              QStringLiteral("سي ام /خرداد ماه/") + year1389Words);
    calendar->setDateKind(dkGregorian);
    EXPECT_EQ(calendar->YMDScript(controls::mtAlphabet, QStringLiteral("/")),
              QStringLiteral("بيستم /June/دو هزار  و ده "));
}

} // namespace
