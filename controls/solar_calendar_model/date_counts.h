#pragma once

#include "controls/solar_calendar_model/calendar_day.h"

#include <QString>

namespace controls {

// Counts on engine date texts of a given calendar. A text whose fields are not integers, or a
// date the calendar does not have (1389/07/31, 2011/02/29), raises ConversionError.

/// Whole days between two dates of the same calendar, never negative; -1 when either is blank.
int daysBetween(const QString& now, const QString& then, TDateKind kind);
/// Weekday number: Gregorian 1 = Sunday to 7 = Saturday; solar 1 = Friday, 2 = Saturday, ...,
/// 7 = Thursday.
int weekdayNumber(const QString& date, TDateKind kind);
/// 7 minus weekdayNumber.
int weekRemainDays(const QString& date, TDateKind kind);
/// Days after the date to the end of its month.
int monthRemainDays(const QString& date, TDateKind kind);
/// Days after the date to the end of its year.
int yearRemainDays(const QString& date, TDateKind kind);
/// Gregorian: the ISO 8601 week number. Solar: the day of the year divided by 7, rounded up.
int weekOfYear(const QString& date, TDateKind kind);

} // namespace controls
