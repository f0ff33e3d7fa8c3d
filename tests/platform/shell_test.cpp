#include "platform/shell.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

class ShellOpenTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    QString path(const QString& name) const { return m_dir.filePath(name); }

    /// Writes a shell script; executable when asked.
    static void writeScript(const QString& file, const QByteArray& body, bool executable)
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\n" + body);
        f.close();
        QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner;
        if (executable)
            permissions |= QFile::ExeOwner;
        ASSERT_TRUE(f.setPermissions(permissions));
    }

    /// The marker's text once the started program has written it (ended by a line "end");
    /// empty when it did not appear in time.
    static QString awaitMarker(const QString& file)
    {
        const QDeadlineTimer deadline(10000);
        while (!deadline.hasExpired()) {
            QFile f(file);
            if (f.open(QIODevice::ReadOnly)) {
                const QString text = QString::fromUtf8(f.readAll());
                if (text.endsWith(QLatin1String("end\n")))
                    return text;
            }
            QThread::msleep(20);
        }
        return {};
    }

    static QByteArray quoted(const QString& file) { return "'" + file.toUtf8() + "'"; }

private:
    QTemporaryDir m_dir;
};

TEST_F(ShellOpenTest, AProgramStartsWithoutArgumentsInTheCallersFolder)
{
    const QString marker = path(QStringLiteral("marker"));
    const QString program = path(QStringLiteral("VexaSystem.exe"));
    writeScript(
        program,
        "{ echo \"args=$#\"; echo \"dir=$(pwd -P)\"; echo end; } > " + quoted(marker) + "\n", true);
    ASSERT_TRUE(platform::shellOpen(program));
    const QString text = awaitMarker(marker);
    EXPECT_EQ(text, QStringLiteral("args=0\ndir=%1\nend\n").arg(QDir::current().canonicalPath()));
}

TEST_F(ShellOpenTest, ADocumentGoesToTheDesktopsAssociatedProgram)
{
    // The desktop's opener, stood in for by one on the search path that notes what it got.
    const QString bin = path(QStringLiteral("bin"));
    ASSERT_TRUE(QDir().mkpath(bin));
    const QString marker = path(QStringLiteral("opened"));
    writeScript(bin + QStringLiteral("/xdg-open"),
                "{ echo \"$@\"; echo end; } > " + quoted(marker) + "\n", true);
    const QString report = path(QStringLiteral("گزارش.Txt"));
    writeScript(report, "not a program\n", false);

    const QByteArray savedPath = qgetenv("PATH");
    qputenv("PATH", bin.toUtf8() + ":" + savedPath);
    const bool started = platform::shellOpen(report);
    qputenv("PATH", savedPath);

    ASSERT_TRUE(started);
    EXPECT_EQ(awaitMarker(marker), report + QStringLiteral("\nend\n"));
}

TEST_F(ShellOpenTest, AMissingFileStartsNothingAndReportsIt)
{
    EXPECT_FALSE(platform::shellOpen(path(QStringLiteral("VexaSystem.exe"))));
    EXPECT_FALSE(platform::shellOpen(QString()));
}

} // namespace
