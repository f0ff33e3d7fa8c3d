#include "calendar_widget_fixture.h"
#include "controls/solar_calendar_model/calendar_kinds.h"
#include "toolkit/calendar/engine/conversion_error.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QSignalSpy>

using namespace calendar_test;
using controls::dkGregorian;
using controls::dkSolar;
using controls::TDateKind;

namespace {

// Switch button, year buttons and year caption, at their centres in the caption strip.
const QPoint switchButton(47, 13);
const QPoint priorButton(16, 13);
const QPoint nextButton(310, 13);

struct CellPick {
    const char* name;
    TDateKind kind;
    const char* from;
    int row;
    int column;
    const char* expected;
};

void PrintTo(const CellPick& row, std::ostream* out)
{
    *out << row.name;
}

class CalendarCellPick : public CalendarWidget, public testing::WithParamInterface<CellPick> {};

TEST_P(CalendarCellPick, MovesToThePickedDayOrMonth)
{
    const CellPick& c = GetParam();
    calendar->setDateKind(c.kind);
    calendar->setInDate(QString::fromUtf8(c.from));
    QSignalSpy clicks(calendar, &TSolarMonthCalendar::dayClick);
    clickCell(c.row, c.column);
    EXPECT_EQ(calendar->outDate(), QString::fromUtf8(c.expected));
    EXPECT_EQ(clicks.count(), 1);
}

// Bahman 1389 begins on a Friday (column 6) and ends in row 5; Farvardin 1389 begins on a Sunday
// (column 1); Shahrivar 1389 ends in row 4, so row 5 holds Mehr's first days.
INSTANTIATE_TEST_SUITE_P(
    Picks, CalendarCellPick,
    testing::Values(
        CellPick{"DayOfTheMonth", dkSolar, "1389/11/04", 3, 2, "1389/11/18"},
        CellPick{"DayOneAtTheLeft", dkSolar, "1389/11/04", 0, 6, "1389/11/01"},
        CellPick{"PreviousMonthFromFarvardin", dkSolar, "1389/01/10", 0, 0, "1388/12/10"},
        CellPick{"NextMonthFromEsfand", dkSolar, "1389/12/10", 5, 6, "1390/01/10"},
        CellPick{"Day31IntoMehrIsCut", dkSolar, "1389/06/31", 5, 0, "1389/07/30"},
        CellPick{"Day30IntoCommonEsfand", dkSolar, "1389/11/30", 5, 1, "1389/12/29"},
        CellPick{"GregorianDay", dkGregorian, "2011/01/24", 2, 3, "2011/01/12"},
        CellPick{"GregorianPreviousMonth", dkGregorian, "2011/01/24", 0, 2, "2010/12/24"},
        CellPick{"IntoLeapFebruary", dkGregorian, "2024/01/31", 5, 6, "2024/02/29"}),
    [](const testing::TestParamInfo<CellPick>& info) { return std::string(info.param.name); });

// A day cut to a shorter month is not a lost pick: the next click lands.
TEST_F(CalendarWidget, APickAfterAMonthCutLands)
{
    calendar->setInDate(QStringLiteral("1389/06/31"));
    clickCell(5, 0); // into Mehr: 1389/07/30
    clickCell(2, 5); // Mehr 1389 begins on a Thursday (column 5): row 2, column 5 is day 15
    EXPECT_EQ(calendar->outDate(), QStringLiteral("1389/07/15"));
}

TEST_F(CalendarWidget, EnabledDaysRefuseTheirWeekdayInBothCalendars)
{
    calendar->setEnabledDays(controls::TMonthCaptionSet::all().without(controls::mcFriday));
    QSignalSpy clicks(calendar, &TSolarMonthCalendar::dayClick);
    clickCell(1, 6); // Friday 1389/11/08
    EXPECT_EQ(calendar->outDate(), QStringLiteral("1389/11/04"));
    clickCell(1, 5); // Thursday 1389/11/07
    EXPECT_EQ(calendar->outDate(), QStringLiteral("1389/11/07"));

    calendar->setDateKind(dkGregorian);
    clickCell(2, 5); // Friday 2011/01/14
    EXPECT_EQ(calendar->outDate(), QStringLiteral("2011/01/27"));
    clickCell(2, 6); // Saturday 2011/01/15
    EXPECT_EQ(calendar->outDate(), QStringLiteral("2011/01/15"));
    EXPECT_EQ(clicks.count(), 2);
}

TEST_F(CalendarWidget, TheSwitchConvertsTheDateShownBothWays)
{
    QSignalSpy switches(calendar, &TSolarMonthCalendar::layoutClick);
    clickAt(switchButton);
    EXPECT_EQ(calendar->dateKind(), dkGregorian);
    EXPECT_EQ(calendar->outDate(), QStringLiteral("2011/01/24"));
    EXPECT_EQ(calendar->miladiDate(), QStringLiteral("2011/01/24"));
    clickAt(switchButton);
    EXPECT_EQ(calendar->dateKind(), dkSolar);
    EXPECT_EQ(calendar->outDate(), QStringLiteral("1389/11/04"));
    EXPECT_EQ(switches.count(), 2);

    // After the year buttons moved the date, the switch takes the date shown now.
    clickAt(nextButton);
    EXPECT_EQ(calendar->outDate(), QStringLiteral("1390/11/04"));
    clickAt(switchButton);
    EXPECT_EQ(calendar->outDate(), QStringLiteral("2012/01/24"));
}

TEST_F(CalendarWidget, YearButtonsMoveTheYearAndCutTheLeapDay)
{
    QSignalSpy next(calendar, &TSolarMonthCalendar::nextClick);
    QSignalSpy prior(calendar, &TSolarMonthCalendar::prevClick);
    calendar->setInDate(QStringLiteral("1403/12/30"));
    clickAt(nextButton);
    EXPECT_EQ(calendar->outDate(), QStringLiteral("1404/12/29"));
    clickAt(priorButton);
    clickAt(priorButton);
    EXPECT_EQ(calendar->outDate(), QStringLiteral("1402/12/29"));
    EXPECT_EQ(next.count(), 1);
    EXPECT_EQ(prior.count(), 2);

    calendar->setEnableYearButtons(false);
    clickAt(nextButton);
    EXPECT_EQ(calendar->outDate(), QStringLiteral("1402/12/29"));
    EXPECT_EQ(next.count(), 1);
}

TEST_F(CalendarWidget, TodayLinkGoesBackToToday)
{
    calendar->setInDate(QStringLiteral("1395/03/10"));
    clickAt({12, 182});
    EXPECT_EQ(calendar->outDate(), QStringLiteral("1389/11/04"));
}

TEST_F(CalendarWidget, InDateRefusesADateTheCalendarLacksWithItsMessage)
{
    QSignalSpy changes(calendar, &TSolarMonthCalendar::dateChanged);
    const QString solarMessage =
        QStringLiteral(".تاريخ وارد شده معتبر نميباشد، لطفاً تاريخ صحيح را وارد نمائيد");
    for (const char* date : {"1389/07/31", "1404/12/30", "1389/00/05", "0999/01/01"}) {
        calendar->setInDate(QString::fromUtf8(date));
        EXPECT_EQ(calendar->outDate(), QStringLiteral("1389/11/04")) << date;
    }
    EXPECT_EQ(boxTexts(), QStringList(4, solarMessage));
    calendar->setInDate(QStringLiteral("   "));
    EXPECT_EQ(boxes.shown.size(), 4U) << "a blank text is ignored";
    EXPECT_EQ(changes.count(), 0);

    calendar->setDateKind(dkGregorian);
    calendar->setInDate(QStringLiteral("2011/02/29"));
    EXPECT_EQ(boxTexts().last(), QStringLiteral("Invalid date, Enter correct date please."));
    calendar->setInDate(QStringLiteral("2024/02/29"));
    EXPECT_EQ(calendar->outDate(), QStringLiteral("2024/02/29"));
    calendar->setInDate(QStringLiteral("24/01/2011")); // the process date format
    EXPECT_EQ(calendar->outDate(), QStringLiteral("2011/01/24"));
}

TEST_F(CalendarWidget, InDateRaisesTheConversionErrorForAFieldThatIsNoNumber)
{
    EXPECT_THROW(calendar->setInDate(QStringLiteral("13x9/01/01")), toolkit::ConversionError);
    calendar->setDateKind(dkGregorian);
    EXPECT_THROW(calendar->setInDate(QStringLiteral("2x/01/2011")), toolkit::ConversionError);
    EXPECT_EQ(calendar->outDate(), QStringLiteral("2011/01/24"));
}

TEST_F(CalendarWidget, MonthMenuChoosesTheMonthAndCutsTheDay)
{
    calendar->setInDate(QStringLiteral("1389/06/31"));
    auto* menu = calendar->findChild<QMenu*>();
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 12);
    EXPECT_TRUE(menu->actions().at(5)->isChecked());
    EXPECT_EQ(menu->actions().at(0)->text(), QStringLiteral("فروردين ماه"));
    menu->actions().at(6)->trigger();
    EXPECT_EQ(calendar->outDate(), QStringLiteral("1389/07/30"));
    EXPECT_TRUE(menu->actions().at(6)->isChecked());
}

TEST_F(CalendarWidget, MonthBoxStandsUnderTheGridOnTheReadingSide)
{
    calendar->setMonthObject(controls::moComboBox);
    auto* box = calendar->findChild<QComboBox*>();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->geometry().topLeft(), QPoint(222, 172));
    EXPECT_EQ(box->currentIndex(), 10);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Down);
    EXPECT_EQ(calendar->outDate(), QStringLiteral("1389/12/04"));

    calendar->setDateKind(dkGregorian);
    EXPECT_EQ(box->geometry().topLeft(), QPoint(2, 172));
    EXPECT_EQ(box->itemText(0), QStringLiteral("January"));
    calendar->setMonthObject(controls::moPopupMenu);
    EXPECT_EQ(calendar->findChild<QComboBox*>(), nullptr);
}

} // namespace

namespace {

TEST_F(CalendarWidget, YearButtonsStopAtFourDigitYears)
{
    QSignalSpy next(calendar, &TSolarMonthCalendar::nextClick);
    QSignalSpy prior(calendar, &TSolarMonthCalendar::prevClick);
    calendar->setInDate(QStringLiteral("1000/06/01"));
    clickAt(priorButton);
    EXPECT_EQ(calendar->outDate(), QStringLiteral("1000/06/01"));
    calendar->setDateKind(dkGregorian);
    calendar->setInDate(QStringLiteral("9999/06/01"));
    clickAt(nextButton);
    EXPECT_EQ(calendar->outDate(), QStringLiteral("9999/06/01"));
    EXPECT_EQ(next.count() + prior.count(), 0);
}

TEST_F(CalendarWidget, TheHintNamesTheCurrentDayOverItsCellOnly)
{
    QWidget* grid = calendar->childAt(cellBox(dkSolar, 1, 2).center());
    ASSERT_NE(grid, nullptr);
    const QPoint origin = grid->mapFrom(calendar, QPoint(0, 0));
    QTest::mouseMove(grid, origin + cellBox(dkSolar, 1, 2).center());
    EXPECT_EQ(grid->toolTip(), QStringLiteral("4 بهمن ماه 1389"));
    QTest::mouseMove(grid, origin + cellBox(dkSolar, 3, 3).center());
    EXPECT_EQ(grid->toolTip(), QString());
}

} // namespace

namespace {

struct ArrowKey {
    const char* name;
    TDateKind kind;
    const char* from;
    Qt::Key key;
    const char* expected;
};

void PrintTo(const ArrowKey& row, std::ostream* out)
{
    *out << row.name;
}

class CalendarArrowKey : public CalendarWidget, public testing::WithParamInterface<ArrowKey> {};

TEST_P(CalendarArrowKey, MovesToTheCellInTheArrowsDirectionOnScreen)
{
    const ArrowKey& c = GetParam();
    calendar->setDateKind(c.kind);
    calendar->setInDate(QString::fromUtf8(c.from));
    QWidget* grid = calendar->childAt(cellBox(c.kind, 2, 2).center());
    ASSERT_NE(grid, nullptr);
    QTest::keyClick(grid, c.key);
    EXPECT_EQ(calendar->outDate(), QString::fromUtf8(c.expected));
}

// In the solar grid the next day stands to the left.
INSTANTIATE_TEST_SUITE_P(
    Keys, CalendarArrowKey,
    testing::Values(
        ArrowKey{"SolarLeftIsTheNextDay", dkSolar, "1389/11/04", Qt::Key_Left, "1389/11/05"},
        ArrowKey{"SolarRightIsTheDayBefore", dkSolar, "1389/11/04", Qt::Key_Right, "1389/11/03"},
        ArrowKey{"SolarDownIsAWeekOn", dkSolar, "1389/11/04", Qt::Key_Down, "1389/11/11"},
        ArrowKey{"UpIntoThePreviousMonthsCell", dkSolar, "1389/11/04", Qt::Key_Up, "1389/10/04"},
        ArrowKey{"PastTheLeftEdgeNothing", dkSolar, "1389/11/08", Qt::Key_Left, "1389/11/08"},
        ArrowKey{"GregorianRightIsTheNextDay", dkGregorian, "2011/01/24", Qt::Key_Right,
                 "2011/01/25"},
        ArrowKey{"GregorianLeftIsTheDayBefore", dkGregorian, "2011/01/24", Qt::Key_Left,
                 "2011/01/23"}),
    [](const testing::TestParamInfo<ArrowKey>& info) { return std::string(info.param.name); });

} // namespace
