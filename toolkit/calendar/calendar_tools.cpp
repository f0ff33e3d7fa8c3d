#include "toolkit/calendar/calendar_tools.h"

#include "toolkit/base/tools_state.h"
#include "toolkit/calendar/engine/calendar_engine.h"
#include "toolkit/calendar/engine/integer_text.h"

#include <QStringView>
#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>

namespace toolkit {

namespace {

// The Gregorian days the two-digit formula serves, as YYYYMMDD: 1300/10/11 to 1399/12/30 AP.
// Records written over those years carry its dates, so it keeps them.
constexpr std::int64_t formulaFirstDay = 19220101;
constexpr std::int64_t formulaLastDay = 20210320;

// For each Gregorian month, the days of the solar month in progress before its first day.
constexpr std::array<int, 12> monthStartOffsets{10, 11, 9, 11, 10, 10, 9, 9, 9, 8, 9, 9};

struct GregorianFields {
    int day;
    int month;
    int year;
};

bool isGregorianDate(const GregorianFields& g)
{
    return g.year >= 1 && g.year <= std::numeric_limits<CalNumber>::max() &&
           CalIsValidDate(dkGregorian, static_cast<CalNumber>(g.year),
                          static_cast<CalNumber>(std::clamp(g.month, 0, 13)),
                          static_cast<CalNumber>(std::clamp(g.day, 0, 32)));
}

bool insideFormulaWindow(const GregorianFields& g)
{
    // Each field is any 32-bit number here: the key is formed in 64 bits.
    const std::int64_t key =
        std::int64_t{g.year} * 10000 + std::int64_t{g.month} * 100 + std::int64_t{g.day};
    return key >= formulaFirstDay && key <= formulaLastDay;
}

// The solar date text of a Gregorian date through the engine; empty when the solar year has no
// four-digit form.
QString officialSolarDate(const GregorianFields& g)
{
    auto year = static_cast<CalNumber>(g.year);
    auto month = static_cast<CalNumber>(g.month);
    auto day = static_cast<CalNumber>(g.day);
    if (!CalGregorianToSolar(year, month, day) || year < 1000 || year > 9999)
        return {};
    return CalJoinDate(year, month, day);
}

// The two-digit formula: the solar year as its last two digits, the day from the offset of the
// Gregorian month's first day into the solar month. Fields are not range-tested; the text it
// composes goes through CompleateDate.
QString formulaText(const GregorianFields& g)
{
    const std::int64_t month = g.month;
    std::int64_t offset = month >= 1 && month <= 12 ? monthStartOffsets[month - 1] : 0;
    const std::int64_t y2 = g.year % 100; // sign of the year, [-99, 99]
    if (y2 % 4 == 0 && month > 2)
        ++offset; // the Gregorian leap day has passed
    std::int64_t esfandLength = 29;
    if ((y2 - 1) % 4 == 0) {
        esfandLength = 30; // the solar year ending in this Gregorian year is leap
        if (month <= 3)
            ++offset;
    }
    std::int64_t year = y2 - 22;
    if (year < 0)
        year += 100;
    std::int64_t solarMonth = month + 9;
    if (solarMonth > 12) {
        solarMonth -= 12;
        ++year;
    }
    std::int64_t solarDay = offset + g.day;
    const std::int64_t monthLength = solarMonth <= 6 ? 31 : solarMonth <= 11 ? 30 : esfandLength;
    if (solarDay > monthLength) {
        solarDay -= monthLength;
        ++solarMonth;
        if (solarMonth > 12) {
            solarMonth -= 12;
            ++year;
        }
    }
    return QString::number(year) + QLatin1Char('/') + QString::number(solarMonth) +
           QLatin1Char('/') + QString::number(solarDay);
}

} // namespace

CalendarTools::CalendarTools(SolarToday& today, MessageBoxes& boxes)
    : m_today(today), m_boxes(boxes)
{
}

QString CalendarTools::ToFarsiDate(const QString& eng_date)
{
    const QStringView text = eng_date;
    const qsizetype firstSlash = text.indexOf(QLatin1Char('/'));
    const qsizetype secondSlash = text.indexOf(QLatin1Char('/'), firstSlash + 1);
    if (firstSlash < 0 || secondSlash < 0)
        return {};
    const std::optional<int> day = tryReadInteger(text.first(firstSlash));
    const std::optional<int> month =
        tryReadInteger(text.sliced(firstSlash + 1, secondSlash - firstSlash - 1));
    const std::optional<int> year = tryReadInteger(text.sliced(secondSlash + 1));
    if (!day || !month || !year)
        return {};
    const GregorianFields fields{*day, *month, *year};
    if (insideFormulaWindow(fields))
        return CompleateDate(formulaText(fields));
    // Past its window the formula's two-digit years name another century: a day the Gregorian
    // calendar does not have gives no date rather than one a hundred years off.
    return isGregorianDate(fields) ? officialSolarDate(fields) : QString();
}

QString CalendarTools::ToEnglishDate(const QString& FarDate)
{
    QString result;
    if (IsValidDate(FarDate))
        result = CalConvertText(trimBlanks(FarDate), dkSolar);
    if (!result.left(4).contains(QLatin1Char('/')))
        result = ConvertDateFormat(result, QStringLiteral("Y/M/D"), QStringLiteral("D/M/Y"));
    return result;
}

QString CalendarTools::ToEnglishDateForSQLServer(const QString& FarDate)
{
    return ToEnglishDate(FarDate);
}

QString CalendarTools::ConvertDateFormat(const QString& St, const QString& OldFormat,
                                         const QString& NewFormat) const
{
    const auto is = [](const QString& name, QLatin1StringView format) {
        return name.compare(format, Qt::CaseInsensitive) == 0;
    };
    const QLatin1StringView dayFirst("D/M/Y");
    const QLatin1StringView yearFirst("Y/M/D");
    if (is(OldFormat, dayFirst) && is(NewFormat, yearFirst))
        return St.mid(6, 4) + QLatin1Char('/') + St.mid(3, 2) + QLatin1Char('/') + St.mid(0, 2);
    if (is(OldFormat, yearFirst) && is(NewFormat, dayFirst))
        return St.mid(8, 2) + QLatin1Char('/') + St.mid(5, 2) + QLatin1Char('/') + St.mid(0, 4);
    return {};
}

void CalendarTools::computeFarsiToday(const QDate& today)
{
    // Written with "/" whatever the system's date separator, which the conversion would not read.
    m_today.FarsiToday = ToFarsiDate(today.toString(QStringLiteral("dd/MM/yyyy"))).left(10);
}

QString CalendarTools::FarsiToday() const
{
    return m_today.FarsiToday;
}

bool CalendarTools::IsKabise(int Sal) const
{
    const std::int64_t year = Sal < 100 ? std::int64_t{Sal} + 1300 : Sal;
    // The leap rule repeats every 33 years: a year is judged by the year of 1320 to 1352 that
    // holds its place in the cycle.
    const std::int64_t inCycle = ((year - 1320) % 33 + 33) % 33; // [0, 32]
    return CalIsLeapYear(dkSolar, static_cast<CalNumber>(1320 + inCycle));
}

} // namespace toolkit
