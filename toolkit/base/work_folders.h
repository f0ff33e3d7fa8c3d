#pragma once

#include <QString>

namespace toolkit {

/// The program folder with its trailing separator, as every file name beside the program is built.
QString programFolder(const QString& folder);

/// Makes the work folder "T4V" beside the program and its subfolder "ED", each only when it is
/// missing; an existing subfolder spelt in another letter case ("Ed", "ed") counts as present.
/// Failures are ignored: whoever writes there later meets them.
void makeWorkFolders(const QString& appPath);

} // namespace toolkit
