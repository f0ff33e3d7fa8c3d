#pragma once

#include "platform/modal_box.h"

#include <QDate>
#include <QString>

namespace platform {

/// What the date picker opens on.
struct DatePickRequest {
    /// A solar date text to show (YYYY/MM/DD, as completed from the user's typing); empty for
    /// today. A date the calendar does not have is told to the user and today is shown instead.
    QString startDate;
    QDate today; ///< the day the picker's calendar takes as today
};

/// How the picker was left: the modal result and, on mrOk, the picked solar date text.
struct DatePickAnswer {
    int result = mrNone; ///< mrOk or mrCancel
    QString date;
};

/// Shows the date picker. Production shows the real modal dialog; a test installs its own
/// presenter to see every request and answer it without a display.
class DatePickerPresenter {
public:
    virtual ~DatePickerPresenter() = default;
    /// Shows the picker modally and answers how it was left.
    virtual DatePickAnswer present(const DatePickRequest& request) = 0;
    /// Told of a picker that closed the moment it was shown because the end was requested.
    virtual void closedAtOnce(const DatePickRequest& request) { (void)request; }
};

/// Installs the presenter every date picker goes through (not owned); nullptr restores the
/// default, which refuses to show anything and raises an Error, so a forgotten seam never hangs
/// a test.
void setDatePickerPresenter(DatePickerPresenter* presenter);

/// Shows the date picker through the installed presenter. After the end was requested it
/// closes at once with mrCancel (the presenter is told through closedAtOnce).
DatePickAnswer showDatePicker(const DatePickRequest& request);

} // namespace platform
