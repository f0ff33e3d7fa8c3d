#pragma once

#include "controls/solar_calendar/custom_solar_calendar.h"

namespace controls {

/// The month calendar as forms place it: the custom calendar with its current year, month and
/// day to read.
class TSolarMonthCalendar : public TCustomSolarCalendar {
    Q_OBJECT

public:
    using TCustomSolarCalendar::TCustomSolarCalendar;

    int year() const { return currentDate().year; }
    int month() const { return currentDate().month; }
    int day() const { return currentDate().day; }
};

} // namespace controls
