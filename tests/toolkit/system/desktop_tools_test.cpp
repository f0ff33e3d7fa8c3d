#include "platform/xdg/registry_error.h"
#include "recording_board.h"
#include "support/scripted_box_presenter.h"
#include "support/xdg_sandbox.h"
#include "toolkit/boxes/message_boxes.h"
#include "toolkit/system/desktop_tools.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace {

using Rows = std::vector<std::pair<QString, QString>>;

class DesktopToolsTest : public testing_support::SandboxedTest {
protected:
    QString autostart() const { return sandbox.systemConfig() + QStringLiteral("/autostart"); }
    void writeFile(const QString& path, const QByteArray& text) const
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    toolkit::ToolsState state;
    testing_support::ScriptedBoxPresenter presenter;
    toolkit::MessageBoxes boxes;
    toolkit_system_testing::RecordingBoard board;
    toolkit::DesktopTools tools{state, boxes, board};
};

TEST_F(DesktopToolsTest, ReadsTheValueOfTheSectionOrTheKeyAndElseTheDefault)
{
    tools.WriteRegistery(QStringLiteral("Software\\Farm"), QStringLiteral("Path"),
                         QStringLiteral("/farm"));
    tools.WriteRegistery(QStringLiteral("Software\\Farm\\Reports"), QStringLiteral("Last"),
                         QStringLiteral("1404/01/01"));
    const auto read = [this](const char* key, const char* section, const char* item) {
        return tools.ReadRegistery(QString::fromUtf8(key), QString::fromUtf8(section),
                                   QString::fromUtf8(item), QStringLiteral("def"));
    };
    EXPECT_EQ(read("Software\\Farm", "", "Path"), QStringLiteral("/farm"));
    EXPECT_EQ(read("\\software\\FARM", "reports", "last"), QStringLiteral("1404/01/01"));
    EXPECT_EQ(read("Software\\Farm", "Reports", "Path"), QStringLiteral("def"));
    EXPECT_EQ(read("Software\\Farm", "Missing", "Last"), QStringLiteral("def"));
    EXPECT_EQ(read("Software\\Other", "", "Path"), QStringLiteral("def"));
}

TEST_F(DesktopToolsTest, ClearsAKeyButRefusesABlankOneThatWouldClearTheBranch)
{
    tools.WriteRegistery(QStringLiteral("Software\\Farm"), QStringLiteral("Path"),
                         QStringLiteral("1"));
    tools.WriteRegistery(QStringLiteral("Software\\Keep"), QStringLiteral("Path"),
                         QStringLiteral("2"));
    EXPECT_THROW(tools.ClearRegistery(QString()), platform::RegistryError);
    EXPECT_THROW(tools.ClearRegistery(QStringLiteral("\\")), platform::RegistryError);
    tools.ClearRegistery(QStringLiteral("Software\\Farm"));
    EXPECT_EQ(tools.ReadRegistery(QStringLiteral("Software\\Farm"), QString(),
                                  QStringLiteral("Path"), QStringLiteral("gone")),
              QStringLiteral("gone"));
    EXPECT_EQ(tools.ReadRegistery(QStringLiteral("Software\\Keep"), QString(),
                                  QStringLiteral("Path"), QString()),
              QStringLiteral("2"));
}

TEST_F(DesktopToolsTest, AValueThatIsNotTextRaisesARegistryError)
{
    writeFile(sandbox.configHome() + QStringLiteral("/farm-toolkit/user-registry.ini"),
              "[Software]\nFarm\\Sizes=1, 2\n");
    EXPECT_THROW(tools.ReadRegistery(QStringLiteral("Software\\Farm"), QString(),
                                     QStringLiteral("Sizes"), QString()),
                 platform::RegistryError);
}

TEST_F(DesktopToolsTest, DesktopAndStartupFoldersAreTheDesktopsOwn)
{
    writeFile(sandbox.configHome() + QStringLiteral("/user-dirs.dirs"),
              "# written by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Skrivebord\"\n");
    EXPECT_EQ(tools.DeskTopPath(), sandbox.home() + QStringLiteral("/Skrivebord"));
    EXPECT_EQ(tools.StartupPath(), sandbox.configHome() + QStringLiteral("/autostart/"));
}

TEST_F(DesktopToolsTest, ListsTheStartupEntriesOnTheBoardAndNothingWithoutTheirFolder)
{
    tools.ShowStartupProgram();
    EXPECT_EQ(board.starts, 0);
    writeFile(autostart() + QStringLiteral("/farm.desktop"),
              "[Desktop Entry]\nExec=\"/opt/farm\"\n");
    writeFile(autostart() + QStringLiteral("/clock.desktop"), "[Desktop Entry]\nExec=xclock -d\n");
    tools.ShowStartupProgram();
    EXPECT_EQ(board.starts, 1);
    EXPECT_EQ(board.stops, 1);
    EXPECT_FALSE(board.farsi);
    EXPECT_EQ(board.caption, QStringLiteral("ليست برنامه هاي Startup ويندوز"));
    EXPECT_EQ(board.rows, (Rows{{QStringLiteral("clock"), QStringLiteral("xclock -d")},
                                {QStringLiteral("farm"), QStringLiteral("\"/opt/farm\"")}}));
}

struct StartupCase {
    const char* name;
    const char* exec; ///< as the entry file holds it
    const char* asked;
    bool found;
};

class StartupMatchTest : public DesktopToolsTest,
                         public ::testing::WithParamInterface<StartupCase> {};

TEST_P(StartupMatchTest, FindsOnlyTheQuotedPathExactly)
{
    writeFile(autostart() + QStringLiteral("/other.desktop"),
              "[Desktop Entry]\nExec=\"/usr/bin/other\"\n");
    writeFile(autostart() + QStringLiteral("/entry.desktop"),
              QByteArray("[Desktop Entry]\nExec=") + GetParam().exec + '\n');
    EXPECT_EQ(tools.IsThisProgramInStartUp(QString::fromUtf8(GetParam().asked)), GetParam().found);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, StartupMatchTest,
    ::testing::Values(
        StartupCase{"quoted", "\"/opt/farm/run\"", "/opt/farm/run", true},
        StartupCase{"blanksAroundAsked", "\"/opt/farm/run\"", " /opt/farm/run  ", true},
        StartupCase{"quotedWithBlank", "\"/opt/my farm/run\"", "/opt/my farm/run", true},
        StartupCase{"bare", "/opt/farm/run", "/opt/farm/run", false},
        StartupCase{"otherCase", "\"/opt/Farm/run\"", "/opt/farm/run", false},
        StartupCase{"withArguments", "\"/opt/farm/run\" -q", "/opt/farm/run", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DesktopToolsTest, AddsAStartupEntryTrimmedAndOverwritesOneOfTheSameTitle)
{
    tools.AddToStartupProgram(QStringLiteral("Farm"), QStringLiteral("/opt/farm"));
    EXPECT_FALSE(QFileInfo::exists(autostart())) << "the machine's folder is never created";
    QDir().mkpath(autostart());
    tools.AddToStartupProgram(QStringLiteral("  Farm  "), QStringLiteral(" /opt/old "));
    tools.AddToStartupProgram(QStringLiteral("farm"), QStringLiteral("/opt/new farm"));
    EXPECT_EQ(QDir(autostart()).entryList(QDir::Files),
              QStringList{QStringLiteral("Farm.desktop")});
    EXPECT_TRUE(tools.IsThisProgramInStartUp(QStringLiteral("/opt/new farm")));
    EXPECT_FALSE(tools.IsThisProgramInStartUp(QStringLiteral("/opt/old")));
    EXPECT_VALID_DESKTOP_FILE(autostart() + QStringLiteral("/Farm.desktop"));
}

TEST_F(DesktopToolsTest, ALinkThatCannotBeWrittenRaises)
{
    const QString link = sandbox.home() + QStringLiteral("/Desktop/Farm.desktop");
    tools.CreateLink(QStringLiteral("/opt/farm/run"), QStringLiteral("-r daily"),
                     QStringLiteral("/opt/farm"), link);
    EXPECT_VALID_DESKTOP_FILE(link);
    EXPECT_THROW(tools.CreateLink(QStringLiteral("/opt/farm/run"), QString(), QString(),
                                  link + QStringLiteral("/x.desktop")),
                 platform::Error);
}

/// Where SetFileAssociate writes for a version code, and what its insert command passes.
struct AssociationCase {
    const char* name;
    const char* winVer;
    bool written;
    bool machine;
    const char* insertSwitch;
};

class FileAssociationTest : public DesktopToolsTest,
                            public ::testing::WithParamInterface<AssociationCase> {
protected:
    static QString run(const QString& program, const QStringList& arguments)
    {
        QProcess process;
        process.start(program, arguments);
        process.waitForFinished(30000);
        return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
    }
};

TEST_P(FileAssociationTest, RegistersOnceForTheVersionAndReadsBack)
{
    const AssociationCase& c = GetParam();
    state.WinVer = QString::fromLatin1(c.winVer);
    tools.SetFileAssociate(QStringLiteral(".fr3"), QStringLiteral("Vexa.Report"));
    const auto once = sandbox.files();
    tools.SetFileAssociate(QStringLiteral(".fr3"), QStringLiteral("Vexa.Report"));
    EXPECT_EQ(sandbox.files(), once) << "a second run changed the files";

    if (!c.written) {
        ASSERT_EQ(presenter.shown.size(), 2u);
        EXPECT_EQ(presenter.shown[0].text, QStringLiteral("عدم ثبت پسوندها"));
        EXPECT_TRUE(once.empty());
        EXPECT_EQ(tools.GetFileAssociate(QStringLiteral(".fr3")), QString());
        return;
    }
    EXPECT_TRUE(presenter.shown.empty());
    const QString data = c.machine ? sandbox.systemData() : sandbox.dataHome();
    const QString config = c.machine ? sandbox.systemConfig() : sandbox.configHome();
    const QString other = c.machine ? sandbox.home() : sandbox.root() + QStringLiteral("/usr");
    for (const auto& [path, bytes] : once)
        EXPECT_FALSE((sandbox.root() + QLatin1Char('/') + path).startsWith(other))
            << qPrintable(path);

    const QString entry = data + QStringLiteral("/applications/Vexa.Report.desktop");
    EXPECT_VALID_DESKTOP_FILE(entry);
    EXPECT_TRUE(QFileInfo::exists(data + QStringLiteral("/mime/packages/fr3-extension.xml")));
    EXPECT_TRUE(QFileInfo::exists(data + QStringLiteral("/mime/mime.cache")));
    EXPECT_TRUE(QFileInfo::exists(config + QStringLiteral("/mimeapps.list")));
    const QString program = QCoreApplication::applicationFilePath();
    EXPECT_EQ(tools.GetFileAssociate(QStringLiteral(".fr3")),
              QLatin1Char('"') + program + QStringLiteral("\" %f"));
    QFile file(entry);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("Name=\\s\\s\\sاجرا با Vexa\n"))) << qPrintable(text);
    EXPECT_TRUE(text.contains(QStringLiteral("Exec=\"%1\" /o %f\n").arg(program)))
        << qPrintable(text);
    EXPECT_TRUE(text.contains(
        QStringLiteral("Exec=\"%1\" %2 %f\n").arg(program, QLatin1String(c.insertSwitch))))
        << qPrintable(text);

    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    ASSERT_FALSE(xdgMime.isEmpty()) << "xdg-mime is not installed (xdg-utils)";
    EXPECT_EQ(run(xdgMime, {QStringLiteral("query"), QStringLiteral("default"),
                            QStringLiteral("application/x-vexa.report")}),
              QStringLiteral("Vexa.Report.desktop"));
}

INSTANTIATE_TEST_SUITE_P(
    Versions, FileAssociationTest,
    ::testing::Values(AssociationCase{"unknown000", "000", false, false, ""},
                      AssociationCase{"win2000", "500", false, false, ""},
                      AssociationCase{"xpMachineWide", "510", true, true, "/A"},
                      AssociationCase{"server2003User", "520", true, false, "/a"},
                      AssociationCase{"sevenUser", "610", true, false, "/a"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DesktopToolsTest, TheUserBranchEndsSilentlyAndTheMachineBranchRaises)
{
    // A file stands where each MIME folder should be.
    writeFile(sandbox.dataHome() + QStringLiteral("/mime"), "blocked");
    writeFile(sandbox.systemData() + QStringLiteral("/mime"), "blocked");
    state.WinVer = QStringLiteral("610");
    EXPECT_NO_THROW(tools.SetFileAssociate(QStringLiteral(".fr3"), QStringLiteral("Vexa.Report")));
    state.WinVer = QStringLiteral("510");
    EXPECT_THROW(tools.SetFileAssociate(QStringLiteral(".fr3"), QStringLiteral("Vexa.Report")),
                 platform::Error);
    EXPECT_TRUE(presenter.shown.empty());
}

TEST_F(DesktopToolsTest, RefusesAnExtensionOrTypeThatWouldReachOutsideItsFolder)
{
    state.WinVer = QStringLiteral("610");
    EXPECT_THROW(tools.SetFileAssociate(QStringLiteral("./../../x"), QStringLiteral("Vexa")),
                 platform::RegistryError);
    EXPECT_THROW(
        tools.SetFileAssociate(QStringLiteral(".fr3"), QStringLiteral("../../../bin/Vexa")),
        platform::RegistryError);
    EXPECT_TRUE(sandbox.files().empty());
}

} // namespace
