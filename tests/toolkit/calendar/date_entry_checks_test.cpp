#include "calendar_fixture.h"
#include "toolkit/calendar/entry/date_entry_checks.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

using calendar_test::CalendarFixture;
using calendar_test::datePrefix;
using calendar_test::timePrefix;

namespace {

// A window with the entry box under test and a second box that holds the focus, as when the
// user has just left the first.
class CalendarEntryChecks : public CalendarFixture, public testing::Test {
protected:
    CalendarEntryChecks()
    {
        window.setLayoutDirection(Qt::RightToLeft);
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(&entry);
        layout->addWidget(&next);
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        next.setFocus();
    }

    /// Types text into the entry box as the user would.
    void type(const QString& text)
    {
        entry.clear();
        QTest::keyClicks(&entry, text);
    }

    QWidget window;
    QLineEdit entry{&window};
    QLineEdit next{&window};
    toolkit::DateEntryChecks checks{calendar};
};

TEST_F(CalendarEntryChecks, AcceptedDateIsCompletedInTheBox)
{
    type(QStringLiteral("89/1/4"));
    next.setFocus();
    EXPECT_TRUE(checks.CheckTheDate(entry));
    EXPECT_EQ(entry.text(), QStringLiteral("1389/01/04"));
    EXPECT_TRUE(next.hasFocus());
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(CalendarEntryChecks, RejectedDateKeepsItsTextAndTakesTheFocusBack)
{
    type(QStringLiteral("1389/13/01"));
    next.setFocus();
    EXPECT_FALSE(checks.CheckTheDate(entry));
    EXPECT_EQ(entry.text(), QStringLiteral("1389/13/01"));
    EXPECT_TRUE(entry.hasFocus());
    EXPECT_EQ(shownTexts(), QStringList{datePrefix(QStringLiteral("1389/13/01")) +
                                        QStringLiteral("ماه صحيح نيست")});
}

TEST_F(CalendarEntryChecks, AcceptedTimeIsCompletedInTheBox)
{
    type(QStringLiteral("8:5"));
    next.setFocus();
    EXPECT_TRUE(checks.CheckTheTime(entry));
    EXPECT_EQ(entry.text(), QStringLiteral("08:05"));
    EXPECT_TRUE(next.hasFocus());
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(CalendarEntryChecks, RejectedTimeKeepsItsTextAndTakesTheFocusBack)
{
    type(QStringLiteral("7:60"));
    next.setFocus();
    EXPECT_FALSE(checks.CheckTheTime(entry));
    EXPECT_EQ(entry.text(), QStringLiteral("7:60"));
    EXPECT_TRUE(entry.hasFocus());
    EXPECT_EQ(shownTexts(),
              QStringList{timePrefix(QStringLiteral("7:60")) + QStringLiteral("دقيقه صحيح نيست")});
}

} // namespace
