#pragma once

#include <QString>

namespace toolkit {

/// The toolkit's system services: the version of the system it runs on and the shell's "open".
class SystemTools {
public:
    /// The Windows version code of the running system ("000-wvUnknown" outside Windows).
    QString GetWinVersion() const;
    /// Opens the file as the shell's "open" does: a program starts with no arguments in the
    /// current folder, any other file in its associated program. Returns at once; the name is
    /// used as given and a failure is ignored.
    void ExecuteFile(const QString& FileName);
};

} // namespace toolkit
