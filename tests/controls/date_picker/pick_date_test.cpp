// PickDateFromDate through the real picker dialog, driven by real key presses.
#include "controls/solar_calendar_model/calendar_names.h"
#include "picker_fixture.h"

using namespace picker_test;

namespace {

/// Where the calendar stands as the picker is shown, and the edit's text at that moment.
struct Opening {
    QString edit;
    QString calendar;
    int year = 0;
    int month = 0;
    int day = 0;
};

class PickDate : public PickerTest {
protected:
    /// An act that notes how the picker opened, then presses `key` where the focus is.
    Act noteThenPress(Qt::Key key)
    {
        return [this, key](TDatePickerNew& dialog) {
            opening = {edit.text(), dialog.Calndr->outDate(), dialog.Calndr->year(),
                       dialog.Calndr->month(), dialog.Calndr->day()};
            QTest::keyClick(focused(dialog), key);
        };
    }

    Opening opening;
};

TEST_F(PickDate, ShortDateIsCompletedInTheBoxAndTheCalendarOpensOnIt)
{
    EXPECT_EQ(pick(QStringLiteral("89/11/4"), noteThenPress(Qt::Key_Return)),
              QStringLiteral("1389/11/04"));
    EXPECT_EQ(opening.edit, QStringLiteral("1389/11/04")) << "completed before the picker shows";
    EXPECT_EQ(opening.year, 1389);
    EXPECT_EQ(opening.month, 11);
    EXPECT_EQ(opening.day, 4);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(PickDate, EmptyBoxOpensOnTodayAndEnterWritesToday)
{
    EXPECT_EQ(pick(QStringLiteral("   "), noteThenPress(Qt::Key_Return)), fixtureSolarToday);
    EXPECT_EQ(opening.calendar, fixtureSolarToday);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(PickDate, EnterInTheMonthBoxWritesTheCalendarsDate)
{
    const QString written = pick(QStringLiteral("1389/11/04"), [](TDatePickerNew& dialog) {
        QComboBox* months = monthBox(dialog);
        months->setFocus();
        QTest::keyClick(months, Qt::Key_Down); // the next month: Esfand
        QTest::keyClick(months, Qt::Key_Return);
    });
    EXPECT_EQ(written, QStringLiteral("1389/12/04"));
}

TEST_F(PickDate, YearTypedInTheYearBoxIsTakenBeforeEnterCloses)
{
    bool boxOpened = false;
    const QString written = pick(QStringLiteral("1389/11/04"), [&](TDatePickerNew& dialog) {
        QLineEdit* yearBox = openYearBox(dialog);
        boxOpened = yearBox && yearBox->isVisible() && dialog.focusWidget() == yearBox;
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(focused(dialog), Qt::Key_Backspace);
        QTest::keyClicks(focused(dialog), QStringLiteral("1400"));
        QTest::keyClick(focused(dialog), Qt::Key_Return);
    });
    ASSERT_TRUE(boxOpened);
    EXPECT_EQ(written, QStringLiteral("1400/11/04"));
}

TEST_F(PickDate, YearTheYearBoxRefusesLeavesTheYearAndStillCloses)
{
    const QString written = pick(QStringLiteral("1389/11/04"), [](TDatePickerNew& dialog) {
        ASSERT_NE(openYearBox(dialog), nullptr);
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(focused(dialog), Qt::Key_Backspace);
        QTest::keyClicks(focused(dialog), QStringLiteral("12"));
        QTest::keyClick(focused(dialog), Qt::Key_Enter);
    });
    EXPECT_EQ(written, QStringLiteral("1389/11/04"));
    EXPECT_EQ(tones.calls.count(QStringLiteral("beep")), 1) << "the year box's own refusal";
}

TEST_F(PickDate, EscapeKeepsTheCompletedTextWhereverTheCalendarMoved)
{
    const QString written = pick(QStringLiteral("89/11/4"), [](TDatePickerNew& dialog) {
        QTest::keyClick(focused(dialog), Qt::Key_Left); // another day picked
        monthBox(dialog)->setFocus();
        QTest::keyClick(monthBox(dialog), Qt::Key_Up);
        QTest::keyClick(focused(dialog), Qt::Key_Escape);
    });
    EXPECT_EQ(written, QStringLiteral("1389/11/04"));
}

TEST_F(PickDate, AcceptButtonWritesAndCancelButtonKeeps)
{
    const auto moveThenClick = [](bool accept) {
        return [accept](TDatePickerNew& dialog) {
            QTest::keyClick(focused(dialog), Qt::Key_Right); // the day before, on a solar grid
            QTest::mouseClick(accept ? dialog.BConSet : dialog.XFBitBtn3, Qt::LeftButton);
        };
    };
    EXPECT_EQ(pick(QStringLiteral("1389/11/04"), moveThenClick(true)),
              QStringLiteral("1389/11/03"));
    EXPECT_EQ(pick(QStringLiteral("1389/11/04"), moveThenClick(false)),
              QStringLiteral("1389/11/04"));
}

/// A typed date the picker cannot open on: the message the user reads, the edit's text as the
/// picker shows, and the calendar on today.
struct Unopened {
    const char* name;
    QString typed;
    QString message; ///< the start of the one message shown
    QString shownText;
};

/// The calendar's own message for a date it does not have.
const QString calendarMessage = controls::faceTexts(controls::dkSolar).invalidDate;

void PrintTo(const Unopened& row, std::ostream* out)
{
    *out << row.name;
}

class UnopenedDate : public PickDate, public ::testing::WithParamInterface<Unopened> {};

TEST_P(UnopenedDate, GivesOneMessageAndOpensOnToday)
{
    const Unopened& row = GetParam();
    EXPECT_EQ(pick(row.typed, noteThenPress(Qt::Key_Escape)), row.shownText);
    EXPECT_EQ(opening.edit, row.shownText);
    EXPECT_EQ(opening.calendar, fixtureSolarToday) << "today whole, not today's day in its month";
    ASSERT_EQ(boxes.shown.size(), 1u) << boxTexts().join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(boxes.shown[0].text.startsWith(row.message)) << boxes.shown[0].text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Dates, UnopenedDate,
    ::testing::Values(
        // IsValidDate's own message; the text is not completed.
        Unopened{"MonthThirteen", QStringLiteral("1389/13/01"),
                 QStringLiteral(" تاريخ  1389/13/01  صحيح نمي باشد"), QStringLiteral("1389/13/01")},
        Unopened{"LettersInIt", QStringLiteral("89/1a/4"),
                 QStringLiteral(" تاريخ  89/1a/4  صحيح نمي باشد"), QStringLiteral("89/1a/4")},
        // Accepted and completed, but a date the calendar does not have.
        Unopened{"MehrThirtyOne", QStringLiteral("1389/07/31"), calendarMessage,
                 QStringLiteral("1389/07/31")},
        Unopened{"EsfandThirtyOfCommonYear", QStringLiteral("1404/12/30"), calendarMessage,
                 QStringLiteral("1404/12/30")},
        Unopened{"FiveDigitYear", QStringLiteral("13890/01/01"), calendarMessage,
                 QStringLiteral("13890/01/01")},
        Unopened{"YearBeyondAnyNumber", QStringLiteral("99999999999/01/01"), calendarMessage,
                 QStringLiteral("99999999999/01/01")},
        Unopened{"MonthBeyondAnyNumber", QStringLiteral("1389/99999999999/1"), calendarMessage,
                 QStringLiteral("1389/99999999999/1")}),
    [](const ::testing::TestParamInfo<Unopened>& info) { return std::string(info.param.name); });

/// A typed date that comes back from Enter as the calendar's date text.
struct RoundTrip {
    const char* name;
    QString typed;
    QString written;
};

void PrintTo(const RoundTrip& row, std::ostream* out)
{
    *out << row.name;
}

class RoundTripDate : public PickDate, public ::testing::WithParamInterface<RoundTrip> {};

TEST_P(RoundTripDate, EnterWritesTheDateTheCalendarOpenedOn)
{
    const RoundTrip& row = GetParam();
    EXPECT_EQ(pick(row.typed, noteThenPress(Qt::Key_Return)), row.written);
    EXPECT_EQ(opening.calendar, row.written);
    EXPECT_TRUE(boxes.shown.empty()) << boxTexts().join(QLatin1Char('|')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Dates, RoundTripDate,
    ::testing::Values(
        RoundTrip{"LeapEsfand1403", QStringLiteral("1403/12/30"), QStringLiteral("1403/12/30")},
        RoundTrip{"LeapEsfand1436", QStringLiteral("1436/12/30"), QStringLiteral("1436/12/30")},
        RoundTrip{"ThreeDigitDay", QStringLiteral("1389/01/004"), QStringLiteral("1389/01/04")},
        RoundTrip{"TwoDigitYearLastOfMonth", QStringLiteral("89/6/31"),
                  QStringLiteral("1389/06/31")},
        RoundTrip{"BlanksAround", QStringLiteral("  1390/2/5 "), QStringLiteral("1390/02/05")}),
    [](const ::testing::TestParamInfo<RoundTrip>& info) { return std::string(info.param.name); });

TEST_F(PickDate, AfterTheEndRequestNoPickerShowsAndTheTextStays)
{
    edit.setText(QStringLiteral("1389/11/04"));
    PickerDriver driver({});
    platform::requestEnd();
    picking.PickDateFromDate(&edit);
    QCoreApplication::processEvents();
    EXPECT_EQ(driver.acted + driver.extra, 0);
    EXPECT_EQ(edit.text(), QStringLiteral("1389/11/04"));
    for (QWidget* window : QApplication::topLevelWidgets())
        EXPECT_EQ(qobject_cast<TDatePickerNew*>(window), nullptr);
}

TEST_F(PickDate, EndRequestedWhileOpenClosesItAsCancelled)
{
    // The picker is the only window here: its closing must not post a second quit.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    edit.setText(QStringLiteral("1389/11/04"));
    PickerDriver driver({[](TDatePickerNew& dialog) {
        QTest::keyClick(focused(dialog), Qt::Key_Left); // another day picked
        platform::requestEnd();
    }});
    // As in the program: the picker opens from a handler running in the application's loop.
    QTimer::singleShot(0, [this] { picking.PickDateFromDate(&edit); });
    platform::runEventLoop();
    QGuiApplication::setQuitOnLastWindowClosed(true);
    EXPECT_EQ(driver.acted, 1);
    EXPECT_EQ(edit.text(), QStringLiteral("1389/11/04"));
}

TEST_F(PickDate, OldFormAndNullEditDoNothing)
{
    edit.setText(QStringLiteral("89/11/4"));
    PickerDriver driver({});
    picking.PickDateFromDateOld(&edit);
    picking.PickDateFromDate(nullptr);
    QCoreApplication::processEvents();
    EXPECT_EQ(driver.acted + driver.extra, 0);
    EXPECT_EQ(edit.text(), QStringLiteral("89/11/4"));
}

} // namespace
