#include "toolkit/base/work_folders.h"

#include <QDir>
#include <algorithm>

namespace toolkit {

namespace {

/// The name of the entry of `dir` of the given kinds spelt `name` in any letter case, the exact
/// spelling first; empty when there is none.
QString entryIgnoringCase(const QDir& dir, const QString& name, QDir::Filters kinds)
{
    const QStringList entries =
        dir.entryList(kinds | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    if (entries.contains(name))
        return name;
    const auto found = std::find_if(entries.begin(), entries.end(), [&name](const QString& entry) {
        return entry.compare(name, Qt::CaseInsensitive) == 0;
    });
    return found != entries.end() ? *found : QString();
}

} // namespace

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
    if (entryIgnoringCase(workDir, QStringLiteral("ED"), QDir::Dirs).isEmpty())
        workDir.mkdir(QStringLiteral("ED"));
}

namespace {

QString findIgnoringCase(const QString& folder, const QString& name, QDir::Filters kinds)
{
    const QDir dir(folder);
    const QString entry = entryIgnoringCase(dir, name, kinds);
    return entry.isEmpty() ? QString() : dir.filePath(entry);
}

} // namespace

QString findFileIgnoringCase(const QString& folder, const QString& name)
{
    return findIgnoringCase(folder, name, QDir::Files);
}

QString findFolderIgnoringCase(const QString& folder, const QString& name)
{
    return findIgnoringCase(folder, name, QDir::Dirs);
}

} // namespace toolkit
