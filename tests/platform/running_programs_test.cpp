#include "platform/running_programs.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

bool listed(const std::vector<platform::RunningProgram>& programs, std::int64_t pid,
            const QString& fileName)
{
    return std::any_of(programs.begin(), programs.end(),
                       [&](const auto& p) { return p.pid == pid && p.fileName == fileName; });
}

TEST(RunningPrograms, NamesEachByItsExecutablesWholeFileName)
{
    // A program whose file name is longer than the 15 characters of a process name, with
    // blanks and a Windows-like extension.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString program = dir.filePath(QStringLiteral("Daily Report Generator.EXE"));
    ASSERT_TRUE(QFile::copy(QStringLiteral("/bin/sleep"), program));
    QProcess child;
    child.start(program, {QStringLiteral("30")});
    ASSERT_TRUE(child.waitForStarted());

    const auto programs = platform::runningPrograms();
    const qint64 pid = child.processId();
    child.kill();
    child.waitForFinished();

    EXPECT_TRUE(listed(programs, pid, QStringLiteral("Daily Report Generator.EXE")));
    EXPECT_TRUE(listed(programs, QCoreApplication::applicationPid(),
                       QFileInfo(QCoreApplication::applicationFilePath()).fileName()));
    EXPECT_TRUE(std::is_sorted(programs.begin(), programs.end(),
                               [](const auto& a, const auto& b) { return a.pid < b.pid; }));
}

} // namespace
