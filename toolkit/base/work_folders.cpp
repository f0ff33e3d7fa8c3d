#include "toolkit/base/work_folders.h"

#include <QDir>
#include <algorithm>

namespace toolkit {

QString programFolder(const QString& folder)
{
    QString path = QDir::toNativeSeparators(QDir::cleanPath(folder));
    if (!path.endsWith(QDir::separator()))
        path += QDir::separator();
    return path;
}

void makeWorkFolders(const QString& appPath)
{
    const QString work = appPath + QStringLiteral("T4V");
    QDir().mkpath(work); // nothing happens when it exists; a failure is ignored
    QDir workDir(work);
    const QStringList subfolders = workDir.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    const bool hasEd = std::any_of(subfolders.begin(), subfolders.end(), [](const QString& name) {
        return name.compare(QStringLiteral("ED"), Qt::CaseInsensitive) == 0;
    });
    if (!hasEd)
        workDir.mkdir(QStringLiteral("ED"));
}

} // namespace toolkit
