#pragma once

#include "toolkit/calendar/engine/calendar_engine.h"

#include <QString>
#include <QtGlobal>
#include <optional>

namespace controls {

using toolkit::dkGregorian;
using toolkit::dkSolar;
using toolkit::TDateKind;

/// Year, month and day of a date in one calendar, as plain integers.
struct DateFields {
    int year = 0;
    int month = 0;
    int day = 0;
    bool operator==(const DateFields&) const = default;
};

/// A day counted as QDate counts them (the Julian day number), the same in both calendars.
using DayNumber = qint64;

/// The fields of an engine date text (CalSplitDate: a short year, month above 12 or day above 31
/// give 0; a field that is not an integer raises ConversionError).
DateFields splitDate(const QString& text);
/// The engine date text of the fields (year without leading zeros, two-digit month and day).
QString joinDate(const DateFields& date);

/// Days in the month by the engine, Esfand's and February's leap day included; 0 for a month
/// outside 1 to 12 or a year outside 1 to 65535.
int monthLength(TDateKind kind, int year, int month);
/// 365 or 366.
int yearLength(TDateKind kind, int year);
/// True when the calendar has the date.
bool isCalendarDate(TDateKind kind, const DateFields& date);
/// The day number of a date the calendar has; no value for any other.
std::optional<DayNumber> dayNumberOf(TDateKind kind, const DateFields& date);
/// The date of a day number in the calendar; no value when its year does not fit 1 to 65535.
std::optional<DateFields> dateOfDayNumber(TDateKind kind, DayNumber day);

/// The days the calendar control keeps: those whose year has four digits in both calendars,
/// from 1000/01/01 AP (March 1621) to 31 December 9999 (9378/10/10 AP). A year below 1000 would
/// not read back from its date text, and the year box holds four digits.
bool isKeptDay(DayNumber day);

/// The column of a day in the month grid, 0 to 6 in reading order: Saturday first in the solar
/// calendar, Sunday first in the Gregorian one.
int gridColumnOf(TDateKind kind, DayNumber day);

} // namespace controls
