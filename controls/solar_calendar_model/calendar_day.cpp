#include "controls/solar_calendar_model/calendar_day.h"

#include <QDate>
#include <limits>

namespace controls {

namespace {

using toolkit::CalNumber;

constexpr int highestYear = std::numeric_limits<CalNumber>::max();
constexpr int firstKeptSolarYear = 1000;
constexpr int lastKeptGregorianYear = 9999;

bool fitsEngine(const DateFields& date)
{
    return date.year >= 1 && date.year <= highestYear && date.month >= 1 && date.month <= 12 &&
           date.day >= 1 && date.day <= 31;
}

DayNumber firstKeptDay()
{
    static const DayNumber first = *dayNumberOf(dkSolar, {firstKeptSolarYear, 1, 1});
    return first;
}

DayNumber lastKeptDay()
{
    static const DayNumber last = QDate(lastKeptGregorianYear, 12, 31).toJulianDay();
    return last;
}

} // namespace

DateFields splitDate(const QString& text)
{
    CalNumber year = 0;
    CalNumber month = 0;
    CalNumber day = 0;
    toolkit::CalSplitDate(text, year, month, day);
    return {year, month, day};
}

QString joinDate(const DateFields& date)
{
    return toolkit::CalJoinDate(static_cast<CalNumber>(date.year),
                                static_cast<CalNumber>(date.month),
                                static_cast<CalNumber>(date.day));
}

int monthLength(TDateKind kind, int year, int month)
{
    if (year < 1 || year > highestYear || month < 1 || month > 12)
        return 0;
    return toolkit::CalDaysInMonth(kind, static_cast<CalNumber>(year),
                                   static_cast<CalNumber>(month));
}

int yearLength(TDateKind kind, int year)
{
    return year >= 1 && year <= highestYear &&
                   toolkit::CalIsLeapYear(kind, static_cast<CalNumber>(year))
               ? 366
               : 365;
}

bool isCalendarDate(TDateKind kind, const DateFields& date)
{
    return fitsEngine(date) && date.day <= monthLength(kind, date.year, date.month);
}

std::optional<DayNumber> dayNumberOf(TDateKind kind, const DateFields& date)
{
    if (!isCalendarDate(kind, date))
        return std::nullopt;
    auto year = static_cast<CalNumber>(date.year);
    auto month = static_cast<CalNumber>(date.month);
    auto day = static_cast<CalNumber>(date.day);
    if (kind == dkSolar && !toolkit::CalSolarToGregorian(year, month, day))
        return std::nullopt;
    return QDate(year, month, day).toJulianDay();
}

std::optional<DateFields> dateOfDayNumber(TDateKind kind, DayNumber day)
{
    const QDate gregorian = QDate::fromJulianDay(day);
    if (!gregorian.isValid() || gregorian.year() < 1 || gregorian.year() > highestYear)
        return std::nullopt;
    auto year = static_cast<CalNumber>(gregorian.year());
    auto month = static_cast<CalNumber>(gregorian.month());
    auto dayOfMonth = static_cast<CalNumber>(gregorian.day());
    if (kind == dkSolar && !toolkit::CalGregorianToSolar(year, month, dayOfMonth))
        return std::nullopt;
    return DateFields{year, month, dayOfMonth};
}

bool isKeptDay(DayNumber day)
{
    return day >= firstKeptDay() && day <= lastKeptDay();
}

int gridColumnOf(TDateKind kind, DayNumber day)
{
    const int isoWeekday = QDate::fromJulianDay(day).dayOfWeek(); // 1 = Monday to 7 = Sunday
    return kind == dkSolar ? (isoWeekday + 1) % 7 : isoWeekday % 7;
}

} // namespace controls
