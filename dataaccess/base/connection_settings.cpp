#include "dataaccess/base/connection_settings.h"

#include <QCoreApplication>
#include <QDir>

namespace db {

namespace {

const QString kEmbeddedPrefix = QStringLiteral("sqlite:");

QString& applicationPathOverride()
{
    static QString path;
    return path;
}

} // namespace

QString applicationPath()
{
    const QString& path = applicationPathOverride();
    return path.isEmpty() ? QCoreApplication::applicationDirPath() : path;
}

void setApplicationPath(const QString& path)
{
    applicationPathOverride() = path;
}

bool isEmbeddedServer(const QString& server)
{
    return server.startsWith(kEmbeddedPrefix, Qt::CaseInsensitive);
}

QString embeddedServerFolder(const QString& server)
{
    const QString folder = server.mid(kEmbeddedPrefix.size());
    return QDir::cleanPath(QDir(applicationPath()).absoluteFilePath(folder));
}

} // namespace db
