#pragma once

#include "controls/solar_calendar/solar_month_calendar.h"
#include "support/recording_tones.h"
#include "support/scripted_box_presenter.h"

#include <QDate>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

namespace calendar_test {

using controls::TSolarMonthCalendar;

// The face as a reader sees it, in pixels from the control's top left.
constexpr int gridTop = 50;
constexpr int cellPitchX = 46; // 45 pixels of cell and 1 of grid line
constexpr int cellPitchY = 20; // 19 and 1
constexpr int cellWidth = 45;
constexpr int cellHeight = 19;

/// Today in the fixture: Monday 24 January 2011, 1389/11/04.
inline QDate fixtureToday()
{
    return {2011, 1, 24};
}

/// The drawn rectangle of a grid cell: the solar grid has Saturday (column 0) at the right.
inline QRect cellBox(controls::TDateKind kind, int row, int column)
{
    const int drawn = kind == controls::dkSolar ? 6 - column : column;
    return {drawn * cellPitchX, gridTop + row * cellPitchY, cellWidth, cellHeight};
}

/// A calendar on a right-to-left host window, as the forms hold it, with every box and beep
/// recorded.
class CalendarWidget : public testing::Test {
protected:
    CalendarWidget()
    {
        host.setLayoutDirection(Qt::RightToLeft);
        host.resize(400, 260);
        calendar->move(20, 30);
        host.show();
    }

    /// Left click at a point of the control, given to the child widget that is there.
    void clickAt(const QPoint& point, Qt::MouseButton button = Qt::LeftButton)
    {
        QWidget* target = calendar->childAt(point);
        ASSERT_NE(target, nullptr) << point.x() << ',' << point.y();
        QTest::mouseClick(target, button, {}, target->mapFrom(calendar, point));
    }

    void clickCell(int row, int column)
    {
        clickAt(cellBox(calendar->dateKind(), row, column).center());
    }

    QImage shot() { return calendar->grab().toImage(); }

    /// The texts of the boxes shown so far.
    QStringList boxTexts() const
    {
        QStringList texts;
        for (const platform::BoxRequest& box : boxes.shown)
            texts << box.text;
        return texts;
    }

    testing_support::RecordingTones tones;
    testing_support::ScriptedBoxPresenter boxes;
    QWidget host;
    TSolarMonthCalendar* calendar = new TSolarMonthCalendar(&host, fixtureToday());
};

} // namespace calendar_test
