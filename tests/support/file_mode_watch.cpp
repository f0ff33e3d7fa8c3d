#include "support/file_mode_watch.h"

#include <QFile>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <sys/ptrace.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace testing_support {
namespace {

/// Exit code of a child that could not be traced.
constexpr int untraceable = 77;
/// Group and other permission bits.
constexpr unsigned othersBits = 077;

void look(const std::string& folder, const std::string& stem, std::vector<SeenMode>& seen)
{
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr)
        return;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        struct stat info {};
        if (name.rfind(stem, 0) == 0 && ::lstat((folder + '/' + name).c_str(), &info) == 0)
            seen.push_back({name, static_cast<unsigned>(info.st_mode & 07777)});
    }
    ::closedir(dir);
}

} // namespace

ModeWatch watchFileModes(const QString& folder, const QString& stem,
                         const std::function<bool()>& work)
{
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        if (::ptrace(PTRACE_TRACEME, 0, nullptr, nullptr) != 0)
            std::_Exit(untraceable);
        ::umask(022);
        ::raise(SIGSTOP);
        std::_Exit(work() ? 0 : 1);
    }
    ModeWatch watch;
    if (child < 0)
        return watch;
    const std::string path = QFile::encodeName(folder).toStdString();
    const std::string prefix = QFile::encodeName(stem).toStdString();
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFSTOPPED(status)) {
        watch.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return watch; // the child could not be traced
    }
    watch.traced = true;
    ::ptrace(PTRACE_SETOPTIONS, child, nullptr, reinterpret_cast<void*>(PTRACE_O_TRACESYSGOOD));
    int pass = 0; // a signal the child received goes on to it
    for (;;) {
        if (::ptrace(PTRACE_SYSCALL, child, nullptr, reinterpret_cast<void*>(pass)) != 0)
            break;
        if (::waitpid(child, &status, 0) != child)
            break;
        if (WIFEXITED(status)) {
            watch.exitCode = WEXITSTATUS(status);
            break;
        }
        if (WIFSIGNALED(status))
            break;
        const int signal = WSTOPSIG(status);
        pass = signal == (SIGTRAP | 0x80) || signal == SIGSTOP ? 0 : signal;
        look(path, prefix, watch.seen);
    }
    return watch;
}

std::vector<std::string> exposedToOthers(const ModeWatch& watch)
{
    std::vector<std::string> exposed;
    for (const SeenMode& seen : watch.seen) {
        if ((seen.mode & othersBits) != 0) {
            char mode[16];
            std::snprintf(mode, sizeof(mode), "%04o", seen.mode);
            exposed.push_back(seen.name + ' ' + mode);
        }
    }
    return exposed;
}

} // namespace testing_support
