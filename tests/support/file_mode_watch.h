#pragma once

// What another local user could see of a file while it is being made: the work runs in a child
// process stopped at the entry and the exit of every system call it makes, and at each stop the
// mode of every matching entry of the folder is read, as another user's stat would see it.
#include <QString>
#include <functional>
#include <string>
#include <vector>

namespace testing_support {

/// One entry of the folder as seen at one stop.
struct SeenMode {
    std::string name;
    unsigned mode; ///< the permission bits (st_mode & 07777)
};

/// What watchFileModes saw.
struct ModeWatch {
    bool traced = false;        ///< false when the system refused tracing; nothing was run
    int exitCode = -1;          ///< the work's exit code: 0 when it returned true
    std::vector<SeenMode> seen; ///< every entry whose name starts with the stem, at every stop
};

/// Runs `work` in a child process with the umask 022, reading at every system call stop the
/// mode of each entry of `folder` whose name starts with `stem` (the file and any temporary file
/// beside it named after it).
ModeWatch watchFileModes(const QString& folder, const QString& stem,
                         const std::function<bool()>& work);

/// The entries seen readable or writable by group or others, as "name mode" texts.
std::vector<std::string> exposedToOthers(const ModeWatch& watch);

} // namespace testing_support
