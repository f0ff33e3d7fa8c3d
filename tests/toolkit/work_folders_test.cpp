#include "toolkit/base/work_folders.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QStringList subfolders(const QString& path)
{
    return QDir(path).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

TEST(ProgramFolder, EndsWithExactlyOneSeparator)
{
    const QString sep = QDir::separator();
    EXPECT_EQ(toolkit::programFolder("/opt/farm"), "/opt/farm" + sep);
    EXPECT_EQ(toolkit::programFolder("/opt/farm/"), "/opt/farm" + sep);
}

TEST(WorkFolders, MadeWhenMissingAndNeverEmptied)
{
    QTemporaryDir dir;
    const QString app = toolkit::programFolder(dir.path());
    toolkit::makeWorkFolders(app);
    EXPECT_EQ(subfolders(app + "T4V"), QStringList{"ED"});

    QFile keep(app + "T4V/SqlExecuteErrorLog.Txt");
    ASSERT_TRUE(keep.open(QIODevice::WriteOnly));
    keep.close();
    toolkit::makeWorkFolders(app);
    EXPECT_TRUE(QFile::exists(app + "T4V/SqlExecuteErrorLog.Txt"));
}

TEST(WorkFolders, SubfolderInAnotherLetterCaseCountsAsPresent)
{
    QTemporaryDir dir;
    const QString app = toolkit::programFolder(dir.path());
    ASSERT_TRUE(QDir().mkpath(app + "T4V/Ed"));
    toolkit::makeWorkFolders(app);
    EXPECT_EQ(subfolders(app + "T4V"), QStringList{"Ed"});
}

TEST(WorkFolders, AFileInTheWayIsLeftAsItWasAndNothingIsRaised)
{
    QTemporaryDir dir;
    QFile blocker(dir.path() + "/T4V"); // a file where the folder should be
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.write("keep");
    blocker.close();
    EXPECT_NO_THROW(toolkit::makeWorkFolders(toolkit::programFolder(dir.path())));
    const QFileInfo left(dir.path() + "/T4V");
    EXPECT_TRUE(left.isFile());
    EXPECT_EQ(left.size(), 4);
}

} // namespace
