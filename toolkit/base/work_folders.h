#pragma once

#include <QString>

namespace toolkit {

/// The program folder with its trailing separator, as every file name beside the program is built.
QString programFolder(const QString& folder);

/// Makes the work folder "T4V" beside the program and its subfolder "ED", each only when it is
/// missing; an existing subfolder spelt in another letter case ("Ed", "ed") counts as present.
/// Failures are ignored: whoever writes there later meets them.
void makeWorkFolders(const QString& appPath);

/// The path of the file `name` in `folder` spelt in any letter case, as a program folder copied
/// from Windows may hold it ("wtimes.dll" for "WTimes.DLL"); the exact spelling wins when
/// several match. Empty when there is no such file: a folder of that name does not count.
QString findFileIgnoringCase(const QString& folder, const QString& name);

/// The path of the subfolder `name` of `folder` spelt in any letter case ("INI" for "ini"), the
/// exact spelling first. Empty when there is no such folder.
QString findFolderIgnoringCase(const QString& folder, const QString& name);

} // namespace toolkit
