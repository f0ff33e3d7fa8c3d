// The month calendar in both calendars: a month with its leap day, and a month whose first day
// stands in the grid's last column; and the calendar as the date picker holds it.
#include "app/screenshots/screenshot_registry.h"
#include "controls/solar_calendar/solar_month_calendar.h"

namespace {

using controls::TDateKind;
using controls::TSolarMonthCalendar;

std::unique_ptr<QWidget> calendarOn(TDateKind kind, const QString& date)
{
    // Today is fixed so that the pictures stay the same from run to run.
    auto calendar = std::make_unique<TSolarMonthCalendar>(nullptr, QDate(2025, 3, 20));
    calendar->setDateKind(kind);
    calendar->setInDate(date);
    return calendar;
}

// As the date picker holds it: a month box instead of the menu, cells in white.
std::unique_ptr<QWidget> calendarWithMonthBox()
{
    std::unique_ptr<QWidget> calendar = calendarOn(controls::dkSolar, QStringLiteral("1389/11/04"));
    auto* solar = static_cast<TSolarMonthCalendar*>(calendar.get());
    solar->setMonthObject(controls::moComboBox);
    solar->setShowCellInColor(false);
    solar->setVisibleLayoutSwitch(false);
    return calendar;
}

const screenshots::Registration calendarWindows{{
    {QStringLiteral("control-SolarCalendar-LeapEsfand"),
     [] { return calendarOn(controls::dkSolar, QStringLiteral("1403/12/30")); }},
    {QStringLiteral("control-SolarCalendar-LeapFebruary"),
     [] { return calendarOn(controls::dkGregorian, QStringLiteral("2024/02/29")); }},
    {QStringLiteral("control-SolarCalendar-FarvardinFromFriday"),
     [] { return calendarOn(controls::dkSolar, QStringLiteral("1404/01/04")); }},
    {QStringLiteral("control-SolarCalendar-JanuaryFromSaturday"),
     [] { return calendarOn(controls::dkGregorian, QStringLiteral("2011/01/24")); }},
    {QStringLiteral("control-SolarCalendar-MonthBox"), calendarWithMonthBox},
}};

} // namespace
