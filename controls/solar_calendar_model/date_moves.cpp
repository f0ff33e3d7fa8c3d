#include "controls/solar_calendar_model/date_moves.h"

#include <algorithm>
#include <limits>

namespace controls {

namespace {

// Years far enough out that no kept day lies beyond them; a target year outside is refused
// before it can overflow an int.
constexpr qint64 lowestYear = 1;
constexpr qint64 highestYear = std::numeric_limits<toolkit::CalNumber>::max();
// Day counts beyond this leave every kept day behind (about 25,000 years).
constexpr qint64 widestDayMove = 10'000'000;

// The date if the control keeps it.
std::optional<DateFields> kept(TDateKind kind, const DateFields& date)
{
    const std::optional<DayNumber> day = dayNumberOf(kind, date);
    if (!day || !isKeptDay(*day))
        return std::nullopt;
    return date;
}

// Year and month with the day cut to that month's length.
std::optional<DateFields> cutToMonth(TDateKind kind, qint64 year, qint64 month, int day)
{
    if (year < lowestYear || year > highestYear)
        return std::nullopt;
    const auto y = static_cast<int>(year);
    const auto m = static_cast<int>(month);
    return kept(kind, {y, m, std::min(day, monthLength(kind, y, m))});
}

} // namespace

std::optional<DateFields> movedByDays(TDateKind kind, const DateFields& date, qint64 count)
{
    const std::optional<DayNumber> from = dayNumberOf(kind, date);
    if (!from || count < -widestDayMove || count > widestDayMove)
        return std::nullopt;
    const std::optional<DateFields> to = dateOfDayNumber(kind, *from + count);
    return to ? kept(kind, *to) : std::nullopt;
}

std::optional<DateFields> movedByMonths(TDateKind kind, const DateFields& date, qint64 count)
{
    if (!isCalendarDate(kind, date) || count < -12 * highestYear || count > 12 * highestYear)
        return std::nullopt;
    // Months counted from month 1 of year 0: [12, 12 * 65536 + 11] before the move.
    const qint64 months = qint64{date.year} * 12 + (date.month - 1) + count;
    if (months < 0)
        return std::nullopt;
    return cutToMonth(kind, months / 12, months % 12 + 1, date.day);
}

std::optional<DateFields> movedByYears(TDateKind kind, const DateFields& date, qint64 count)
{
    if (!isCalendarDate(kind, date) || count < -highestYear || count > highestYear)
        return std::nullopt;
    return cutToMonth(kind, date.year + count, date.month, date.day);
}

std::optional<DateFields> withDay(TDateKind kind, const DateFields& date, qint64 day)
{
    if (!isCalendarDate(kind, date) || day < 1 || day > monthLength(kind, date.year, date.month))
        return std::nullopt;
    return kept(kind, {date.year, date.month, static_cast<int>(day)});
}

std::optional<DateFields> withMonth(TDateKind kind, const DateFields& date, qint64 month)
{
    if (!isCalendarDate(kind, date) || month < 1 || month > 12)
        return std::nullopt;
    return cutToMonth(kind, date.year, month, date.day);
}

std::optional<DateFields> withYear(TDateKind kind, const DateFields& date, qint64 year)
{
    if (!isCalendarDate(kind, date))
        return std::nullopt;
    return cutToMonth(kind, year, date.month, date.day);
}

} // namespace controls
