#include "support/wait_for_file.h"
#include "toolkit/system/system_tools.h"
#include "toolkit/system/windows_version.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct VersionCase {
    const char* name;
    int platformId;
    int major;
    int minor;
    const char* servicePack;
    const char* productType;
    const char* code;
};

class WindowsVersionCodeTest : public ::testing::TestWithParam<VersionCase> {};

TEST_P(WindowsVersionCodeTest, NamesTheVersionTheTableKnows)
{
    const VersionCase& c = GetParam();
    platform::SystemVersion v;
    v.isWindows = true;
    v.platformId = c.platformId;
    v.major = c.major;
    v.minor = c.minor;
    v.servicePack = QString::fromLatin1(c.servicePack);
    v.productType = QString::fromLatin1(c.productType);
    EXPECT_EQ(toolkit::windowsVersionCode(v), QString::fromLatin1(c.code));
}

INSTANTIATE_TEST_SUITE_P(
    Versions, WindowsVersionCodeTest,
    ::testing::Values(VersionCase{"win95", 1, 4, 0, "", "", "400-wvWin95"},
                      VersionCase{"win98SecondEdition", 1, 4, 10, " A ", "", "410-wvWin98SE"},
                      VersionCase{"win98", 1, 4, 10, "", "", "411-wvWin98"},
                      VersionCase{"win98LowerCaseA", 1, 4, 10, " a ", "", "411-wvWin98"},
                      VersionCase{"win98AFirst", 1, 4, 10, "A", "", "411-wvWin98"},
                      VersionCase{"winMe", 1, 4, 90, "", "", "490-wvWinME"},
                      VersionCase{"other95Family", 1, 5, 0, "", "", "491-wvUnknown"},
                      VersionCase{"nt351", 2, 3, 51, "", "", "433-wvWinNT"},
                      VersionCase{"nt4", 2, 4, 0, "", "", "433-wvWinNT"},
                      VersionCase{"win2000", 2, 5, 0, "", "", "500-wvWin2000"},
                      VersionCase{"winXp", 2, 5, 1, "", "", "510-wvWinXP"},
                      VersionCase{"server2003", 2, 5, 2, "", "", "520-wv2003Server"},
                      VersionCase{"nt53", 2, 5, 3, "", "", "000-wvUnknown"},
                      VersionCase{"vista", 2, 6, 0, "", "WINNT", "600-wvWinVista"},
                      VersionCase{"vistaAnyCase", 2, 6, 0, "", "WinNt", "600-wvWinVista"},
                      VersionCase{"server2008", 2, 6, 0, "", "SERVERNT", "607-wv2008Server"},
                      VersionCase{"domainController", 2, 6, 0, "", "LANMANNT", "607-wv2008Server"},
                      VersionCase{"productTypeUnread", 2, 6, 0, "", "", "607-wv2008Server"},
                      VersionCase{"seven", 2, 6, 1, "", "", "610-wvSeven"},
                      VersionCase{"eight", 2, 6, 2, "", "", "000-wvUnknown"},
                      VersionCase{"ten", 2, 10, 0, "", "", "000-wvUnknown"},
                      VersionCase{"otherPlatform", 3, 5, 1, "", "", "000-wvUnknown"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WindowsVersionCode, ASystemThatIsNotWindowsHasNoCode)
{
    platform::SystemVersion debian;
    debian.name = QStringLiteral("Debian GNU/Linux 12");
    EXPECT_EQ(toolkit::windowsVersionCode(debian), "000-wvUnknown");
    // Numbers that look like Windows XP do not make a system Windows.
    debian.platformId = 2;
    debian.major = 5;
    debian.minor = 1;
    EXPECT_EQ(toolkit::windowsVersionCode(debian), "000-wvUnknown");
}

class SystemToolsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    QString path(const QString& name) const { return m_dir.filePath(name); }

    /// An executable script that writes a marker file beside itself when it runs.
    QString programWritingMarker(const QString& name, const QString& marker) const
    {
        const QString program = path(name);
        QFile f(program);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\necho started > '" + path(marker).toUtf8() + "'\n");
        f.close();
        EXPECT_TRUE(f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        return program;
    }

    toolkit::SystemTools m_tools;

private:
    QTemporaryDir m_dir;
};

TEST_F(SystemToolsTest, GetWinVersionOnThisSystemIsTheUnknownCode)
{
    const QString code = m_tools.GetWinVersion();
    EXPECT_EQ(code, "000-wvUnknown");
    EXPECT_EQ(code.left(3), "000"); // what start-up keeps as the version
}

TEST_F(SystemToolsTest, ExecuteFileStartsTheProgramAndReturnsAtOnce)
{
    const QString program =
        programWritingMarker(QStringLiteral("VexaSystem.exe"), QStringLiteral("marker"));
    m_tools.ExecuteFile(program);
    EXPECT_TRUE(testing_support::fileAppears(path(QStringLiteral("marker"))));
}

TEST_F(SystemToolsTest, ExecuteFileUsesTheNameAsGiven)
{
    // A name with a blank at its end is another file: nothing starts, nothing is raised.
    const QString program =
        programWritingMarker(QStringLiteral("VexaSystem.exe"), QStringLiteral("trimmed"));
    EXPECT_NO_THROW(m_tools.ExecuteFile(program + QLatin1Char(' ')));
    const QString blankNamed =
        programWritingMarker(QStringLiteral(" report.sh"), QStringLiteral("untrimmed"));
    m_tools.ExecuteFile(blankNamed);
    EXPECT_TRUE(testing_support::fileAppears(path(QStringLiteral("untrimmed"))));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("trimmed"))));
}

TEST_F(SystemToolsTest, ExecuteFileIgnoresAMissingFile)
{
    EXPECT_NO_THROW(m_tools.ExecuteFile(path(QStringLiteral("VexaSystem.exe"))));
    EXPECT_NO_THROW(m_tools.ExecuteFile(QString()));
}

} // namespace
