#include "platform/folder_chooser.h"

#include "platform/end_request.h"
#include "platform/error.h"

namespace platform {

namespace {

/// Used until a chooser is installed: a dialog nobody can answer is a fault, not a hang.
class RefusingChooser final : public FolderChooser {
public:
    std::optional<QString> choose(const FolderRequest& request) override
    {
        throw Error(
            QStringLiteral("no folder chooser is installed to show \"%1\"").arg(request.caption));
    }
};

RefusingChooser g_refusing;
FolderChooser* g_chooser = &g_refusing;

} // namespace

void setFolderChooser(FolderChooser* chooser)
{
    g_chooser = chooser ? chooser : &g_refusing;
}

std::optional<QString> chooseFolder(const FolderRequest& request)
{
    if (endRequested())
        return std::nullopt;
    return g_chooser->choose(request);
}

} // namespace platform
