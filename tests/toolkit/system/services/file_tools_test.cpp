#include "platform/end_request.h"
#include "platform/error.h"
#include "support/scripted_folder_chooser.h"
#include "toolkit/system/services/file_tools.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

namespace {

/// A temporary folder with helpers to make and read files in it.
class TempFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_root = QDir(m_dir.path()).canonicalPath();
    }

    QString path(const QString& name) const { return m_root + QLatin1Char('/') + name; }

    QString write(const QString& name, const QByteArray& content) const
    {
        const QString file = path(name);
        QDir().mkpath(QFileInfo(file).absolutePath());
        QFile f(file);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
        return file;
    }

    static QByteArray read(const QString& file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
    }

    toolkit::FileTools m_tools;
    QString m_root;

private:
    QTemporaryDir m_dir;
};

// DelDir --------------------------------------------------------------------------------------

/// HOME points into the temporary folder, with a canary file in it, for as long as a test runs.
class DelDirTest : public TempFolder {
protected:
    void SetUp() override
    {
        TempFolder::SetUp();
        m_savedHome = qgetenv("HOME");
        m_home = path(QStringLiteral("home/farmer"));
        m_canary = write(QStringLiteral("home/farmer/canary"), "alive");
        qputenv("HOME", m_home.toUtf8());
        ASSERT_EQ(QDir::homePath(), m_home);
    }
    void TearDown() override { qputenv("HOME", m_savedHome); }

    QString m_home;
    QString m_canary;

private:
    QByteArray m_savedHome;
};

TEST_F(DelDirTest, DeletesAFolderWithAllItsContentForGood)
{
    write(QStringLiteral("work/T4V/SqlExecuteErrorLog.Txt"), "log");
    write(QStringLiteral("work/.hidden"), "h");
    write(QStringLiteral("work/a/b/c/deep.txt"), "deep");
    QDir().mkpath(path(QStringLiteral("work/empty")));
    QFile(path(QStringLiteral("work/a/b/c/deep.txt"))).setPermissions(QFile::ReadOwner);

    EXPECT_TRUE(m_tools.DelDir(path(QStringLiteral("work"))));
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("work"))));
    EXPECT_TRUE(QFileInfo::exists(m_canary));
}

TEST_F(DelDirTest, NeverFollowsASymbolicLinkOutOfTheFolder)
{
    const QString outside = write(QStringLiteral("outside/keep.txt"), "keep");
    const QString outsideFile = write(QStringLiteral("outside-file.txt"), "keep too");
    write(QStringLiteral("work/own.txt"), "own");
    ASSERT_TRUE(QFile::link(path(QStringLiteral("outside")), path(QStringLiteral("work/link"))));
    ASSERT_TRUE(QFile::link(outsideFile, path(QStringLiteral("work/file-link"))));
    ASSERT_TRUE(QFile::link(m_home, path(QStringLiteral("work/home-link"))));

    EXPECT_TRUE(m_tools.DelDir(path(QStringLiteral("work"))));
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("work"))));
    EXPECT_EQ(read(outside), "keep");
    EXPECT_EQ(read(outsideFile), "keep too");
    EXPECT_TRUE(QFileInfo::exists(m_canary));
}

TEST_F(DelDirTest, ALinkNamedItselfGoesAndWhatItPointsToStays)
{
    const QString kept = write(QStringLiteral("target/keep.txt"), "keep");
    for (const QString& named : {QStringLiteral("link"), QStringLiteral("link/")}) {
        ASSERT_TRUE(QFile::link(path(QStringLiteral("target")), path(QStringLiteral("link"))));
        EXPECT_TRUE(m_tools.DelDir(path(named))) << named.toStdString();
        EXPECT_FALSE(QFileInfo(path(QStringLiteral("link"))).isSymLink());
        EXPECT_EQ(read(kept), "keep") << named.toStdString();
    }
}

TEST_F(DelDirTest, AFolderThatDoesNotExistIsNotDeleted)
{
    EXPECT_FALSE(m_tools.DelDir(path(QStringLiteral("missing"))));
    EXPECT_FALSE(m_tools.DelDir(path(QStringLiteral("missing/deeper"))));
}

struct RefusedCase {
    const char* name;
    const char* dir; ///< ~ stands for the home folder, @ for the temporary folder
};

/// The case's name, in test listings.
void PrintTo(const RefusedCase& c, std::ostream* os)
{
    *os << c.name;
}

class DelDirRefusalTest : public DelDirTest, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(DelDirRefusalTest, RefusesAndTheHomeFolderSurvives)
{
    QString dir = QString::fromUtf8(GetParam().dir);
    dir.replace(QLatin1Char('~'), m_home).replace(QLatin1Char('@'), m_root);
    QFile::link(m_home, path(QStringLiteral("home-link")));
    QDir().mkpath(m_home + QStringLiteral("/sub"));
    EXPECT_FALSE(m_tools.DelDir(dir)) << dir.toStdString();
    EXPECT_EQ(read(m_canary), "alive");
}

INSTANTIATE_TEST_SUITE_P(Refused, DelDirRefusalTest,
                         ::testing::Values(RefusedCase{"empty", ""}, RefusedCase{"home", "~"},
                                           RefusedCase{"homeWithSlash", "~/"},
                                           RefusedCase{"homeDot", "~/."},
                                           RefusedCase{"homeThroughDotDot", "~/../farmer"},
                                           RefusedCase{"folderHoldingHome", "@/home"},
                                           RefusedCase{"homeFromBelow", "~/sub/.."},
                                           RefusedCase{"homeThroughLinkDot", "@/home-link/."}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DelDirTest, TheRootFolderIsRefused)
{
    // Run in a child confined to the temporary folder: were the refusal missing, only this
    // folder's canary could go, never the machine's files.
    const QString jail = path(QStringLiteral("jail"));
    const QString canary = write(QStringLiteral("jail/canary"), "alive");
    const QByteArray jailPath = QFile::encodeName(jail);
    EXPECT_EXIT(
        {
            if (chroot(jailPath.constData()) != 0 || chdir("/") != 0)
                _exit(3);
            const bool deleted = m_tools.DelDir(QStringLiteral("/")) ||
                                 m_tools.DelDir(QStringLiteral("//")) ||
                                 m_tools.DelDir(QStringLiteral("/.")) ||
                                 m_tools.DelDir(QStringLiteral("/canary/.."));
            _exit(deleted ? 1 : 0);
        },
        ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(read(canary), "alive");
}

// FileCopy ------------------------------------------------------------------------------------

using FileCopyTest = TempFolder;

TEST_F(FileCopyTest, ReplacesALongerTargetCompletely)
{
    const QString source = write(QStringLiteral("CSVReport.JSC"), "short");
    const QString target = write(QStringLiteral("copy.JSC"), QByteArray(10000, 'x'));
    EXPECT_TRUE(m_tools.FileCopy(source, target));
    EXPECT_EQ(read(target), "short");
}

TEST_F(FileCopyTest, CopiesEveryByteOfALargeAndOfAnEmptyFile)
{
    QByteArray large(3 * 64 * 1024 + 17, '\0');
    for (int i = 0; i < large.size(); ++i)
        large[i] = static_cast<char>(i * 7 + i / 251);
    const QString big = write(QStringLiteral("big.bin"), large);
    const QString empty = write(QStringLiteral("empty.bin"), {});
    EXPECT_TRUE(m_tools.FileCopy(big, path(QStringLiteral("big-copy.bin"))));
    EXPECT_EQ(read(path(QStringLiteral("big-copy.bin"))), large);
    EXPECT_TRUE(m_tools.FileCopy(empty, big));
    EXPECT_EQ(read(big), QByteArray());
}

TEST_F(FileCopyTest, ACopyOntoItselfAnswersFalseAndLeavesTheFileWhole)
{
    const QString source = write(QStringLiteral("report.txt"), "whole content");
    ASSERT_TRUE(QFile::link(source, path(QStringLiteral("link.txt"))));
    ASSERT_EQ(::link(QFile::encodeName(source).constData(),
                     QFile::encodeName(path(QStringLiteral("hard.txt"))).constData()),
              0);
    for (const QString& sameFile :
         {source, path(QStringLiteral("./report.txt")), path(QStringLiteral("link.txt")),
          path(QStringLiteral("hard.txt"))}) {
        EXPECT_FALSE(m_tools.FileCopy(source, sameFile)) << sameFile.toStdString();
        EXPECT_EQ(read(source), "whole content") << sameFile.toStdString();
    }
}

TEST_F(FileCopyTest, ASourceThatCannotBeOpenedAnswersFalseAndTouchesNothing)
{
    const QString target = write(QStringLiteral("target.txt"), "old");
    QDir().mkpath(path(QStringLiteral("folder")));
    EXPECT_FALSE(m_tools.FileCopy(path(QStringLiteral("missing.txt")), target));
    EXPECT_FALSE(m_tools.FileCopy(path(QStringLiteral("folder")), target));
    EXPECT_FALSE(m_tools.FileCopy(QString(), target));
    EXPECT_EQ(read(target), "old");
}

struct UnwritableCase {
    const char* name;
    const char* target;
};

/// The case's name, in test listings.
void PrintTo(const UnwritableCase& c, std::ostream* os)
{
    *os << c.name;
}

class FileCopyUnwritableTest : public TempFolder,
                               public ::testing::WithParamInterface<UnwritableCase> {};

TEST_P(FileCopyUnwritableTest, RaisesAFileErrorAndLeavesNoPartOfACopy)
{
    const QString source = write(QStringLiteral("source.txt"), "content");
    write(QStringLiteral("plain-file"), "not a folder");
    QDir().mkpath(path(QStringLiteral("a-folder")));
    const QStringList before = QDir(m_root).entryList(QDir::AllEntries | QDir::Hidden);

    const QString target = path(QString::fromUtf8(GetParam().target));
    try {
        m_tools.FileCopy(source, target);
        ADD_FAILURE() << "no error raised";
    } catch (const platform::Error& error) {
        EXPECT_TRUE(error.message().contains(target)) << error.message().toStdString();
    }
    EXPECT_EQ(read(source), "content");
    EXPECT_EQ(QDir(m_root).entryList(QDir::AllEntries | QDir::Hidden), before);
}

INSTANTIATE_TEST_SUITE_P(Targets, FileCopyUnwritableTest,
                         ::testing::Values(UnwritableCase{"folderMissing", "missing/copy.txt"},
                                           UnwritableCase{"folderIsAFile", "plain-file/copy.txt"},
                                           UnwritableCase{"targetIsAFolder", "a-folder"}),
                         [](const auto& info) { return std::string(info.param.name); });

/// Makes the folder read-only for this process alone: a read-only bind mount in a mount
/// namespace of its own (a user namespace too when we are not root), so that root, as which CI
/// runs, cannot write to it either. Only for a child process that ends after use.
bool makeReadOnlyInThisProcess(const QString& folder)
{
    if (unshare(CLONE_NEWNS) != 0 && unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
        return false;
    const QByteArray f = QFile::encodeName(folder);
    return mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
           mount(f.constData(), f.constData(), nullptr, MS_BIND, nullptr) == 0 &&
           mount(nullptr, f.constData(), nullptr, MS_BIND | MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}

TEST_F(FileCopyTest, IntoAReadOnlyFolderRaisesAFileErrorAndChangesNothing)
{
    const QString source = write(QStringLiteral("source.txt"), "content");
    const QString old = write(QStringLiteral("read-only/old.txt"), "old");
    const QString folder = path(QStringLiteral("read-only"));
    EXPECT_EXIT(
        {
            if (!makeReadOnlyInThisProcess(folder))
                _exit(3);
            int raised = 0;
            for (const QString& target : {old, folder + QStringLiteral("/new.txt")}) {
                try {
                    m_tools.FileCopy(source, target);
                } catch (const platform::Error&) {
                    ++raised;
                }
            }
            _exit(raised == 2 ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(read(source), "content");
    EXPECT_EQ(read(old), "old");
    EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{QStringLiteral("old.txt")});
}

// SelectDirectory -----------------------------------------------------------------------------

class SelectDirectoryTest : public TempFolder {
protected:
    testing_support::ScriptedFolderChooser m_chooser;
};

TEST_F(SelectDirectoryTest, AChosenFolderIsAnsweredWithItsPath)
{
    const QString chosen = path(QStringLiteral("farms/north"));
    m_chooser.answer(chosen);
    QString directory = QStringLiteral("old value");
    EXPECT_TRUE(m_tools.SelectDirectory(QStringLiteral("انتخاب پوشه"), m_root, directory));
    EXPECT_EQ(directory, chosen);
    ASSERT_EQ(m_chooser.shown.size(), 1U);
    EXPECT_EQ(m_chooser.shown[0].caption, QStringLiteral("انتخاب پوشه"));
    EXPECT_EQ(m_chooser.shown[0].root, m_root);
}

TEST_F(SelectDirectoryTest, ACancelledDialogAnswersFalseWithTheDirectoryCleared)
{
    m_chooser.answer(std::nullopt);
    QString directory = QStringLiteral("old value");
    EXPECT_FALSE(m_tools.SelectDirectory(QStringLiteral("c"), QString(), directory));
    EXPECT_TRUE(directory.isEmpty());
}

TEST_F(SelectDirectoryTest, TheRootIsTheFolderItNamesOrNoneAtAll)
{
    QString directory;
    write(QStringLiteral("a-file"), "x");
    QDir().mkpath(path(QStringLiteral("sub")));
    const QString ourFolder = QDir::currentPath();
    QDir::setCurrent(m_root);
    for (const QString& root :
         {QStringLiteral("sub"), QStringLiteral("missing"), QStringLiteral("a-file"), QString()})
        m_tools.SelectDirectory(QStringLiteral("c"), root, directory);
    QDir::setCurrent(ourFolder);
    ASSERT_EQ(m_chooser.shown.size(), 4U);
    EXPECT_EQ(m_chooser.shown[0].root, path(QStringLiteral("sub"))); // relative made absolute
    for (std::size_t i = 1; i < 4; ++i)
        EXPECT_TRUE(m_chooser.shown[i].root.isEmpty()) << i;
}

TEST_F(SelectDirectoryTest, AfterTheEndWasRequestedTheDialogClosesAtOnce)
{
    m_chooser.answer(m_root);
    platform::requestEnd();
    QString directory = QStringLiteral("old value");
    const bool chosen = m_tools.SelectDirectory(QStringLiteral("c"), QString(), directory);
    platform::resetEndRequest();
    EXPECT_FALSE(chosen);
    EXPECT_TRUE(directory.isEmpty());
    EXPECT_TRUE(m_chooser.shown.empty());
}

TEST(SelectDirectoryWithoutChooser, RaisesInsteadOfHanging)
{
    toolkit::FileTools tools;
    QString directory;
    EXPECT_THROW(tools.SelectDirectory(QStringLiteral("c"), QString(), directory), platform::Error);
}

} // namespace
