#pragma once

#include <QDate>
#include <QString>
#include <QTime>
#include <QVariant>

namespace toolkit {

class MessageBoxes;
struct SolarToday;

/// The toolkit's Persian solar dates: conversion to and from Gregorian date texts, typed date
/// and time entry, date and time arithmetic, and the small number helpers that arithmetic uses.
///
/// A solar date text is YYYY/MM/DD, a time text HH:MM, a Gregorian date text DD/MM/YYYY.
/// Rejected entries are told to the user through ShowMsg and answered with the operation's
/// negative result; a text that cannot be read as the integer, date or time an operation needs
/// raises ConversionError.
class CalendarTools {
public:
    CalendarTools(SolarToday& today, MessageBoxes& boxes);

    // Conversion

    /// The solar date text of a Gregorian date text DD/MM/YYYY; the empty text when a field is
    /// not a whole number, or, outside the two-digit formula's window (1 January 1922 to
    /// 20 March 2021), when the day does not exist or has no four-digit solar year.
    QString ToFarsiDate(const QString& eng_date);
    /// The Gregorian date text DD/MM/YYYY of a solar date. A typed date that is not valid gives
    /// "//" after its message; one the calendar does not have (1389/12/30) comes back reordered.
    QString ToEnglishDate(const QString& FarDate);
    QString ToEnglishDateForSQLServer(const QString& FarDate);
    /// Reorders "D/M/Y" to "Y/M/D" and back by fixed positions; other pairs give the empty text.
    QString ConvertDateFormat(const QString& St, const QString& OldFormat,
                              const QString& NewFormat) const;
    /// Computes today's solar date from today's Gregorian date, whatever the system's date
    /// separator, and keeps it in the shared SolarToday; called once when the toolkit is created.
    void computeFarsiToday(const QDate& today);
    /// Today's solar date as computed at start-up.
    QString FarsiToday() const;
    /// Solar leap year; a year below 100 stands for 1300 + that year.
    bool IsKabise(int Sal) const;

    // Date and time entry

    /// True for a typed solar date: two "/", digits only, month 1 to 12, day 1 to 31.
    bool IsValidDate(const QString& St);
    /// The solar date text of a typed date (89/1/4 gives 1389/01/04); a rejected text unchanged.
    QString CompleateDate(const QString& StToComp);
    /// True for a typed time: hours, or hours ":" minutes, within a day.
    bool IsValidTime(const QString& St);
    /// The time text of a typed time (8:5 gives 08:05); the empty text for a rejected one.
    QString CompleateTime(const QString& St);
    /// The current time as a time text.
    QString NowTime();
    /// The time text of now, formatted with the process time format.
    QString NowTime(const QTime& now);
    /// Month and day as a comparable MM/DD text; a day above 30 carries into the month.
    QString ConvetToDateCompare(const QString& St) const;

    // Date and time arithmetic

    /// A typed solar date as the integer YYYYMMDD, or -1 after its message.
    int DateToInt(const QString& St);
    /// Days from the earlier of two typed solar dates to the later; with ReturnMinuse the result
    /// is Date2 - Date1, signed.
    int DaySubDate(const QString& Date1, const QString& Date2, bool ReturnMinuse);
    /// As DaySubDate for dates that are already solar date texts; ConversionError for another
    /// text (a negative field, a month outside 1 to 12, a field that is not an integer).
    int DaySubDateWithOutCheckDate(const QString& Date1, const QString& Date2,
                                   bool ReturnMinuse) const;
    /// The difference of two typed solar dates as months "/" days, in 30-day months. A date
    /// that after its message still lacks a field, or holds a negative one or one longer than
    /// YYYY/MM/DD has room for, raises ConversionError (as do non-integer fields).
    QString SubDate(const QString& Date1, const QString& Date2);
    /// The solar date text N days after FarDate (before it for negative N).
    QString NDayFromDate(const QString& FarDate, int N);
    /// InTime moved on by the time N, wrapping at midnight.
    QString NMinFromTime(const QString& InTime, const QString& N) const;
    /// Hours, with two decimals, from Time2 forward to Time1.
    double SubTime(const QString& Time1, const QString& Time2);
    /// A number of days as months "." days, in 30-day months (45 gives 1.15).
    QString ConvertDayToMonthDay(const QString& St) const;
    /// A number of days spelled out in years, months and days.
    QString DaysToDateSpell(const QString& Days) const;
    int Max(int x, int y) const;
    int Min(int x, int y) const;

    // Numbers

    /// TrueR when Test holds, else FalseR.
    QVariant iif(bool Test, const QVariant& TrueR, const QVariant& FalseR) const;
    /// The integer part of Num, truncated toward zero as read back from its 15-digit text.
    int ToInt(double Num) const;
    /// InNum rounded to two decimals, ties to even.
    double To2DigitFloat(double InNum) const;
    /// True when every character is an ASCII digit, "." or "-".
    bool IsValidNum(const QString& St) const;

private:
    SolarToday& m_today;
    MessageBoxes& m_boxes;
};

} // namespace toolkit
