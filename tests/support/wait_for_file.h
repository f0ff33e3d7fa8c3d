#pragma once

#include <QDeadlineTimer>
#include <QFile>
#include <QString>
#include <QThread>

namespace testing_support {

/// Waits up to `withinMs` for a file that another process writes, such as a started child's
/// marker; true once it exists.
inline bool fileAppears(const QString& path, int withinMs = 10000)
{
    const QDeadlineTimer deadline(withinMs);
    while (!deadline.hasExpired()) {
        if (QFile::exists(path))
            return true;
        QThread::msleep(20);
    }
    return QFile::exists(path);
}

} // namespace testing_support
