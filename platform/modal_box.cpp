#include "platform/modal_box.h"

#include "platform/end_request.h"
#include "platform/error.h"

#include <QCoreApplication>

namespace platform {

namespace {

/// Used until a presenter is installed: a box nobody can answer is a fault, not a hang.
class RefusingPresenter final : public BoxPresenter {
public:
    int present(const BoxRequest& request) override
    {
        throw Error(
            QStringLiteral("no box presenter is installed to show \"%1\"").arg(request.text));
    }
};

RefusingPresenter g_refusing;
BoxPresenter* g_presenter = &g_refusing;

} // namespace

void setBoxPresenter(BoxPresenter* presenter)
{
    g_presenter = presenter ? presenter : &g_refusing;
}

int showModalBox(const BoxRequest& request)
{
    if (endRequested()) {
        g_presenter->closedAtOnce(request);
        return request.cancelResult;
    }
    return g_presenter->present(request);
}

void showPlainBox(const QString& text, BoxKind kind)
{
    BoxRequest box;
    box.kind = kind;
    box.caption = QCoreApplication::applicationName();
    box.text = text;
    box.buttons = {{QStringLiteral("OK"), mrOk}};
    box.defaultResult = mrOk;
    box.cancelResult = mrOk;
    showModalBox(box);
}

} // namespace platform
