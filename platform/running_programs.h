#pragma once

#include <QString>
#include <cstdint>
#include <vector>

namespace platform {

/// A running process and the file name of its executable, without folder.
struct RunningProgram {
    std::int64_t pid = 0;
    QString fileName; ///< of the executable (not the short process name), e.g. "report.exe"
};

/// The processes whose executable we may see (from /proc), in rising process id order.
/// Processes of other users whose executable is hidden from us are left out.
std::vector<RunningProgram> runningPrograms();

} // namespace platform
