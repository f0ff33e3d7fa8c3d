#include "toolkit/error_report.h"

#include "platform/error.h"
#include "platform/modal_box.h"

#include <QCoreApplication>

namespace toolkit {

void reportError(const QString& message)
{
    platform::BoxRequest box;
    box.kind = platform::BoxKind::Error;
    box.caption = QCoreApplication::applicationName();
    box.text = message;
    box.buttons = {{QStringLiteral("OK"), platform::mrOk}};
    box.defaultResult = platform::mrOk;
    box.cancelResult = platform::mrOk;
    platform::showModalBox(box);
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
