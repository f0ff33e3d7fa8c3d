#include "platform/xdg/registry_error.h"
#include "platform/xdg/xdg_user_registry.h"
#include "support/xdg_sandbox.h"

#include <gtest/gtest.h>

namespace {

using platform::RegistryError;

class XdgUserRegistryTest : public testing_support::SandboxedTest {
protected:
    QString storeText() const
    {
        QFile file(registry.storePath());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    void writeStore(const QByteArray& text) const
    {
        QDir().mkpath(QFileInfo(registry.storePath()).absolutePath());
        QFile file(registry.storePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    platform::XdgUserRegistry registry;
};

struct ReadCase {
    const char* name;
    const char* writeKey;
    const char* writeName;
    const char* readKey;
    const char* readName;
    bool found;
};

class RegistryReadTest : public XdgUserRegistryTest,
                         public ::testing::WithParamInterface<ReadCase> {};

TEST_P(RegistryReadTest, FindsAValueByKeyAndNameWithoutRegardToCase)
{
    const ReadCase& c = GetParam();
    registry.setValue(QString::fromUtf8(c.writeKey), QString::fromUtf8(c.writeName),
                      QStringLiteral("C:\\Farm\\گزارش, 1"));
    const auto value = registry.value(QString::fromUtf8(c.readKey), QString::fromUtf8(c.readName));
    if (c.found)
        EXPECT_EQ(value, QStringLiteral("C:\\Farm\\گزارش, 1"));
    else
        EXPECT_EQ(value, std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    Values, RegistryReadTest,
    ::testing::Values(
        ReadCase{"sameSpelling", "Software\\Farm", "Path", "Software\\Farm", "Path", true},
        ReadCase{"keyInOtherCase", "Software\\Farm", "Path", "SOFTWARE\\farm", "Path", true},
        ReadCase{"valueInOtherCase", "Software\\Farm", "Path", "Software\\Farm", "PATH", true},
        ReadCase{"leadingBackslash", "\\Software\\Farm", "Path", "Software\\Farm", "Path", true},
        ReadCase{"defaultValue", "Software\\Farm", "", "software\\farm", "", true},
        ReadCase{"defaultIsNotANamedValue", "Software\\Farm", "", "Software\\Farm", "@", false},
        ReadCase{"atNameIsNotTheDefault", "Software\\Farm", "@", "Software\\Farm", "", false},
        ReadCase{"atNameReadBack", "Software\\Farm", "@", "Software\\Farm", "@", true},
        ReadCase{"nestedKey", "Software\\Farm\\Reports\\Daily", "Last",
                 "software\\FARM\\reports\\daily", "last", true},
        ReadCase{"parentHoldsNoValueOfChild", "Software\\Farm\\Reports", "Last", "Software\\Farm",
                 "Last", false},
        ReadCase{"missingKey", "Software\\Farm", "Path", "Software\\Other", "Path", false},
        ReadCase{"missingValue", "Software\\Farm", "Path", "Software\\Farm", "Folder", false},
        ReadCase{"rootKey", "", "Top", "\\", "top", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(XdgUserRegistryTest, KeepsOneValueWhenWrittenInAnotherCaseAndKeepsTheFirstSpelling)
{
    registry.setValue(QStringLiteral("Software\\Farm"), QStringLiteral("Path"),
                      QStringLiteral("a"));
    registry.setValue(QStringLiteral("SOFTWARE\\FARM"), QStringLiteral("PATH"),
                      QStringLiteral("b"));
    EXPECT_EQ(registry.value(QStringLiteral("software\\farm"), QStringLiteral("path")),
              QStringLiteral("b"));
    EXPECT_FALSE(storeText().contains(QStringLiteral("FARM"))) << qPrintable(storeText());
    EXPECT_EQ(storeText().count(QStringLiteral("=")), 1) << qPrintable(storeText());
}

TEST_F(XdgUserRegistryTest, KeepsTheStoreUnderTheConfigFolderAndWritesBeforeReturning)
{
    registry.setValue(QStringLiteral("Software\\Farm"), QStringLiteral("Path"),
                      QStringLiteral("x"));
    EXPECT_EQ(registry.storePath(),
              sandbox.configHome() + QStringLiteral("/farm-toolkit/user-registry.ini"));
    EXPECT_TRUE(storeText().contains(QStringLiteral("Path=x")));
}

TEST_F(XdgUserRegistryTest, RefusesAValueThatIsNotText)
{
    writeStore("[Software]\nFarm\\List=a, b\nFarm\\Blob=@ByteArray(abc)\nFarm\\Text=\"a, b\"\n");
    EXPECT_THROW(registry.value(QStringLiteral("Software\\Farm"), QStringLiteral("List")),
                 RegistryError);
    EXPECT_THROW(registry.value(QStringLiteral("Software\\Farm"), QStringLiteral("Blob")),
                 RegistryError);
    EXPECT_EQ(registry.value(QStringLiteral("Software\\Farm"), QStringLiteral("Text")),
              QStringLiteral("a, b"));
}

TEST_F(XdgUserRegistryTest, RefusesNamesItCannotStoreAndAWriteItCannotMake)
{
    EXPECT_THROW(registry.setValue(QStringLiteral("Software\\a/b"), QStringLiteral("x"), QString()),
                 RegistryError);
    EXPECT_THROW(registry.setValue(QStringLiteral("Software"), QStringLiteral("a/b"), QString()),
                 RegistryError);
    EXPECT_EQ(registry.value(QStringLiteral("Software\\a/b"), QStringLiteral("x")), std::nullopt);
    EXPECT_EQ(registry.value(QStringLiteral("Software"), QStringLiteral("a/b")), std::nullopt);
    EXPECT_NO_THROW(registry.removeKey(QStringLiteral("Software\\a/b")));
    // The store's folder is a file: nothing can be written.
    QDir().mkpath(sandbox.configHome());
    QFile blocker(sandbox.configHome() + QStringLiteral("/farm-toolkit"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_THROW(
        registry.setValue(QStringLiteral("Software"), QStringLiteral("x"), QStringLiteral("1")),
        RegistryError);
}

TEST_F(XdgUserRegistryTest, RemovesAKeyWithItsSubkeysAndNothingElse)
{
    registry.setValue(QStringLiteral("Software\\Farm"), QStringLiteral("Path"),
                      QStringLiteral("1"));
    registry.setValue(QStringLiteral("Software\\Farm\\Reports\\Daily"), QStringLiteral("Last"),
                      QStringLiteral("2"));
    registry.setValue(QStringLiteral("Software\\Farmer"), QStringLiteral("Name"),
                      QStringLiteral("3"));
    registry.removeKey(QStringLiteral("SOFTWARE\\farm"));
    EXPECT_EQ(registry.value(QStringLiteral("Software\\Farm"), QStringLiteral("Path")),
              std::nullopt);
    EXPECT_EQ(
        registry.value(QStringLiteral("Software\\Farm\\Reports\\Daily"), QStringLiteral("Last")),
        std::nullopt);
    EXPECT_EQ(registry.value(QStringLiteral("Software\\Farmer"), QStringLiteral("Name")),
              QStringLiteral("3"));
    EXPECT_NO_THROW(registry.removeKey(QStringLiteral("Software\\Missing")));
}

TEST_F(XdgUserRegistryTest, RefusesToRemoveTheWholeBranch)
{
    registry.setValue(QStringLiteral("Software\\Farm"), QStringLiteral("Path"),
                      QStringLiteral("1"));
    for (const QString& blank : {QString(), QStringLiteral("\\"), QStringLiteral("\\\\")})
        EXPECT_THROW(registry.removeKey(blank), RegistryError) << qPrintable(blank);
    EXPECT_EQ(registry.value(QStringLiteral("Software\\Farm"), QStringLiteral("Path")),
              QStringLiteral("1"));
}

TEST_F(XdgUserRegistryTest, AnswersTheDesktopAndStartupFoldersFromTheDesktop)
{
    QFile dirs(sandbox.configHome() + QStringLiteral("/user-dirs.dirs"));
    ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
    dirs.write("XDG_DESKTOP_DIR=\"$HOME/میز کار\"\n");
    dirs.close();
    const QString key =
        QStringLiteral("Software\\MicroSoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders");
    EXPECT_EQ(registry.value(key, QStringLiteral("Desktop")),
              sandbox.home() + QStringLiteral("/میز کار"));
    EXPECT_EQ(registry.value(key.toUpper(), QStringLiteral("startup")),
              sandbox.configHome() + QStringLiteral("/autostart"));
    // Other values of the key are the store's.
    EXPECT_EQ(registry.value(key, QStringLiteral("Personal")), std::nullopt);
}

} // namespace
