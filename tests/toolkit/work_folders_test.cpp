#include "toolkit/base/work_folders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>

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

struct LookupCase {
    const char* name;
    QStringList files;   ///< made in the folder
    QStringList folders; ///< made in the folder
    QString found;       ///< the entry found for "WTimes.DLL", empty for none
};

// Names the case in failure messages.
void PrintTo(const LookupCase& c, std::ostream* out)
{
    *out << c.name;
}

class ProgramFile : public ::testing::TestWithParam<LookupCase> {};

// A program folder copied from Windows holds its settings in any letter case; a folder of the
// name is not the file.
TEST_P(ProgramFile, IsFoundInAnyLetterCaseAndOnlyAsAFile)
{
    QTemporaryDir dir;
    const QString app = toolkit::programFolder(dir.path());
    for (const QString& name : GetParam().files) {
        QFile file(app + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    for (const QString& name : GetParam().folders)
        ASSERT_TRUE(QDir().mkpath(app + name));
    const QString found = toolkit::findFileIgnoringCase(app, QStringLiteral("WTimes.DLL"));
    EXPECT_EQ(found, GetParam().found.isEmpty() ? QString() : app + GetParam().found);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, ProgramFile,
    ::testing::Values(
        LookupCase{"exactSpelling", {"WTimes.DLL"}, {}, "WTimes.DLL"},
        LookupCase{"lowerCase", {"wtimes.dll"}, {}, "wtimes.dll"},
        LookupCase{"upperCase", {"WTIMES.DLL"}, {}, "WTIMES.DLL"},
        LookupCase{"hidden", {".WTimes.DLL"}, {}, ""},
        LookupCase{"exactSpellingWinsOverOthers", {"wtimes.dll", "WTimes.DLL"}, {}, "WTimes.DLL"},
        LookupCase{"folderOfTheName", {}, {"WTimes.DLL"}, ""},
        LookupCase{"folderBesideAFileInAnotherCase", {"wtimes.DLL"}, {"WTimes.DLL"}, "wtimes.DLL"},
        LookupCase{"otherFilesOnly", {"WTimes.DLL.bak", "Multiusers.Dat"}, {}, ""},
        LookupCase{"emptyFolder", {}, {}, ""}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
