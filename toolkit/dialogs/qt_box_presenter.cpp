#include "toolkit/dialogs/qt_box_presenter.h"

#include "platform/end_request.h"
#include "toolkit/dialogs/box_dialog.h"

#include <QApplication>

namespace toolkit {

int QtBoxPresenter::present(const platform::BoxRequest& request)
{
    BoxDialog dialog(request, QApplication::activeWindow());
    const int result = dialog.exec();
    // An end requested while the box was open ends its loop too; it then counts as cancelled.
    return platform::endRequested() ? request.cancelResult : result;
}

} // namespace toolkit
