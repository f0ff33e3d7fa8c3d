// Date and time arithmetic on any texts: nothing overflows (the sanitizers watch), a text that
// holds no usable date or time raises ConversionError, and where the dates are official ones
// (1372 to 1434 AP) the results agree with Qt's own Jalali calendar:
//   - DaySubDate counts the days between two dates, with its sign as asked;
//   - NDayFromDate moves a date by a number of days;
//   - SubDate gives the same months and days in either order;
//   - SubTime gives hours within a day; DaysToDateSpell spells the count it was given.
//
// Input: date 1, date 2, a number of days, time 1 and time 2, separated by bytes 0xFF.
#include "fuzz/support/fuzz_support.h"
#include "toolkit/base/tools_state.h"
#include "toolkit/boxes/message_boxes.h"
#include "toolkit/calendar/calendar_tools.h"
#include "toolkit/calendar/engine/conversion_error.h"
#include "toolkit/calendar/engine/integer_text.h"

#include <QCalendar>
#include <QDate>
#include <QRegularExpression>
#include <functional>

namespace {

using namespace toolkit;

const QCalendar jalali(QCalendar::System::Jalali);

/// The day of an official solar date text YYYY/MM/DD, or an invalid date.
QDate officialDay(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^(\\d{4})/(\\d{2})/(\\d{2})$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return {};
    const int year = match.captured(1).toInt();
    if (year < 1372 || year > 1434)
        return {};
    return QDate(year, match.captured(2).toInt(), match.captured(3).toInt(), jalali);
}

QString solarText(const QDate& date)
{
    const QCalendar::YearMonthDay ymd = jalali.partsFromDate(date);
    return QStringLiteral("%1/%2/%3")
        .arg(ymd.year)
        .arg(ymd.month, 2, 10, QLatin1Char('0'))
        .arg(ymd.day, 2, 10, QLatin1Char('0'));
}

/// Runs one operation; a ConversionError is a refusal, not a failure.
void tolerant(const std::function<void()>& operation)
{
    try {
        operation();
    } catch (const ConversionError&) {
    }
}

void dayCounts(CalendarTools& calendar, const QString& date1, const QString& date2)
{
    tolerant([&] {
        const int forward = calendar.DaySubDate(date1, date2, true);
        const int plain = calendar.DaySubDate(date1, date2, false);
        fuzz::require(calendar.DaySubDate(date2, date1, true) == -forward &&
                          calendar.DaySubDate(date2, date1, false) == plain,
                      "DaySubDate gives one count in either order", date1 + " " + date2);
        const QDate day1 = officialDay(calendar.CompleateDate(date1));
        const QDate day2 = officialDay(calendar.CompleateDate(date2));
        if (day1.isValid() && day2.isValid()) {
            fuzz::require(forward == day1.daysTo(day2), "DaySubDate counts the days between",
                          date1 + " " + date2);
            fuzz::require(plain == std::abs(forward), "without its sign the count is positive",
                          date1 + " " + date2);
        }
    });
    tolerant([&] { calendar.DaySubDateWithOutCheckDate(date1, date2, true); });
    tolerant([&] { calendar.DateToInt(date1); });
    tolerant([&] { calendar.ConvetToDateCompare(date1); });
    tolerant([&] {
        const QString months = calendar.SubDate(date1, date2);
        fuzz::require(calendar.SubDate(date2, date1) == months,
                      "SubDate gives one difference in either order", date1 + " " + date2);
    });
}

void movedDate(CalendarTools& calendar, const QString& date, const QString& count)
{
    const std::optional<int> days = tryReadInteger(count);
    if (!days)
        return;
    tolerant([&] {
        const QString moved = calendar.NDayFromDate(date, *days);
        const QDate from = officialDay(date);
        const QDate to = from.isValid() ? from.addDays(*days) : QDate();
        if (officialDay(solarText(to)).isValid())
            fuzz::require(moved == solarText(to), "NDayFromDate moves by the days asked",
                          date + " + " + count + " -> " + moved);
    });
}

void times(CalendarTools& calendar, const QString& time1, const QString& time2)
{
    tolerant([&] {
        const double hours = calendar.SubTime(time1, time2);
        fuzz::require(hours >= 0 && hours < 24, "SubTime is within a day", time1 + " " + time2);
    });
    tolerant([&] {
        const QString moved = calendar.NMinFromTime(time1, time2);
        fuzz::require(calendar.IsValidTime(moved) && moved.size() == 5,
                      "NMinFromTime gives a time text", time1 + " " + time2 + " -> " + moved);
    });
}

void dayTexts(CalendarTools& calendar, const QString& count)
{
    calendar.ConvertDayToMonthDay(count);
    const QString spelled = calendar.DaysToDateSpell(count);
    const int days = tryReadInteger(count).value_or(0);
    static const QRegularExpression number(QStringLiteral("(\\d+) (سال|ماه|روز) "));
    int total = 0;
    for (const QRegularExpressionMatch& part : number.globalMatch(spelled)) {
        const int value = part.captured(1).toInt();
        const QString unit = part.captured(2);
        total += unit == QStringLiteral("سال")   ? value * 365
                 : unit == QStringLiteral("ماه") ? value * 30
                                                 : value;
    }
    fuzz::require(total == std::max(days, 0), "DaysToDateSpell spells the days it was given",
                  count + " -> " + spelled);
    calendar.IsKabise(days);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static fuzz::SilentTones tones;
    static fuzz::QuietBoxes boxes;
    static SolarToday today;
    static MessageBoxes messageBoxes;
    static CalendarTools calendar(today, messageBoxes);

    const QStringList fields = fuzz::texts(data, size);
    dayCounts(calendar, fields.value(0), fields.value(1));
    movedDate(calendar, fields.value(0), fields.value(2));
    times(calendar, fields.value(3), fields.value(4));
    dayTexts(calendar, fields.value(2));
    return 0;
}
