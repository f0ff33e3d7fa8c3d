#include "toolkit/calendar/engine/calendar_engine.h"

#include "toolkit/calendar/engine/conversion_error.h"
#include "toolkit/calendar/engine/integer_text.h"

#include <array>
#include <cstdint>
#include <limits>

namespace toolkit {

namespace {

using DayNumber = std::int64_t; // days since 1970-01-01 (Gregorian), negative before it

constexpr std::array<std::array<CalNumber, 12>, 2> monthLengths{{
    {31, 31, 31, 31, 31, 31, 30, 30, 30, 30, 30, 29}, // dkSolar
    {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}, // dkGregorian
}};

// Days before month m, m = 1 to 13 at index m - 1, in a common year.
constexpr std::array<std::array<CalNumber, 13>, 2> daysBeforeMonth{{
    {0, 31, 62, 93, 124, 155, 186, 216, 246, 276, 306, 336, 365},
    {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365},
}};

// The month that has one day more in a leap year: Esfand, February.
constexpr std::array<CalNumber, 2> leapMonth{12, 2};

constexpr DayNumber floorDiv(DayNumber a, DayNumber b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

// Gregorian date to day number (Howard Hinnant's days_from_civil).
constexpr DayNumber daysFromCivil(DayNumber y, DayNumber m, DayNumber d)
{
    y -= m <= 2 ? 1 : 0;                                                   // years start in March
    const DayNumber era = floorDiv(y, 400);                                // 400-year eras
    const DayNumber yoe = y - era * 400;                                   // [0, 399]
    const DayNumber doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1; // [0, 365]
    const DayNumber doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;           // [0, 146096]
    return era * 146097 + doe - 719468; // 719468: days from 0000-03-01 to 1970-01-01
}

struct Civil {
    DayNumber year;
    CalNumber month;
    CalNumber day;
};

// Day number to Gregorian date (Howard Hinnant's civil_from_days).
constexpr Civil civilFromDays(DayNumber z)
{
    z += 719468;
    const DayNumber era = floorDiv(z, 146097);
    const DayNumber doe = z - era * 146097;                                      // [0, 146096]
    const DayNumber yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365; // [0, 399]
    const DayNumber doy = doe - (365 * yoe + yoe / 4 - yoe / 100);               // [0, 365]
    const DayNumber mp = (5 * doy + 2) / 153;                              // [0, 11], March = 0
    const auto day = static_cast<CalNumber>(doy - (153 * mp + 2) / 5 + 1); // [1, 31]
    const auto month = static_cast<CalNumber>(mp < 10 ? mp + 3 : mp - 9);  // [1, 12]
    return {yoe + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

constexpr DayNumber solarEpochYear = 1300;
constexpr DayNumber solarEpoch = daysFromCivil(1921, 3, 21); // 1300/01/01 AP = 21 March 1921
constexpr DayNumber daysPerCycle = 12053; // 33 solar years: 33 * 365 + 8 leap days

constexpr bool solarLeap(DayNumber year)
{
    return (25 * year + 11) % 33 < 8;
}

// Leap years counted up to, not including, year (from a fixed origin): a year is leap exactly
// when this count grows by one over it.
constexpr DayNumber solarLeapsBefore(DayNumber year)
{
    return floorDiv(8 * year + 21, 33);
}

// Days from 1 Farvardin of the epoch year to 1 Farvardin of year.
constexpr DayNumber daysBeforeSolarYear(DayNumber year)
{
    return 365 * (year - solarEpochYear) + solarLeapsBefore(year) -
           solarLeapsBefore(solarEpochYear);
}

static_assert(daysBeforeSolarYear(1388) - daysBeforeSolarYear(1387) == 366); // 1387 is leap
static_assert(daysBeforeSolarYear(1405) - daysBeforeSolarYear(1404) == 365); // 1404 is common

bool fitsYear(DayNumber year)
{
    return year >= 1 && year <= std::numeric_limits<CalNumber>::max();
}

CalNumber fieldOrZero(QStringView field, int highest)
{
    const int value = readInteger(field);
    return value >= 0 && value <= highest ? static_cast<CalNumber>(value) : CalNumber{0};
}

QString twoDigits(CalNumber value)
{
    return value < 10 ? QLatin1Char('0') + QString::number(value) : QString::number(value);
}

} // namespace

void CalSplitDate(const QString& text, CalNumber& year, CalNumber& month, CalNumber& day)
{
    year = month = day = 0;
    if (trimBlanks(text).isEmpty())
        return;
    QStringView rest = text;
    // Year and month each run to the next "/"; a text without it lacks a field.
    const auto nextField = [&rest, &text]() {
        const qsizetype slash = rest.indexOf(QLatin1Char('/'));
        if (slash < 0)
            throw ConversionError(QStringLiteral("'%1' is not a valid date").arg(text));
        const QStringView field = rest.first(slash);
        rest = rest.sliced(slash + 1);
        return field;
    };
    const int y = readInteger(nextField());
    year = y >= 1000 && y <= std::numeric_limits<CalNumber>::max() ? static_cast<CalNumber>(y)
                                                                   : CalNumber{0};
    month = fieldOrZero(nextField(), 12);
    day = fieldOrZero(rest, 31);
}

QString CalJoinDate(CalNumber year, CalNumber month, CalNumber day)
{
    return QString::number(year) + QLatin1Char('/') + twoDigits(month) + QLatin1Char('/') +
           twoDigits(day);
}

bool CalIsLeapYear(TDateKind kind, CalNumber year)
{
    if (kind == dkSolar)
        return solarLeap(year);
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

CalNumber CalDaysInMonth(TDateKind kind, CalNumber year, CalNumber month)
{
    if (year == 0 || month < 1 || month > 12)
        return 0;
    const bool extra = month == leapMonth[kind] && CalIsLeapYear(kind, year);
    return static_cast<CalNumber>(monthLengths[kind][month - 1] + (extra ? 1 : 0));
}

bool CalIsValidDate(TDateKind kind, CalNumber year, CalNumber month, CalNumber day)
{
    return year != 0 && month >= 1 && month <= 12 && day >= 1 &&
           day <= CalDaysInMonth(kind, year, month);
}

CalNumber CalDayOfYear(TDateKind kind, CalNumber year, CalNumber month, CalNumber day)
{
    if (!CalIsValidDate(kind, year, month, day))
        return 0;
    const bool extra = month > leapMonth[kind] && CalIsLeapYear(kind, year);
    return static_cast<CalNumber>(daysBeforeMonth[kind][month - 1] + day + (extra ? 1 : 0));
}

bool CalDateOfDayOfYear(TDateKind kind, CalNumber dayNumber, CalNumber year, CalNumber& month,
                        CalNumber& day)
{
    month = 0;
    day = 0;
    const bool leap = CalIsLeapYear(kind, year);
    for (CalNumber next = 2; next <= 13; ++next) {
        // Month next - 1 ends one day later from the leap month on, in a leap year.
        const int extra = next > leapMonth[kind] && leap ? 1 : 0;
        if (dayNumber <= daysBeforeMonth[kind][next - 1] + extra) {
            month = static_cast<CalNumber>(next - 1);
            const int before =
                daysBeforeMonth[kind][month - 1] + (month > leapMonth[kind] && leap ? 1 : 0);
            day = static_cast<CalNumber>(dayNumber - before);
            break;
        }
    }
    return CalIsValidDate(kind, year, month, day);
}

bool CalGregorianToSolar(CalNumber& year, CalNumber& month, CalNumber& day)
{
    if (!CalIsValidDate(dkGregorian, year, month, day))
        return false;
    const DayNumber sinceEpoch = daysFromCivil(year, month, day) - solarEpoch;
    // Estimate the year from the mean year of the 33-year cycle, then settle it exactly.
    DayNumber solarYear = solarEpochYear + floorDiv(sinceEpoch * 33, daysPerCycle);
    while (daysBeforeSolarYear(solarYear + 1) <= sinceEpoch)
        ++solarYear;
    while (daysBeforeSolarYear(solarYear) > sinceEpoch)
        --solarYear;
    if (!fitsYear(solarYear))
        return false;
    const auto solar = static_cast<CalNumber>(solarYear);
    const auto dayOfYear = static_cast<CalNumber>(sinceEpoch - daysBeforeSolarYear(solar) + 1);
    CalNumber solarMonth = 0;
    CalNumber solarDay = 0;
    CalDateOfDayOfYear(dkSolar, dayOfYear, solar, solarMonth, solarDay);
    year = solar;
    month = solarMonth;
    day = solarDay;
    return true;
}

bool CalSolarToGregorian(CalNumber& year, CalNumber& month, CalNumber& day)
{
    if (!CalIsValidDate(dkSolar, year, month, day))
        return false;
    const Civil civil = civilFromDays(solarEpoch + daysBeforeSolarYear(year) +
                                      CalDayOfYear(dkSolar, year, month, day) - 1);
    if (!fitsYear(civil.year))
        return false;
    year = static_cast<CalNumber>(civil.year);
    month = civil.month;
    day = civil.day;
    return true;
}

QString CalConvertText(const QString& text, TDateKind kind)
{
    CalNumber year = 0;
    CalNumber month = 0;
    CalNumber day = 0;
    CalSplitDate(text, year, month, day);
    if (kind == dkGregorian)
        CalGregorianToSolar(year, month, day);
    else
        CalSolarToGregorian(year, month, day);
    return CalJoinDate(year, month, day);
}

} // namespace toolkit
