#include "toolkit/calendar/entry/date_entry_checks.h"

#include "toolkit/calendar/calendar_tools.h"

#include <QLineEdit>

namespace toolkit {

DateEntryChecks::DateEntryChecks(CalendarTools& calendar) : m_calendar(calendar) {}

bool DateEntryChecks::CheckTheTime(QLineEdit& Sender)
{
    const QString text = Sender.text();
    if (!m_calendar.IsValidTime(text)) {
        Sender.setFocus(Qt::OtherFocusReason);
        return false;
    }
    Sender.setText(m_calendar.CompleateTime(text));
    return true;
}

bool DateEntryChecks::CheckTheDate(QLineEdit& Sender)
{
    const QString text = Sender.text();
    if (!m_calendar.IsValidDate(text)) {
        Sender.setFocus(Qt::OtherFocusReason);
        return false;
    }
    Sender.setText(m_calendar.CompleateDate(text));
    return true;
}

} // namespace toolkit
