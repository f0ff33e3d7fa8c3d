#include "toolkit/prompts/qt_prompt_presenter.h"

#include "platform/end_request.h"
#include "platform/modal_box.h"
#include "toolkit/prompts/prompt_dialog.h"

#include <QApplication>

namespace toolkit {

platform::PromptAnswer QtPromptPresenter::present(const platform::PromptRequest& request)
{
    PromptDialog dialog(request, QApplication::activeWindow());
    const int result = dialog.exec();
    // An end requested while the prompt was open ends its loop too; it then counts as cancelled.
    return {platform::endRequested() ? int{platform::mrCancel} : result, dialog.inputText()};
}

} // namespace toolkit
