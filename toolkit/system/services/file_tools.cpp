#include "toolkit/system/services/file_tools.h"

#include "platform/file_copy.h"
#include "platform/file_removal.h"
#include "platform/folder_chooser.h"

#include <QFileInfo>

namespace toolkit {

bool FileTools::DelDir(const QString& dir)
{
    return platform::removeForGood(dir);
}

bool FileTools::FileCopy(const QString& FName, const QString& ToName)
{
    return platform::copyFileWhole(FName, ToName);
}

bool FileTools::SelectDirectory(const QString& Caption, const QString& Root, QString& Directory)
{
    Directory.clear();
    // A root that names no folder leaves the dialog unconfined.
    const QString root = QFileInfo(Root).isDir() ? QFileInfo(Root).absoluteFilePath() : QString();
    const auto chosen = platform::chooseFolder({Caption, root});
    if (!chosen)
        return false;
    Directory = *chosen;
    return true;
}

} // namespace toolkit
