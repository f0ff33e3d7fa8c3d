#include "platform/gui/url_open.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

namespace platform {

bool openUrl(const QString& url)
{
    const QUrl target = QUrl::fromUserInput(url, QDir::currentPath());
    return target.isValid() && QDesktopServices::openUrl(target);
}

} // namespace platform
