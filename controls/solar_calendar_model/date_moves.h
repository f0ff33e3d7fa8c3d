#pragma once

#include "controls/solar_calendar_model/calendar_day.h"

#include <optional>

namespace controls {

// Moves of a date within its calendar. Each takes a date the calendar has and gives the moved
// date, or no value when the move cannot be made: the date is not one the calendar has, or the
// result falls outside the days the control keeps (isKeptDay). A negative count moves back.

/// The date count days later, counted through day numbers.
std::optional<DateFields> movedByDays(TDateKind kind, const DateFields& date, qint64 count);
/// The date count months later (year * 12 + month), the day cut to the target month's length:
/// 1403/11/30 + 1 month is 1403/12/30, 1404/11/30 + 1 month is 1404/12/29.
std::optional<DateFields> movedByMonths(TDateKind kind, const DateFields& date, qint64 count);
/// The date count years later, the day cut to the target month's length (1403/12/30 + 1 year
/// is 1404/12/29).
std::optional<DateFields> movedByYears(TDateKind kind, const DateFields& date, qint64 count);

/// The same month's day `day`; no value unless 1 <= day <= the month's length.
std::optional<DateFields> withDay(TDateKind kind, const DateFields& date, qint64 day);
/// Month `month` (1 to 12) of the same year, the day cut to its length.
std::optional<DateFields> withMonth(TDateKind kind, const DateFields& date, qint64 month);
/// The same month and day in year `year`, the day cut to the month's length.
std::optional<DateFields> withYear(TDateKind kind, const DateFields& date, qint64 year);

} // namespace controls
