#include "app/options/program_options.h"

#include <QDir>
#include <QFileInfo>

namespace app {
namespace {

const QString kFarmFolder = QStringLiteral("--farm-folder");

ProgramFolderChoice refused(const QString& error)
{
    return {QString(), error};
}

} // namespace

ProgramFolderChoice programFolderFrom(const QStringList& arguments, const QString& applicationDir)
{
    if (arguments.isEmpty())
        return {applicationDir, QString()};
    QString folder;
    const QString& first = arguments.first();
    if (first == kFarmFolder && arguments.size() == 2)
        folder = arguments.at(1);
    else if (first.startsWith(kFarmFolder + QLatin1Char('=')) && arguments.size() == 1)
        folder = first.mid(kFarmFolder.size() + 1);
    else if (first == kFarmFolder && arguments.size() == 1)
        return refused(QStringLiteral("%1 needs a folder").arg(kFarmFolder));
    else
        return refused(
            QStringLiteral("unexpected arguments: %1").arg(arguments.join(QLatin1Char(' '))));
    if (folder.isEmpty())
        return refused(QStringLiteral("%1 needs a folder").arg(kFarmFolder));
    const QFileInfo info(folder);
    if (!info.isDir())
        return refused(QStringLiteral("the farm folder %1 does not exist").arg(folder));
    return {QDir::cleanPath(info.absoluteFilePath()), QString()};
}

QString programUsage()
{
    return QStringLiteral("usage: CowSelect [--farm-folder DIR]");
}

} // namespace app
