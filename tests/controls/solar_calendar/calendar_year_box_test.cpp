#include "calendar_widget_fixture.h"
#include "controls/solar_calendar/year_box.h"

#include <QSignalSpy>

using namespace calendar_test;
using controls::dkGregorian;
using controls::dkSolar;
using controls::TDateKind;
using controls::YearBox;

namespace {

const QPoint yearCaption(155, 12);
const QPoint spinnerUp(191, 8);
const QPoint spinnerDown(191, 19);

class CalendarYearBox : public CalendarWidget {
protected:
    YearBox* box() const { return calendar->findChild<YearBox*>(); }

    void openBox() { clickAt(yearCaption); }

    /// Opens the box, replaces its year with `text` and presses Enter.
    void typeYear(const QString& text)
    {
        openBox();
        for (int i = 0; i < 4; ++i)
            QTest::keyClick(box(), Qt::Key_Backspace);
        QTest::keyClicks(box(), text);
        QTest::keyClick(box(), Qt::Key_Return);
    }

    int beeps() const { return static_cast<int>(tones.calls.count(QStringLiteral("beep"))); }
};

TEST_F(CalendarYearBox, OpensOnTheYearWithNothingSelected)
{
    EXPECT_FALSE(box()->isVisible());
    openBox();
    EXPECT_TRUE(box()->isVisible());
    EXPECT_EQ(box()->text(), QStringLiteral("1389"));
    EXPECT_FALSE(box()->hasSelectedText());
    EXPECT_EQ(host.focusWidget(), box());
}

TEST_F(CalendarYearBox, TakesDigitsAndBackspaceOnlyAndSilently)
{
    openBox();
    QTest::keyClick(box(), Qt::Key_Backspace);
    QTest::keyClicks(box(), QStringLiteral("a-&7x"));
    EXPECT_EQ(box()->text(), QStringLiteral("1387"));
    QTest::keyClicks(box(), QStringLiteral("5"));
    EXPECT_EQ(box()->text(), QStringLiteral("1387")) << "four digits at most";
    EXPECT_EQ(beeps(), 0);
    EXPECT_EQ(box()->contextMenuPolicy(), Qt::NoContextMenu);
}

struct TypedYear {
    const char* name;
    TDateKind kind;
    const char* typed;
    int expectedYear; // 0: refused with a beep
};

void PrintTo(const TypedYear& row, std::ostream* out)
{
    *out << row.name;
}

class CalendarTypedYear : public CalendarYearBox, public testing::WithParamInterface<TypedYear> {};

TEST_P(CalendarTypedYear, EnterTakesAYearWithinTheLimitsAndBeepsOtherwise)
{
    const TypedYear& c = GetParam();
    calendar->setDateKind(c.kind);
    const QString before = calendar->outDate();
    typeYear(QString::fromUtf8(c.typed));
    if (c.expectedYear == 0) {
        EXPECT_EQ(calendar->outDate(), before);
        EXPECT_EQ(beeps(), 1);
    } else {
        EXPECT_EQ(calendar->year(), c.expectedYear);
        EXPECT_EQ(beeps(), 0);
    }
    EXPECT_FALSE(box()->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Limits, CalendarTypedYear,
    testing::Values(TypedYear{"Solar1340", dkSolar, "1340", 0},
                    TypedYear{"Solar1341", dkSolar, "1341", 1341},
                    TypedYear{"SolarShortYear", dkSolar, "89", 0},
                    TypedYear{"SolarEmpty", dkSolar, "", 0},
                    TypedYear{"SolarBeyondTheGregorianYears", dkSolar, "9999", 0},
                    TypedYear{"Solar9000", dkSolar, "9000", 9000},
                    TypedYear{"SolarSameYear", dkSolar, "1389", 1389},
                    TypedYear{"Gregorian1899", dkGregorian, "1899", 0},
                    TypedYear{"Gregorian1900", dkGregorian, "1900", 1900},
                    TypedYear{"Gregorian9999", dkGregorian, "9999", 9999}),
    [](const testing::TestParamInfo<TypedYear>& info) { return std::string(info.param.name); });

TEST_F(CalendarYearBox, EscapeRestoresTheYearTheBoxOpenedOn)
{
    QSignalSpy next(calendar, &TSolarMonthCalendar::nextClick);
    QSignalSpy prior(calendar, &TSolarMonthCalendar::prevClick);
    openBox();
    clickAt(spinnerUp);
    QTest::keyClick(box(), Qt::Key_Up);
    EXPECT_EQ(calendar->year(), 1391);
    EXPECT_EQ(box()->text(), QStringLiteral("1391"));
    clickAt(spinnerDown);
    EXPECT_EQ(calendar->year(), 1390);
    EXPECT_EQ(next.count(), 2);
    EXPECT_EQ(prior.count(), 1);
    QTest::keyClick(box(), Qt::Key_Escape);
    EXPECT_EQ(calendar->outDate(), QStringLiteral("1389/11/04"));
    EXPECT_FALSE(box()->isVisible());
    EXPECT_EQ(beeps(), 0);
}

TEST_F(CalendarYearBox, TheSpinnerStopsAtItsRange)
{
    calendar->setInDate(QStringLiteral("1340/05/05"));
    openBox();
    clickAt(spinnerDown);
    EXPECT_EQ(calendar->year(), 1340);
}

TEST_F(CalendarYearBox, ClosesOnACaptionClickAndStaysShutWithoutYearButtons)
{
    openBox();
    clickAt({100, 3});
    EXPECT_FALSE(box()->isVisible());
    calendar->setEnableYearButtons(false);
    openBox();
    EXPECT_FALSE(box()->isVisible());
}

} // namespace
