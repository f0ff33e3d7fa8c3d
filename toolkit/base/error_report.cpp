#include "toolkit/base/error_report.h"

#include "platform/error.h"
#include "platform/modal_box.h"

namespace toolkit {

void reportError(const QString& message)
{
    platform::showPlainBox(message, platform::BoxKind::Error);
}

bool guarded(const std::function<void()>& handler)
{
    try {
        handler();
        return true;
    } catch (const platform::Error& error) {
        reportError(error.message());
    } catch (const std::exception& error) {
        reportError(QString::fromLocal8Bit(error.what()));
    }
    return false;
}

} // namespace toolkit
