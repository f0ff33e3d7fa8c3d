#include "platform/running_programs.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace platform {

std::vector<RunningProgram> runningPrograms()
{
    std::vector<RunningProgram> programs;
    const QDir proc(QStringLiteral("/proc"));
    const QStringList entries = proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        bool isPid = false;
        const std::int64_t pid = entry.toLongLong(&isPid);
        if (!isPid)
            continue;
        // The link names the executable; one replaced since it started ends in " (deleted)".
        QString executable =
            QFileInfo(proc.filePath(entry + QStringLiteral("/exe"))).symLinkTarget();
        if (executable.isEmpty())
            continue; // another user's, a kernel thread, or ended meanwhile
        const QLatin1String deleted(" (deleted)");
        if (executable.endsWith(deleted))
            executable.chop(deleted.size());
        programs.push_back({pid, QFileInfo(executable).fileName()});
    }
    std::sort(programs.begin(), programs.end(),
              [](const RunningProgram& a, const RunningProgram& b) { return a.pid < b.pid; });
    return programs;
}

} // namespace platform
