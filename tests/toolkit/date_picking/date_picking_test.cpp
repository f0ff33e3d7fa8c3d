// PickDateFromDate through the picker seam: what it asks the picker and what it writes back.
#include "platform/date_pick_box.h"
#include "platform/end_request.h"
#include "platform/error.h"
#include "support/qstring_printer.h"
#include "support/recording_tones.h"
#include "support/scripted_box_presenter.h"
#include "support/scripted_date_picker.h"
#include "toolkit/base/tools_state.h"
#include "toolkit/boxes/message_boxes.h"
#include "toolkit/calendar/calendar_tools.h"
#include "toolkit/date_picking/date_picking.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

class DatePickingTest : public ::testing::Test {
protected:
    DatePickingTest() { platform::resetEndRequest(); }
    ~DatePickingTest() override
    {
        QCoreApplication::processEvents(); // takes a posted quit while no loop runs
        platform::resetEndRequest();
    }

    testing_support::RecordingTones tones;
    testing_support::ScriptedBoxPresenter boxes;
    testing_support::ScriptedDatePicker picker;
    toolkit::SolarToday solarToday;
    toolkit::MessageBoxes messageBoxes;
    toolkit::CalendarTools calendar{solarToday, messageBoxes};
    QDate today{2024, 6, 15};
    toolkit::DatePicking picking{calendar, [this] { return today; }};
    QLineEdit edit;
};

TEST_F(DatePickingTest, AsksForTheCompletedDateAndTodayAndWritesTheAnswer)
{
    edit.setText(QStringLiteral("89/11/4"));
    picker.answer({platform::mrOk, QStringLiteral("1389/11/20")});
    picking.PickDateFromDate(&edit);
    ASSERT_EQ(picker.shown.size(), 1u);
    EXPECT_EQ(picker.shown[0].startDate, QStringLiteral("1389/11/04"));
    EXPECT_EQ(picker.shown[0].today, today);
    EXPECT_EQ(edit.text(), QStringLiteral("1389/11/20"));
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(DatePickingTest, CancelKeepsTheCompletedText)
{
    edit.setText(QStringLiteral(" 1390/2/5"));
    picking.PickDateFromDate(&edit);
    EXPECT_EQ(edit.text(), QStringLiteral("1390/02/05"));
}

TEST_F(DatePickingTest, TodayIsAskedAtEachPick)
{
    picking.PickDateFromDate(&edit);
    today = QDate(2025, 3, 20);
    picking.PickDateFromDate(&edit);
    ASSERT_EQ(picker.shown.size(), 2u);
    EXPECT_EQ(picker.shown[0].today, QDate(2024, 6, 15));
    EXPECT_EQ(picker.shown[1].today, QDate(2025, 3, 20));
    EXPECT_TRUE(picker.shown[1].startDate.isEmpty()) << "an empty box opens on today";
}

TEST_F(DatePickingTest, RejectedDateIsToldAndThePickerOpensOnToday)
{
    edit.setText(QStringLiteral("1389/13/01"));
    picker.answer({platform::mrOk, QStringLiteral("1403/03/26")});
    picking.PickDateFromDate(&edit);
    ASSERT_EQ(boxes.shown.size(), 1u);
    ASSERT_EQ(picker.shown.size(), 1u);
    EXPECT_TRUE(picker.shown[0].startDate.isEmpty());
    EXPECT_EQ(edit.text(), QStringLiteral("1403/03/26"));
}

TEST_F(DatePickingTest, AfterTheEndRequestThePickerClosesAtOnceAsCancelled)
{
    edit.setText(QStringLiteral("89/11/4"));
    picker.answer({platform::mrOk, QStringLiteral("1389/11/20")});
    platform::requestEnd();
    picking.PickDateFromDate(&edit);
    EXPECT_TRUE(picker.shown.empty());
    ASSERT_EQ(picker.closed.size(), 1u);
    EXPECT_EQ(edit.text(), QStringLiteral("1389/11/04"));
}

TEST_F(DatePickingTest, WithoutAPresenterThePickRaisesInsteadOfHanging)
{
    platform::setDatePickerPresenter(nullptr);
    EXPECT_THROW(picking.PickDateFromDate(&edit), platform::Error);
    platform::setDatePickerPresenter(&picker);
}

} // namespace
