#pragma once

class QLineEdit;

namespace toolkit {

class CalendarTools;

/// Checks for leaving a date or time entry box: a rejected text keeps the focus in its box, an
/// accepted one is replaced by its completed form.
class DateEntryChecks {
public:
    explicit DateEntryChecks(CalendarTools& calendar);

    /// Completes the box's time (8:5 becomes 08:05), or tells what is wrong and keeps the focus.
    bool CheckTheTime(QLineEdit& Sender);
    /// Completes the box's solar date (89/1/4 becomes 1389/01/04), or tells what is wrong and
    /// keeps the focus.
    bool CheckTheDate(QLineEdit& Sender);

private:
    CalendarTools& m_calendar;
};

} // namespace toolkit
