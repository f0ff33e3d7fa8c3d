// The date picker as PickDateFromDate shows it: opened on a typed date, and with the year box
// open over the caption strip.
#include "app/screenshots/screenshot_registry.h"
#include "controls/date_picker/date_picker_new.h"
#include "controls/solar_calendar/solar_month_calendar.h"

#include <QApplication>
#include <QMouseEvent>

namespace {

using controls::TDatePickerNew;

std::unique_ptr<TDatePickerNew> pickerOn(const QString& date)
{
    // Today is fixed so that the pictures stay the same from run to run.
    auto picker = std::make_unique<TDatePickerNew>(QDate(2025, 3, 20));
    picker->openOn(date);
    return picker;
}

std::unique_ptr<QWidget> pickerWithYearBox()
{
    std::unique_ptr<TDatePickerNew> picker = pickerOn(QStringLiteral("1403/12/30"));
    picker->show();
    const QPoint year(155, 12); // on the year in the caption strip
    if (QWidget* caption = picker->Calndr->childAt(year)) {
        const QPointF local = caption->mapFrom(picker->Calndr, year);
        QMouseEvent release(QEvent::MouseButtonRelease, local, caption->mapToGlobal(local),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(caption, &release);
    }
    return picker;
}

const screenshots::Registration pickerWindows{{
    {QStringLiteral("dialog-DatePicker"), [] { return pickerOn(QStringLiteral("1389/11/04")); }},
    {QStringLiteral("dialog-DatePicker-YearBox"), pickerWithYearBox},
}};

} // namespace
