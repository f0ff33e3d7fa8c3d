#include "controls/solar_calendar_model/date_counts.h"

#include "toolkit/calendar/engine/conversion_error.h"
#include "toolkit/calendar/engine/integer_text.h"

#include <QDate>
#include <cstdlib>

namespace controls {

namespace {

constexpr int daysPerWeek = 7;

struct CheckedDate {
    DateFields fields;
    DayNumber day;
};

CheckedDate checked(const QString& text, TDateKind kind)
{
    const DateFields fields = splitDate(text);
    const std::optional<DayNumber> day = dayNumberOf(kind, fields);
    if (!day)
        throw toolkit::ConversionError(QStringLiteral("'%1' is not a valid date").arg(text));
    return {fields, *day};
}

int dayOfYear(TDateKind kind, const DateFields& date)
{
    return toolkit::CalDayOfYear(kind, static_cast<toolkit::CalNumber>(date.year),
                                 static_cast<toolkit::CalNumber>(date.month),
                                 static_cast<toolkit::CalNumber>(date.day));
}

} // namespace

int daysBetween(const QString& now, const QString& then, TDateKind kind)
{
    if (toolkit::trimBlanks(now).isEmpty() || toolkit::trimBlanks(then).isEmpty())
        return -1;
    // Both days lie within years 1 to 65535, so the difference fits an int.
    return static_cast<int>(std::llabs(checked(now, kind).day - checked(then, kind).day));
}

int weekdayNumber(const QString& date, TDateKind kind)
{
    const int column = gridColumnOf(dkGregorian, checked(date, kind).day); // 0 = Sunday
    if (kind == dkGregorian)
        return column + 1;
    return (column + 2) % daysPerWeek + 1; // Friday (column 5) is 1, Thursday (4) is 7
}

int weekRemainDays(const QString& date, TDateKind kind)
{
    return daysPerWeek - weekdayNumber(date, kind);
}

int monthRemainDays(const QString& date, TDateKind kind)
{
    const DateFields fields = checked(date, kind).fields;
    return monthLength(kind, fields.year, fields.month) - fields.day;
}

int yearRemainDays(const QString& date, TDateKind kind)
{
    const DateFields fields = checked(date, kind).fields;
    return yearLength(kind, fields.year) - dayOfYear(kind, fields);
}

int weekOfYear(const QString& date, TDateKind kind)
{
    const CheckedDate day = checked(date, kind);
    if (kind == dkGregorian)
        return QDate::fromJulianDay(day.day).weekNumber();
    return (dayOfYear(kind, day.fields) + daysPerWeek - 1) / daysPerWeek;
}

} // namespace controls
