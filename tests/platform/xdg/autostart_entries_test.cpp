#include "platform/xdg/autostart_entries.h"
#include "platform/xdg/registry_error.h"
#include "support/xdg_sandbox.h"

#include <gtest/gtest.h>

namespace {

using platform::StartupEntry;

class AutostartEntriesTest : public testing_support::SandboxedTest {
protected:
    QString folder() const { return sandbox.systemConfig() + QStringLiteral("/autostart"); }
    void makeFolder() const { QDir().mkpath(folder()); }
    void writeEntry(const QString& fileName, const QByteArray& text) const
    {
        QFile file(folder() + QLatin1Char('/') + fileName);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    platform::AutostartEntries entries;
};

TEST_F(AutostartEntriesTest, WithoutTheFolderListsNothingAndAddsNothing)
{
    EXPECT_EQ(entries.list(), std::nullopt);
    EXPECT_FALSE(entries.add(QStringLiteral("Farm"), QStringLiteral("/opt/farm/farm")));
    EXPECT_FALSE(QFileInfo::exists(folder()));
}

TEST_F(AutostartEntriesTest, ListsEachEntryFileByNameWithItsCommandAsTheRegistryHoldsIt)
{
    makeFolder();
    writeEntry(QStringLiteral("b-quoted.desktop"),
               "[Desktop Entry]\nType=Application\nName=Quoted\nExec=\"/opt/my farm/run\" -q\n");
    writeEntry(QStringLiteral("a-bare.desktop"),
               "[Desktop Entry]\nType=Application\nExec=/usr/bin/bare\n");
    writeEntry(QStringLiteral("c-escaped.desktop"),
               "[Desktop Entry]\nExec=\"/opt/a\\\\\\\\b/50%%\"\n");
    writeEntry(QStringLiteral("notes.txt"), "not an entry");
    const std::vector<StartupEntry> expected{
        {QStringLiteral("a-bare"), QStringLiteral("/usr/bin/bare")},
        {QStringLiteral("b-quoted"), QStringLiteral("\"/opt/my farm/run\" -q")},
        {QStringLiteral("c-escaped"), QStringLiteral("\"/opt/a\\b/50%\"")}};
    EXPECT_EQ(entries.list(), expected);
}

TEST_F(AutostartEntriesTest, ListsFromAFolderItMayNotWriteTo)
{
    makeFolder();
    writeEntry(QStringLiteral("farm.desktop"), "[Desktop Entry]\nExec=\"/opt/farm\"\n");
    QFile::setPermissions(folder(), QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                        QFileDevice::ReadOther | QFileDevice::ExeOther);
    QFile::setPermissions(folder() + QStringLiteral("/farm.desktop"),
                          QFileDevice::ReadOwner | QFileDevice::ReadOther);
    const auto listed = entries.list();
    QFile::setPermissions(folder(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    ASSERT_TRUE(listed.has_value());
    EXPECT_EQ(*listed, (std::vector<StartupEntry>{
                           {QStringLiteral("farm"), QStringLiteral("\"/opt/farm\"")}}));
}

TEST_F(AutostartEntriesTest, AddsAValidEntryThatListsAsTheQuotedPath)
{
    makeFolder();
    ASSERT_TRUE(entries.add(QStringLiteral("گزارش گله"), QStringLiteral("/opt/farm 2/run $x%")));
    const QString path = folder() + QStringLiteral("/گزارش گله.desktop");
    EXPECT_VALID_DESKTOP_FILE(path);
    EXPECT_EQ(entries.list(),
              (std::vector<StartupEntry>{
                  {QStringLiteral("گزارش گله"), QStringLiteral("\"/opt/farm 2/run $x%\"")}}));
}

TEST_F(AutostartEntriesTest, ReplacesAnEntryOfTheSameTitleInAnyLetterCase)
{
    makeFolder();
    writeEntry(QStringLiteral("Farm.desktop"),
               "[Desktop Entry]\nType=Application\nName=Farm\nExec=\"/old\"\n");
    ASSERT_TRUE(entries.add(QStringLiteral("FARM"), QStringLiteral("/new")));
    EXPECT_EQ(entries.list(),
              (std::vector<StartupEntry>{{QStringLiteral("Farm"), QStringLiteral("\"/new\"")}}));
    EXPECT_VALID_DESKTOP_FILE(folder() + QStringLiteral("/Farm.desktop"));
}

TEST_F(AutostartEntriesTest, AHostileTitleOrPathAddsNoLineOrKey)
{
    makeFolder();
    const QString title = QStringLiteral("Farm\nExec=evil --all\n[Desktop Action x]");
    const QString program = QStringLiteral("/opt/farm\"\nHidden=true\n");
    ASSERT_TRUE(entries.add(title, program));
    const QStringList files = QDir(folder()).entryList(QDir::Files);
    ASSERT_EQ(files.size(), 1);
    QFile file(folder() + QLatin1Char('/') + files.first());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_EQ(text.count('\n'), 4) << text.constData();
    EXPECT_FALSE(text.contains("Hidden=true\n")) << text.constData();
    EXPECT_EQ(entries.list()->front().command, QLatin1Char('"') + program + QLatin1Char('"'));
    EXPECT_VALID_DESKTOP_FILE(file.fileName());
}

TEST_F(AutostartEntriesTest, RefusesTitlesThatWouldNameAnotherFile)
{
    makeFolder();
    for (const QString& title :
         {QString(), QStringLiteral("../../profile"), QStringLiteral("a/b"), QStringLiteral(".."),
          QStringLiteral("a") + QChar(0) + QStringLiteral("b")})
        EXPECT_THROW(entries.add(title, QStringLiteral("/opt/farm")), platform::RegistryError)
            << qPrintable(title);
    EXPECT_TRUE(QDir(folder()).isEmpty());
}

} // namespace
