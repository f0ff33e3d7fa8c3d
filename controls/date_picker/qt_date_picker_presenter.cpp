#include "controls/date_picker/qt_date_picker_presenter.h"

#include "controls/date_picker/date_picker_new.h"
#include "platform/end_request.h"

#include <QApplication>

namespace controls {

platform::DatePickAnswer QtDatePickerPresenter::present(const platform::DatePickRequest& request)
{
    TDatePickerNew dialog(request.today, QApplication::activeWindow());
    dialog.openOn(request.startDate);
    const int result = dialog.exec() == QDialog::Accepted ? platform::mrOk : platform::mrCancel;
    // An end requested while the picker was open ends its loop too; it then counts as cancelled.
    if (platform::endRequested() || result != platform::mrOk)
        return {platform::mrCancel, QString()};
    return {platform::mrOk, dialog.pickedDate()};
}

} // namespace controls
