#include "platform/process_start.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

TEST(StartDetached, TheProgramIsNotOurChildAndHasASessionOfItsOwn)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString record = dir.filePath(QStringLiteral("record"));
    ASSERT_TRUE(platform::startDetached(
        QStringLiteral("/bin/sh"),
        {QStringLiteral("-c"),
         QStringLiteral("read -r _ _ _ _ _ sid _ < /proc/$$/stat; "
                        "echo \"$PPID $sid $$\" > '%1.part' && mv '%1.part' '%1'")
             .arg(record)}));
    const QDeadlineTimer deadline(10000);
    while (!QFile::exists(record) && !deadline.hasExpired())
        QThread::msleep(20);
    QFile f(record);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QStringList ids = QString::fromUtf8(f.readAll()).simplified().split(QLatin1Char(' '));
    ASSERT_EQ(ids.size(), 3);
    EXPECT_NE(ids[0].toLongLong(), QCoreApplication::applicationPid()); // parent
    EXPECT_EQ(ids[1], ids[2]);                                          // it leads its own session
}

TEST(StartDetached, AProgramThatCannotStartIsReported)
{
    EXPECT_FALSE(platform::startDetached(QStringLiteral("/nonexistent/program"), {}));
    EXPECT_FALSE(platform::startDetached(QString(), {}));
}

TEST(RunForOutput, GivesTheOutputOfAProgramThatSucceeded)
{
    EXPECT_EQ(platform::runForOutput(QStringLiteral("printf"), {QStringLiteral("a\\nb")}, 10000),
              QByteArray("a\nb"));
    EXPECT_FALSE(platform::runForOutput(QStringLiteral("false"), {}, 10000).has_value());
    EXPECT_FALSE(platform::runForOutput(QStringLiteral("/nonexistent/tool"), {}, 10000));
}

TEST(RunForOutput, EndsAProgramThatTakesTooLong)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pidFile = dir.filePath(QStringLiteral("pid"));
    EXPECT_FALSE(platform::runForOutput(
        QStringLiteral("/bin/sh"),
        {QStringLiteral("-c"), QStringLiteral("echo $$ > '%1'; exec sleep 60").arg(pidFile)},
        3000));
    QFile f(pidFile);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray pid = f.readAll().trimmed();
    ASSERT_FALSE(pid.isEmpty());
    EXPECT_FALSE(QFile::exists(QStringLiteral("/proc/") + QString::fromLatin1(pid))); // gone
}

} // namespace
