#include "platform/end_request.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace platform {

namespace {
bool g_endRequested = false;
} // namespace

void requestEnd()
{
    g_endRequested = true;
    if (auto* app = QCoreApplication::instance())
        QMetaObject::invokeMethod(
            app, [] { QCoreApplication::quit(); }, Qt::QueuedConnection);
}

bool endRequested()
{
    return g_endRequested;
}

int runEventLoop()
{
    if (g_endRequested)
        return 0;
    return QCoreApplication::exec();
}

void resetEndRequest()
{
    g_endRequested = false;
}

} // namespace platform
