#include "toolkit/date_picking/date_picking.h"

#include "platform/date_pick_box.h"
#include "toolkit/calendar/calendar_tools.h"
#include "toolkit/calendar/engine/conversion_error.h"
#include "toolkit/calendar/engine/integer_text.h"

#include <QLineEdit>
#include <utility>

namespace toolkit {

DatePicking::DatePicking(CalendarTools& calendar, std::function<QDate()> today)
    : m_calendar(calendar), m_today(std::move(today))
{
}

void DatePicking::PickDateFromDate(QLineEdit* Sender)
{
    if (!Sender)
        return;
    platform::DatePickRequest request;
    request.today = m_today();
    const QString typed = Sender->text();
    if (!trimBlanks(typed).isEmpty()) {
        try {
            if (m_calendar.IsValidDate(typed)) {
                Sender->setText(m_calendar.CompleateDate(typed));
                request.startDate = Sender->text();
            }
        } catch (const ConversionError&) {
            // A month or day too long to be read: the picker tells that the calendar has no
            // such date and opens on today.
            request.startDate = typed;
        }
    }
    const platform::DatePickAnswer answer = platform::showDatePicker(request);
    if (answer.result == platform::mrOk)
        Sender->setText(answer.date);
}

void DatePicking::PickDateFromDateOld(QObject*) {}

} // namespace toolkit
