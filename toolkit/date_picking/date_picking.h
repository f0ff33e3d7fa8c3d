#pragma once

#include <QDate>
#include <functional>

class QLineEdit;
class QObject;

namespace toolkit {

class CalendarTools;

/// Picking a solar date for an edit box from the month calendar of the date picker
/// (platform::showDatePicker).
class DatePicking {
public:
    /// today gives the day the picker's calendar takes as today, asked at each pick.
    DatePicking(CalendarTools& calendar, std::function<QDate()> today);

    /// Opens the date picker on the date typed in Sender and, when the user accepts, writes the
    /// picked solar date into it. A typed date IsValidDate accepts is first completed in the box
    /// (89/11/4 becomes 1389/11/04) and stays so on Cancel; a rejected one is told by its
    /// message, as the picker tells a date its calendar does not have (1389/07/31), and the
    /// picker opens on today. Nothing happens for a null Sender.
    void PickDateFromDate(QLineEdit* Sender);
    /// Does nothing.
    void PickDateFromDateOld(QObject* Sender);

private:
    CalendarTools& m_calendar;
    std::function<QDate()> m_today;
};

} // namespace toolkit
