#include "platform/date_pick_box.h"

#include "platform/end_request.h"
#include "platform/error.h"

namespace platform {

namespace {

/// Used until a presenter is installed: a picker nobody can answer is a fault, not a hang.
class RefusingPresenter final : public DatePickerPresenter {
public:
    DatePickAnswer present(const DatePickRequest& request) override
    {
        throw Error(QStringLiteral("no date picker presenter is installed to show \"%1\"")
                        .arg(request.startDate));
    }
};

RefusingPresenter g_refusing;
DatePickerPresenter* g_presenter = &g_refusing;

} // namespace

void setDatePickerPresenter(DatePickerPresenter* presenter)
{
    g_presenter = presenter ? presenter : &g_refusing;
}

DatePickAnswer showDatePicker(const DatePickRequest& request)
{
    if (endRequested()) {
        g_presenter->closedAtOnce(request);
        return {mrCancel, QString()};
    }
    return g_presenter->present(request);
}

} // namespace platform
