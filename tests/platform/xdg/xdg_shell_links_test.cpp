#include "platform/error.h"
#include "platform/xdg/desktop_entry.h"
#include "platform/xdg/xdg_shell_links.h"
#include "support/xdg_sandbox.h"

#include <gtest/gtest.h>

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class XdgShellLinksTest : public testing_support::SandboxedTest {
protected:
    QString desktop() const { return sandbox.home() + QStringLiteral("/Desktop"); }
    platform::XdgShellLinks links;
};

TEST_F(XdgShellLinksTest, WritesAnExecutableApplicationEntryThatStartsTheTargetWithItsArguments)
{
    const QString link = desktop() + QStringLiteral("/گزارش.desktop");
    links.createLink(QStringLiteral("/opt/farm tool/report"),
                     QStringLiteral("-f \"C:\\my reports\\a.txt\" 100% $HOME"),
                     QStringLiteral("/opt/farm tool"), link);
    EXPECT_VALID_DESKTOP_FILE(link);
    EXPECT_TRUE(QFileInfo(link).permissions() & QFileDevice::ExeOwner);
    const auto entry = platform::DesktopEntry::parse(bytesOf(link));
    const QString group = QStringLiteral("Desktop Entry");
    EXPECT_EQ(entry.value(group, QStringLiteral("Type")), QStringLiteral("Application"));
    EXPECT_EQ(entry.value(group, QStringLiteral("Name")), QStringLiteral("گزارش"));
    EXPECT_EQ(entry.value(group, QStringLiteral("Path")), QStringLiteral("/opt/farm tool"));
    QStringList arguments;
    for (const auto& argument : platform::splitExec(entry.value(group, QStringLiteral("Exec"))))
        arguments.append(argument.text);
    EXPECT_EQ(arguments, (QStringList{QStringLiteral("/opt/farm tool/report"), QStringLiteral("-f"),
                                      QStringLiteral("C:\\my reports\\a.txt"),
                                      QStringLiteral("100%"), QStringLiteral("$HOME")}));
}

TEST_F(XdgShellLinksTest, ATargetWithAnAddressMakesALinkEntry)
{
    const QString link = desktop() + QStringLiteral("/site.desktop");
    links.createLink(QStringLiteral("https://example.org/farm?a=1"), QString(), QString(), link);
    EXPECT_VALID_DESKTOP_FILE(link);
    EXPECT_EQ(bytesOf(link), QByteArray("[Desktop Entry]\nType=Link\nName=site\n"
                                        "URL=https://example.org/farm?a=1\n"));
}

TEST_F(XdgShellLinksTest, ReplacesALinkWholeAndRaisesWhenItCannotBeWritten)
{
    const QString link = desktop() + QStringLiteral("/farm.desktop");
    links.createLink(QStringLiteral("/opt/a"), QStringLiteral("-x"), QString(), link);
    links.createLink(QStringLiteral("/opt/b"), QString(), QString(), link);
    EXPECT_EQ(bytesOf(link),
              QByteArray("[Desktop Entry]\nType=Application\nName=farm\nExec=\"/opt/b\"\n"));
    // A file stands where the folder should be.
    QFile blocker(sandbox.home() + QStringLiteral("/blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_THROW(links.createLink(QStringLiteral("/opt/a"), QString(), QString(),
                                  blocker.fileName() + QStringLiteral("/farm.desktop")),
                 platform::Error);
}

struct ShortcutCase {
    const char* name;
    const char* before;
    const char* after;
};

class InternetShortcutTest : public ::testing::TestWithParam<ShortcutCase> {};

TEST_P(InternetShortcutTest, SetsTheAddressAndKeepsEveryOtherLine)
{
    EXPECT_EQ(platform::internetShortcutBytes(GetParam().before, QStringLiteral("http://farm/b")),
              QByteArray(GetParam().after));
}

INSTANTIATE_TEST_SUITE_P(
    Files, InternetShortcutTest,
    ::testing::Values(
        ShortcutCase{"newFile", "", "[InternetShortcut]\r\nURL=http://farm/b\r\n"},
        ShortcutCase{"replacesTheAddress",
                     "[InternetShortcut]\r\nURL=http://old\r\nIconIndex=0\r\n",
                     "[InternetShortcut]\r\nURL=http://farm/b\r\nIconIndex=0\r\n"},
        ShortcutCase{"namesInAnyCase", "[internetshortcut]\r\n url = http://old\r\n",
                     "[internetshortcut]\r\nURL=http://farm/b\r\n"},
        ShortcutCase{
            "keepsOtherSections",
            "[{000214A0-0000-0000-C000-000000000046}]\r\nProp3=19,2\r\n"
            "[InternetShortcut]\r\nIDList=\r\n\r\n[Other]\r\nURL=keep\r\n",
            "[{000214A0-0000-0000-C000-000000000046}]\r\nProp3=19,2\r\n"
            "[InternetShortcut]\r\nIDList=\r\nURL=http://farm/b\r\n\r\n[Other]\r\nURL=keep\r\n"},
        ShortcutCase{"addsTheSectionAtTheEnd", "[Other]\nURL=keep",
                     "[Other]\nURL=keep\n[InternetShortcut]\r\nURL=http://farm/b\r\n"},
        ShortcutCase{"keepsLfLines", "[InternetShortcut]\nURL=http://old\n",
                     "[InternetShortcut]\nURL=http://farm/b\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(XdgShellLinksTest, InternetShortcutIsWrittenInPlaceAndAnAddressCannotAddALine)
{
    const QString file = sandbox.home() + QStringLiteral("/farm.url");
    links.createInternetShortcut(file, QStringLiteral("http://farm/a"));
    links.createInternetShortcut(file, QStringLiteral("http://farm/گزارش"));
    EXPECT_EQ(bytesOf(file),
              QStringLiteral("[InternetShortcut]\r\nURL=http://farm/گزارش\r\n").toUtf8());
    EXPECT_THROW(links.createInternetShortcut(file, QStringLiteral("http://a\r\n[Other]")),
                 platform::Error);
    EXPECT_THROW(links.createInternetShortcut(sandbox.home(), QStringLiteral("http://a")),
                 platform::Error);
}

} // namespace
