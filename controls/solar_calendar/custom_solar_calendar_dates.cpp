// The calendar's date functions: moves of the current date, counts, and dates in words.
#include "controls/solar_calendar/custom_solar_calendar.h"
#include "controls/solar_calendar_model/date_counts.h"
#include "controls/solar_calendar_model/date_moves.h"
#include "controls/solar_calendar_model/number_words.h"
#include "toolkit/calendar/engine/integer_text.h"

namespace controls {

QString TCustomSolarCalendar::moved(Move move, qint64 n) const
{
    std::optional<DateFields> to;
    switch (move) {
    case Move::Days:
        to = movedByDays(m_kind, m_date, n);
        break;
    case Move::Months:
        to = movedByMonths(m_kind, m_date, n);
        break;
    case Move::Years:
        to = movedByYears(m_kind, m_date, n);
        break;
    case Move::ToDay:
        to = withDay(m_kind, m_date, n);
        break;
    case Move::ToMonth:
        to = withMonth(m_kind, m_date, n);
        break;
    case Move::ToYear:
        to = withYear(m_kind, m_date, n);
        break;
    }
    return to ? joinDate(*to) : outDate();
}

QString TCustomSolarCalendar::applyMove(Move move, qint64 n)
{
    setInDate(moved(move, n));
    return outDate();
}

QString TCustomSolarCalendar::IncDay(int ANumberOfDay)
{
    return applyMove(Move::Days, ANumberOfDay);
}

QString TCustomSolarCalendar::IncMonth(int ANumberOfMonth)
{
    return applyMove(Move::Months, ANumberOfMonth);
}

QString TCustomSolarCalendar::IncYear(int ANumberOfYear)
{
    return applyMove(Move::Years, ANumberOfYear);
}

QString TCustomSolarCalendar::DecDay(int ANumberOfDay)
{
    return applyMove(Move::Days, -qint64{ANumberOfDay});
}

QString TCustomSolarCalendar::DecMonth(int ANumberOfMonth)
{
    return applyMove(Move::Months, -qint64{ANumberOfMonth});
}

QString TCustomSolarCalendar::DecYear(int ANumberOfYear)
{
    return applyMove(Move::Years, -qint64{ANumberOfYear});
}

QString TCustomSolarCalendar::GotoDay(int ADay)
{
    return applyMove(Move::ToDay, ADay);
}

QString TCustomSolarCalendar::GotoMonth(int AMonth)
{
    return applyMove(Move::ToMonth, AMonth);
}

QString TCustomSolarCalendar::GotoYear(int AYear)
{
    return applyMove(Move::ToYear, AYear);
}

QString TCustomSolarCalendar::LIncDay(int ANumberOfDay) const
{
    return moved(Move::Days, ANumberOfDay);
}

QString TCustomSolarCalendar::LIncMonth(int ANumberOfMonth) const
{
    return moved(Move::Months, ANumberOfMonth);
}

QString TCustomSolarCalendar::LIncYear(int ANumberOfYear) const
{
    return moved(Move::Years, ANumberOfYear);
}

QString TCustomSolarCalendar::LDecDay(int ANumberOfDay) const
{
    return moved(Move::Days, -qint64{ANumberOfDay});
}

QString TCustomSolarCalendar::LDecMonth(int ANumberOfMonth) const
{
    return moved(Move::Months, -qint64{ANumberOfMonth});
}

QString TCustomSolarCalendar::LDecYear(int ANumberOfYear) const
{
    return moved(Move::Years, -qint64{ANumberOfYear});
}

int TCustomSolarCalendar::ConvertMonth() const
{
    return splitDate(ConvertDate()).month;
}

int TCustomSolarCalendar::ConvertYear() const
{
    return splitDate(ConvertDate()).year;
}

QString TCustomSolarCalendar::ConvertDateEng(const QString& InDate)
{
    return toolkit::CalConvertText(InDate, dkSolar);
}

QString TCustomSolarCalendar::ConvertDate() const
{
    return toolkit::CalConvertText(outDate(), m_kind);
}

int TCustomSolarCalendar::DaysBetween(const QString& ANow, const QString& AThen) const
{
    return daysBetween(toolkit::trimBlanks(ANow).isEmpty() ? outDate() : ANow, AThen, m_kind);
}

int TCustomSolarCalendar::DayOfWeek() const
{
    return weekdayNumber(outDate(), m_kind);
}

int TCustomSolarCalendar::DayOfWeek(const QString& Date, TDateKind DateKind) const
{
    return weekdayNumber(Date, DateKind);
}

int TCustomSolarCalendar::GetWeekRemainDays() const
{
    return weekRemainDays(outDate(), m_kind);
}

int TCustomSolarCalendar::GetWeekRemainDays(const QString& Date, TDateKind DateKind) const
{
    return weekRemainDays(Date, DateKind);
}

int TCustomSolarCalendar::GetMonthRemainDay() const
{
    return monthRemainDays(outDate(), m_kind);
}

int TCustomSolarCalendar::GetMonthRemainDay(const QString& Date, TDateKind DateKind) const
{
    return monthRemainDays(Date, DateKind);
}

int TCustomSolarCalendar::GetYearRemainDays() const
{
    return yearRemainDays(outDate(), m_kind);
}

int TCustomSolarCalendar::GetYearRemainDays(const QString& Date, TDateKind DateKind) const
{
    return yearRemainDays(Date, DateKind);
}

int TCustomSolarCalendar::WeekOfTheYear() const
{
    return weekOfYear(outDate(), m_kind);
}

int TCustomSolarCalendar::WeekOfTheYear(const QString& ADate, TDateKind ADateKind) const
{
    return weekOfYear(ADate, ADateKind);
}

QString TCustomSolarCalendar::GetRawDate() const
{
    return outDate().remove(QLatin1Char('/'));
}

QString TCustomSolarCalendar::GetDateWithDiv(const QString& Divider) const
{
    return outDate().replace(QLatin1Char('/'), Divider);
}

QString TCustomSolarCalendar::YearScript(int Year, TFormat Format) const
{
    // The current year is always written whole.
    return Year == 0 ? numberWords(m_date.year) : yearWords(Year, Format);
}

QString TCustomSolarCalendar::MonthScript(int Month) const
{
    return Month == 0 ? ordinalWords(m_date.month) : numberWords(Month);
}

QString TCustomSolarCalendar::DayScript(int Day) const
{
    return numberWords(Day == 0 ? m_date.day : Day);
}

QString TCustomSolarCalendar::YMDScript(TMonthType MonthType, const QString& Divider) const
{
    const QString month = MonthType == mtAlphabet ? monthName() : numberWords(m_date.month);
    return ordinalWords(m_date.day) + Divider + month + Divider + numberWords(m_date.year);
}

} // namespace controls
