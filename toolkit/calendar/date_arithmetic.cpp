#include "toolkit/calendar/calendar_tools.h"
#include "toolkit/calendar/engine/calendar_engine.h"
#include "toolkit/calendar/engine/conversion_error.h"
#include "toolkit/calendar/engine/integer_text.h"

#include <QStringView>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <utility>

namespace toolkit {

namespace {

// Solar month lengths for day counts; Esfand's leap day is counted through the year length.
constexpr std::array<int, 12> monthLengths{31, 31, 31, 31, 31, 31, 30, 30, 30, 30, 30, 29};

constexpr int secondsPerDay = 24 * 60 * 60;
const QString gregorianFormat = QStringLiteral("dd/MM/yyyy");

struct DateNumbers {
    int year;
    int month;
    int day;
};

[[noreturn]] void notADate(const QString& date)
{
    throw ConversionError(QStringLiteral("'%1' is not a valid date").arg(date));
}

// The fields the arithmetic takes: what the solar date text YYYY/MM/DD can hold, a year of up
// to four digits and a month and day of up to two. Other numbers are no date to count with.
DateNumbers checkedFields(const QString& date, const DateNumbers& numbers)
{
    const auto within = [](int value, int highest) { return value >= 0 && value <= highest; };
    if (!within(numbers.year, 9999) || !within(numbers.month, 99) || !within(numbers.day, 99))
        notADate(date);
    return numbers;
}

// A solar date text read by its fixed positions: YYYY/MM/DD.
DateNumbers readFixed(const QString& date)
{
    const QStringView text = date;
    const DateNumbers numbers =
        checkedFields(date, {readInteger(text.mid(0, 4)), readInteger(text.mid(5, 2)),
                             readInteger(text.mid(8, 2))});
    if (numbers.month < 1 || numbers.month > 12)
        notADate(date);
    return numbers;
}

// A date text read field by field: year and month each run to the next "/", without blanks; the
// day is the rest.
DateNumbers readFields(const QString& date)
{
    QStringView rest = date;
    const auto nextField = [&rest, &date]() {
        const qsizetype slash = rest.indexOf(QLatin1Char('/'));
        if (slash < 0)
            notADate(date);
        const QStringView field = rest.first(slash);
        rest = rest.sliced(slash + 1);
        return readInteger(trimBlanks(field));
    };
    const int year = nextField();
    const int month = nextField();
    return checkedFields(date, {year, month, readInteger(trimBlanks(rest))});
}

// A time of day written hours ":" minutes, optionally ":" seconds, each as decimal digits.
QTime readTime(const QString& text)
{
    const QStringList fields = trimBlanks(text).split(QLatin1Char(':'));
    const auto field = [&fields](qsizetype i) {
        const QString& digits = fields[i];
        const bool plain =
            !digits.isEmpty() && std::all_of(digits.cbegin(), digits.cend(), [](QChar c) {
                return c >= QLatin1Char('0') && c <= QLatin1Char('9');
            });
        return plain ? tryReadInteger(digits).value_or(-1) : -1;
    };
    if (fields.size() == 2 || fields.size() == 3) {
        const QTime time(field(0), field(1), fields.size() == 3 ? field(2) : 0);
        if (time.isValid())
            return time;
    }
    throw ConversionError(QStringLiteral("'%1' is not a valid time").arg(text));
}

QString twoDigits(int value)
{
    return value < 10 ? QLatin1Char('0') + QString::number(value) : QString::number(value);
}

} // namespace

int CalendarTools::DateToInt(const QString& St)
{
    if (!IsValidDate(St))
        return -1;
    return readInteger(CompleateDate(St).remove(QLatin1Char('/')));
}

int CalendarTools::DaySubDate(const QString& Date1, const QString& Date2, bool ReturnMinuse)
{
    const QString first = CompleateDate(Date1);
    const QString second = CompleateDate(Date2);
    return DaySubDateWithOutCheckDate(first, second, ReturnMinuse);
}

int CalendarTools::DaySubDateWithOutCheckDate(const QString& Date1, const QString& Date2,
                                              bool ReturnMinuse) const
{
    const DateNumbers d1 = readFixed(Date1);
    const DateNumbers d2 = readFixed(Date2);
    const bool firstIsLater = d1.year > d2.year || (d1.year == d2.year && d1.month > d2.month) ||
                              (d1.year == d2.year && d1.month == d2.month && d1.day > d2.day);
    // Whole years between the two years, then the months between the two months (counted back
    // when the later date's month is the earlier one), then the days.
    int years = 0;
    for (int y = std::min(d1.year, d2.year); y < std::max(d1.year, d2.year); ++y)
        years += IsKabise(y) ? 366 : 365;
    int months = 0;
    for (int m = std::min(d1.month, d2.month); m < std::max(d1.month, d2.month); ++m)
        months += monthLengths[m - 1];
    if ((!firstIsLater && d1.month > d2.month) || (firstIsLater && d1.month < d2.month))
        months = -months;
    const int days = firstIsLater ? d1.day - d2.day : d2.day - d1.day;
    const int total = years + months + days;
    return ReturnMinuse && firstIsLater ? -total : total;
}

QString CalendarTools::SubDate(const QString& Date1, const QString& Date2)
{
    QString later = CompleateDate(Date1);
    QString earlier = CompleateDate(Date2);
    if (later < earlier)
        std::swap(later, earlier);
    const DateNumbers d1 = readFields(later);
    const DateNumbers d2 = readFields(earlier);
    // In 360-day years of 30-day months; exactly 360 days make 12 months, exactly 30 stay days.
    // Each date is [0, 9999 * 360 + 99 * 30 + 99], so the difference is within ±3,602,709.
    int days = (d1.year * 360 + d1.month * 30 + d1.day) - (d2.year * 360 + d2.month * 30 + d2.day);
    int months = 0;
    if (static_cast<double>(days) / 360 > 1) {
        const int years = ToInt(static_cast<double>(days) / 360); // [1, 10007]
        days -= years * 360;
        months = years * 12;
    }
    if (static_cast<double>(days) / 30 > 1) {
        const int wholeMonths = ToInt(static_cast<double>(days) / 30); // [1, 11]
        days -= wholeMonths * 30;
        months += wholeMonths;
    }
    return twoDigits(months) + QLatin1Char('/') + twoDigits(days);
}

QString CalendarTools::NDayFromDate(const QString& FarDate, int N)
{
    const QDate gregorian = QDate::fromString(ToEnglishDate(FarDate), gregorianFormat);
    // A solar date the engine does not have comes back from ToEnglishDate only reordered
    // (1389/12/30 as 30/12/1389): that is no Gregorian date to count from.
    CalNumber year = 0;
    CalNumber month = 0;
    CalNumber day = 0;
    if (gregorian.isValid())
        CalSplitDate(trimBlanks(FarDate), year, month, day);
    if (!gregorian.isValid() || !CalIsValidDate(dkSolar, year, month, day))
        throw ConversionError(QStringLiteral("'%1' is not a valid date").arg(FarDate));
    return ToFarsiDate(gregorian.addDays(N).toString(gregorianFormat));
}

QString CalendarTools::NMinFromTime(const QString& InTime, const QString& N) const
{
    const QTime offset = readTime(N);
    return readTime(InTime).addSecs(QTime(0, 0).secsTo(offset)).toString(QStringLiteral("HH:mm"));
}

double CalendarTools::SubTime(const QString& Time1, const QString& Time2)
{
    const QString first = CompleateTime(Time1);
    const QString second = CompleateTime(Time2);
    const QTime t1 = readTime(first);
    const QTime t2 = readTime(second);
    // From t2 forward to t1, within one day: equal times give 0.
    const int seconds = (t2.secsTo(t1) + secondsPerDay) % secondsPerDay; // [0, 86399]
    const int hours = seconds / 3600;
    const int minutes = seconds % 3600 / 60;
    return std::nearbyint((hours + minutes / 60.0) * 100) / 100;
}

QString CalendarTools::ConvertDayToMonthDay(const QString& St) const
{
    const int days = tryReadInteger(St).value_or(0);
    return QString::number(days / 30) + QLatin1Char('.') + QString::number(days % 30);
}

QString CalendarTools::DaysToDateSpell(const QString& Days) const
{
    const int count = tryReadInteger(Days).value_or(0);
    const int years = count / 365;
    const int rest = count - years * 365;
    const int months = rest / 30;
    const int days = rest - months * 30;
    QString spelled;
    if (years > 0)
        spelled += QString::number(years) + QStringLiteral(" سال ");
    if (months > 0)
        spelled += QString::number(months) + QStringLiteral(" ماه ");
    if (days > 0)
        spelled += QString::number(days) + QStringLiteral(" روز ");
    return spelled;
}

int CalendarTools::Max(int x, int y) const
{
    return y > x ? y : x;
}

int CalendarTools::Min(int x, int y) const
{
    return y < x ? y : x;
}

} // namespace toolkit
