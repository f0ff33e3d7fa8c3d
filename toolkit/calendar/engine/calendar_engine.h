#pragma once

#include <QString>
#include <cstdint>

// The calendar engine: solar (Persian) and Gregorian dates as numbers, conversion between them,
// and the engine date text Y/MM/DD (year without leading zeros, two-digit month and day).
//
// The solar calendar is the official Iranian one, reckoned by its arithmetic rule: a year Y is
// leap when (25 * Y + 11) mod 33 < 8. The rule agrees with the astronomical calendar for every
// year from 1200 to 1502 AP (1821 to 2124 CE); outside those years the engine goes on with the
// same arithmetic, which then drifts from the calendar in use. The Gregorian side is proleptic.
// Years are held in 16 bits; 0 marks a missing or unusable year.

namespace toolkit {

/// Selects the calendar of a date and with it the row of each engine table.
enum TDateKind { dkSolar = 0, dkGregorian = 1 };

using CalNumber = std::uint16_t;

/// Year, month and day of an engine date text. An empty or blank text gives 0, 0, 0; a year of
/// fewer than four digits (or one that does not fit 16 bits), a month above 12 and a day above
/// 31 give 0 in their place. A field that is missing (fewer than two "/") or not an integer
/// raises ConversionError.
void CalSplitDate(const QString& text, CalNumber& year, CalNumber& month, CalNumber& day);
/// The engine date text: 1389/01/04, 2011/01/24.
QString CalJoinDate(CalNumber year, CalNumber month, CalNumber day);

bool CalIsLeapYear(TDateKind kind, CalNumber year);
/// Days in the month, 0 for year 0 or a month outside 1 to 12.
CalNumber CalDaysInMonth(TDateKind kind, CalNumber year, CalNumber month);
bool CalIsValidDate(TDateKind kind, CalNumber year, CalNumber month, CalNumber day);
/// The day's number in its year (1 = first day), 0 for an invalid date.
CalNumber CalDayOfYear(TDateKind kind, CalNumber year, CalNumber month, CalNumber day);
/// Month and day of day number dayNumber of year; true when that is a valid date (false for 0
/// and for numbers beyond the year).
bool CalDateOfDayOfYear(TDateKind kind, CalNumber dayNumber, CalNumber year, CalNumber& month,
                        CalNumber& day);

/// Converts a Gregorian date in place to the solar date of the same day. False, with the numbers
/// unchanged, for an invalid date or one whose solar year would be below 1 or above 65535.
bool CalGregorianToSolar(CalNumber& year, CalNumber& month, CalNumber& day);
/// Converts a solar date in place to the Gregorian date of the same day. False, with the numbers
/// unchanged, for an invalid date or one whose Gregorian year would be above 65535.
bool CalSolarToGregorian(CalNumber& year, CalNumber& month, CalNumber& day);

/// The engine date text of the same day in the other calendar; kind is the calendar of text.
/// A date the engine cannot convert comes back in its own calendar with unusable fields as 0
/// (1389/13/05 gives 1389/00/05). Missing or non-integer fields raise ConversionError.
QString CalConvertText(const QString& text, TDateKind kind);

} // namespace toolkit
