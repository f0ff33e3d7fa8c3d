// Date texts and their conversion on any text, checked against Qt's own Jalali calendar where
// both are the official calendar (1372 to 1434 AP):
//   - the engine reads a date's fields each from its own place, or raises ConversionError;
//   - a solar date converted to Gregorian and back is the same date, and a Gregorian one too;
//   - ToFarsiDate gives the official date of a Gregorian date text, and no date for a day the
//     Gregorian calendar lacks (outside its two-digit formula's window, 1922 to 20 March 2021);
//   - ToEnglishDate undoes it; date completion gives a date it accepts again unchanged.
#include "fuzz/support/fuzz_support.h"
#include "toolkit/base/tools_state.h"
#include "toolkit/boxes/message_boxes.h"
#include "toolkit/calendar/calendar_tools.h"
#include "toolkit/calendar/engine/calendar_engine.h"
#include "toolkit/calendar/engine/conversion_error.h"
#include "toolkit/calendar/engine/integer_text.h"

#include <QCalendar>
#include <QDate>

namespace {

using namespace toolkit;

const QCalendar jalali(QCalendar::System::Jalali);
const QDate officialFrom = QDate(1993, 3, 21);  // 1372/01/01
const QDate officialUntil = QDate(2056, 3, 19); // 1434/12/29

bool official(const QDate& date)
{
    return date.isValid() && date >= officialFrom && date <= officialUntil;
}

QString solarText(const QDate& date)
{
    const QCalendar::YearMonthDay ymd = jalali.partsFromDate(date);
    return QStringLiteral("%1/%2/%3")
        .arg(ymd.year)
        .arg(ymd.month, 2, 10, QLatin1Char('0'))
        .arg(ymd.day, 2, 10, QLatin1Char('0'));
}

void engineReadsEachFieldOnce(const QString& text)
{
    CalNumber year = 0;
    CalNumber month = 0;
    CalNumber day = 0;
    try {
        CalSplitDate(text, year, month, day);
    } catch (const ConversionError&) {
        return;
    }
    if (trimBlanks(text).isEmpty())
        return;
    const QStringList fields = text.split(QLatin1Char('/'));
    fuzz::require(fields.size() == 3, "a date read by the engine has three fields", text);
    const int values[] = {year, month, day};
    for (int i = 0; i < 3; ++i)
        fuzz::require(values[i] == 0 || values[i] == readInteger(fields[i]),
                      "each number is read from its own field", text);
}

void engineRoundTrips(const QString& text, TDateKind kind)
{
    CalNumber year = 0;
    CalNumber month = 0;
    CalNumber day = 0;
    try {
        CalSplitDate(text, year, month, day);
    } catch (const ConversionError&) {
        return;
    }
    const QDate date = kind == dkSolar ? QDate(year, month, day, jalali) : QDate(year, month, day);
    CalNumber otherYear = year;
    CalNumber otherMonth = month;
    CalNumber otherDay = day;
    const bool converted = kind == dkSolar ? CalSolarToGregorian(otherYear, otherMonth, otherDay)
                                           : CalGregorianToSolar(otherYear, otherMonth, otherDay);
    const QString other = CalConvertText(text, kind);
    fuzz::require(other == CalJoinDate(otherYear, otherMonth, otherDay),
                  "the text conversion gives the numbers' conversion", text + " -> " + other);
    if (official(date))
        fuzz::require(converted &&
                          other == (kind == dkSolar ? date.toString(QStringLiteral("yyyy/MM/dd"))
                                                    : solarText(date)),
                      "the engine converts to the official date", text + " -> " + other);
    if (!converted || otherYear < 1000)
        return; // no date on the other side that the engine reads back
    fuzz::require(CalConvertText(other, kind == dkSolar ? dkGregorian : dkSolar) ==
                      CalJoinDate(year, month, day),
                  "a date converted and converted back is the same date", text + " -> " + other);
}

void toFarsiDateIsOfficial(CalendarTools& calendar, const QString& text)
{
    const QString solar = calendar.ToFarsiDate(text);
    const QStringList fields = text.split(QLatin1Char('/'));
    if (fields.size() != 3)
        return;
    const std::optional<int> day = tryReadInteger(fields[0]);
    const std::optional<int> month = tryReadInteger(fields[1]);
    const std::optional<int> year = tryReadInteger(fields[2]);
    if (!day || !month || !year)
        return;
    const QDate date(*year, *month, *day);
    const std::int64_t key =
        std::int64_t{*year} * 10000 + std::int64_t{*month} * 100 + std::int64_t{*day};
    const bool formulaWindow = key >= 19220101 && key <= 20210320;
    if (!formulaWindow && !date.isValid())
        fuzz::require(solar.isEmpty(), "a day the Gregorian calendar lacks has no solar date",
                      text + " -> " + solar);
    if (official(date)) {
        fuzz::require(solar == solarText(date), "ToFarsiDate gives the official date",
                      text + " -> " + solar);
        fuzz::require(calendar.ToEnglishDate(solar) == date.toString(QStringLiteral("dd/MM/yyyy")),
                      "ToEnglishDate undoes ToFarsiDate", text + " -> " + solar);
    }
}

void completionIsStable(CalendarTools& calendar, const QString& text)
{
    try {
        if (!calendar.IsValidDate(text))
            return;
        const QString completed = calendar.CompleateDate(text);
        fuzz::require(calendar.IsValidDate(completed) &&
                          calendar.CompleateDate(completed) == completed,
                      "a completed date is accepted and stays as it is", text + " -> " + completed);
        CalNumber year = 0;
        CalNumber month = 0;
        CalNumber day = 0;
        CalSplitDate(completed, year, month, day);
        if (completed.size() != 10 || !CalIsValidDate(dkSolar, year, month, day))
            return; // not a date of the calendar: ToEnglishDate only reorders it
        const QString gregorian = calendar.ToEnglishDate(text);
        const QDate date = QDate::fromString(gregorian, QStringLiteral("dd/MM/yyyy"));
        if (official(date))
            fuzz::require(calendar.ToFarsiDate(gregorian) == completed,
                          "ToFarsiDate undoes ToEnglishDate", text + " -> " + gregorian);
    } catch (const ConversionError&) {
        // a field beyond the integer range
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static fuzz::SilentTones tones;
    static fuzz::QuietBoxes boxes;
    static SolarToday today;
    static MessageBoxes messageBoxes;
    static CalendarTools calendar(today, messageBoxes);

    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    engineReadsEachFieldOnce(text);
    engineRoundTrips(text, dkSolar);
    engineRoundTrips(text, dkGregorian);
    toFarsiDateIsOfficial(calendar, text);
    completionIsStable(calendar, text);
    calendar.ConvertDateFormat(text, QStringLiteral("D/M/Y"), QStringLiteral("Y/M/D"));
    calendar.ConvertDateFormat(text, QStringLiteral("Y/M/D"), QStringLiteral("D/M/Y"));
    return 0;
}
