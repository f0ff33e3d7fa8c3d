#include "platform/process_start.h"

#include <QProcess>
#include <cstdlib>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace platform {

namespace {

// The functions below run in the child between fork and exec, so they use system calls only.

/// Marks every descriptor above 2 to close at exec. Only the flag is set, nothing is closed, so
/// the pipe through which QProcess learns of a failed exec (itself marked so) keeps working.
void keepOnlyStandardHandles()
{
    constexpr unsigned firstToClose = 3; // after standard input, output and error
    if (close_range(firstToClose, ~0U, CLOSE_RANGE_CLOEXEC) == 0)
        return;
    // Kernels before 5.11: every descriptor the limit allows.
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) != 0)
        return;
    for (rlim_t fd = firstToClose; fd < limit.rlim_cur; ++fd)
        fcntl(static_cast<int>(fd), F_SETFD, FD_CLOEXEC);
}

/// Detaches the program from us: the child forks once more and ends at once, and its own child,
/// in a session of its own, goes on to exec the program. QProcess then waits only for the short
/// lived child, while a failed exec still reaches it through the inherited start pipe.
/// (QProcess::startDetached would pass every descriptor of ours on.)
void detachAndKeepOnlyStandardHandles()
{
    keepOnlyStandardHandles();
    const pid_t grandchild = fork();
    if (grandchild != 0)
        _exit(grandchild < 0 ? EXIT_FAILURE : EXIT_SUCCESS);
    setsid();
}

bool start(QProcess& process, const QString& program, const QStringList& arguments,
           const QString& workingFolder, void (*inChild)(),
           QProcess::ProcessChannelMode channels = QProcess::ForwardedChannels)
{
    if (program.isEmpty())
        return false;
    process.setProgram(program);
    process.setArguments(arguments);
    if (!workingFolder.isEmpty())
        process.setWorkingDirectory(workingFolder);
    process.setProcessChannelMode(channels);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setChildProcessModifier(inChild);
    process.start();
    return process.waitForStarted(-1);
}

} // namespace

QStringList splitParameters(const QString& parameters)
{
    return QProcess::splitCommand(parameters);
}

bool startDetached(const QString& program, const QStringList& arguments,
                   const QString& workingFolder)
{
    QProcess process;
    if (!start(process, program, arguments, workingFolder, detachAndKeepOnlyStandardHandles))
        return false;
    // The intermediate child ends at once; it fails only when it could not fork.
    process.waitForFinished(-1);
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == EXIT_SUCCESS;
}

bool runAndWait(const QString& program, const QStringList& arguments, const QString& workingFolder)
{
    QProcess process;
    if (!start(process, program, arguments, workingFolder, keepOnlyStandardHandles))
        return false;
    process.waitForFinished(-1);
    return true;
}

std::optional<QByteArray> runForOutput(const QString& program, const QStringList& arguments,
                                       int timeoutMs)
{
    QProcess process;
    if (!start(process, program, arguments, {}, keepOnlyStandardHandles,
               QProcess::ForwardedErrorChannel))
        return std::nullopt;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(-1);
        return std::nullopt;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return process.readAllStandardOutput();
}

} // namespace platform
