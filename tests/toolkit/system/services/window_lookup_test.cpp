#include "toolkit/system/services/window_lookup.h"

#include <gtest/gtest.h>

namespace {

using platform::ClientWindow;
using platform::RunningProgram;

struct ProgramWindowCase {
    const char* name;
    const char* asked;
    std::vector<RunningProgram> programs;
    std::vector<ClientWindow> windows;
    std::uint32_t handle;
};

/// The case's name, in test listings.
void PrintTo(const ProgramWindowCase& c, std::ostream* os)
{
    *os << c.name;
}

class ProgramWindowTest : public ::testing::TestWithParam<ProgramWindowCase> {};

TEST_P(ProgramWindowTest, FindsTheLastWindowOfTheFirstMatchingProgram)
{
    const ProgramWindowCase& c = GetParam();
    EXPECT_EQ(toolkit::programWindow(QString::fromUtf8(c.asked), c.programs, c.windows), c.handle);
}

const std::vector<RunningProgram> kPrograms = {{101, QStringLiteral("Xorg")},
                                               {205, QStringLiteral("VexaSystem.exe")},
                                               {310, QStringLiteral("vexasystem.EXE")},
                                               {400, QStringLiteral("گزارش.exe")}};
const std::vector<ClientWindow> kWindows = {
    {0x0400001, 310}, {0x0600002, 205}, {0x0200007, 101}, {0x0600009, 205}, {0x0800001, 0}};

INSTANTIATE_TEST_SUITE_P(
    Snapshots, ProgramWindowTest,
    ::testing::Values(
        ProgramWindowCase{"exactName", "VexaSystem.exe", kPrograms, kWindows, 0x0600009},
        ProgramWindowCase{"letterCaseIgnored", "VEXASYSTEM.exe", kPrograms, kWindows, 0x0600009},
        ProgramWindowCase{
            "persianName", "گزارش.EXE", kPrograms, {{0x0a00001, 400}, {0x0a00002, 999}}, 0x0a00001},
        ProgramWindowCase{"programWithoutWindow", "گزارش.exe", kPrograms, kWindows, 0},
        ProgramWindowCase{"noSuchProgram", "report.exe", kPrograms, kWindows, 0},
        ProgramWindowCase{"nameWithoutExtension", "VexaSystem", kPrograms, kWindows, 0},
        ProgramWindowCase{
            "firstMatchingProgramOnly",
            "vexasystem.exe",
            {{310, QStringLiteral("VexaSystem.exe")}, {205, QStringLiteral("VexaSystem.exe")}},
            kWindows,
            0x0400001},
        ProgramWindowCase{"noWindows", "Xorg", kPrograms, {}, 0},
        ProgramWindowCase{"emptyName", "", kPrograms, kWindows, 0}),
    [](const auto& info) { return std::string(info.param.name); });

platform::WindowFacts window(const char* title)
{
    platform::WindowFacts w;
    w.visible = true;
    w.desktop = 0x100;
    w.title = QString::fromUtf8(title);
    return w;
}

struct TitleCase {
    const char* name;
    platform::WindowFacts window;
    bool listed;
    QString line;
};

/// The case's name, in test listings.
void PrintTo(const TitleCase& c, std::ostream* os)
{
    *os << c.name;
}

class WindowTitleLineTest : public ::testing::TestWithParam<TitleCase> {};

TEST_P(WindowTitleLineTest, ListsApplicationWindowsOnly)
{
    const TitleCase& c = GetParam();
    const auto line = toolkit::windowTitleLine(c.window);
    ASSERT_EQ(line.has_value(), c.listed);
    if (line) {
        EXPECT_EQ(*line, c.line);
    }
}

platform::WindowFacts with(platform::WindowFacts w, void (*change)(platform::WindowFacts&))
{
    change(w);
    return w;
}

INSTANTIATE_TEST_SUITE_P(
    Windows, WindowTitleLineTest,
    ::testing::Values(
        TitleCase{"visible", window("انتخاب دام"), true, QStringLiteral("انتخاب دام")},
        TitleCase{"minimisedAndUnmapped",
                  with(window("Board"), [](auto& w) { w.visible = false, w.minimised = true; }),
                  true, QStringLiteral("Board")},
        TitleCase{"hidden", with(window("Hidden"), [](auto& w) { w.visible = false; }), false, {}},
        TitleCase{"ownedByTheDesktop", with(window("Dialog"), [](auto& w) { w.owner = 0x100; }),
                  true, QStringLiteral("Dialog")},
        TitleCase{"ownedByAnotherWindow",
                  with(window("Dialog"), [](auto& w) { w.owner = 0x0400001; }),
                  false,
                  {}},
        TitleCase{
            "toolWindow", with(window("Palette"), [](auto& w) { w.toolWindow = true; }), false, {}},
        TitleCase{"gdiPlusWindow", window("GDI+ Window"), false, {}},
        TitleCase{"gdiPlusWindowWithMore", window("GDI+ Window 2"), true,
                  QStringLiteral("GDI+ Window 2")},
        TitleCase{"emptyTitle", window(""), true, QString()},
        TitleCase{"longTitleCut", window(std::string(250, 'w').c_str()), true,
                  QString(200, QLatin1Char('w'))},
        TitleCase{
            "cutNeverHalvesACharacter",
            with(window(""),
                 [](auto& w) { w.title = QString(199, QLatin1Char('w')) + QStringLiteral("😀x"); }),
            true, QString(199, QLatin1Char('w'))}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
