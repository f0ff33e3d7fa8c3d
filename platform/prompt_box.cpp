#include "platform/prompt_box.h"

#include "platform/end_request.h"
#include "platform/error.h"
#include "platform/modal_box.h"

namespace platform {

namespace {

/// Used until a presenter is installed: a prompt nobody can answer is a fault, not a hang.
class RefusingPresenter final : public PromptPresenter {
public:
    PromptAnswer present(const PromptRequest& request) override
    {
        throw Error(
            QStringLiteral("no prompt presenter is installed to show \"%1\"").arg(request.prompt));
    }
};

RefusingPresenter g_refusing;
PromptPresenter* g_presenter = &g_refusing;

} // namespace

void setPromptPresenter(PromptPresenter* presenter)
{
    g_presenter = presenter ? presenter : &g_refusing;
}

PromptAnswer showPrompt(const PromptRequest& request)
{
    if (endRequested()) {
        g_presenter->closedAtOnce(request);
        return {mrCancel, request.text};
    }
    return g_presenter->present(request);
}

} // namespace platform
