#pragma once

#include <QString>
#include <QStringList>

namespace app {

/// The program folder the command line gives the program, or why the command line is refused.
struct ProgramFolderChoice {
    QString folder; ///< absolute; empty when refused
    QString error;  ///< empty unless refused
};

/// The program's command line `arguments` (without the program's name): none keeps
/// `applicationDir`, the folder the program stands in; "--farm-folder DIR" or
/// "--farm-folder=DIR" names an existing folder to use instead (an installed program keeps its
/// farm there, since its own folder is not writable). Anything else is refused.
ProgramFolderChoice programFolderFrom(const QStringList& arguments, const QString& applicationDir);

/// The usage line printed with a refusal.
QString programUsage();

} // namespace app
