#include "platform/xdg/desktop_entry.h"
#include "support/qstring_printer.h"

#include <gtest/gtest.h>

namespace {

using platform::DesktopEntry;
using platform::ExecArgument;

struct TextCase {
    const char* name;
    const char* text;
};

class KeyFileValueTest : public ::testing::TestWithParam<TextCase> {};

// A value read back from a written file is the value set, and writing it never adds a line.
TEST_P(KeyFileValueTest, ComesBackAsSetOnOneLine)
{
    const QString text = QString::fromUtf8(GetParam().text);
    DesktopEntry entry;
    entry.set(QStringLiteral("Desktop Entry"), QStringLiteral("Name"), text);
    entry.set(QStringLiteral("Desktop Entry"), QStringLiteral("Type"), QStringLiteral("Link"));
    const QByteArray bytes = entry.toBytes();
    EXPECT_EQ(bytes.count('\n'), 3) << bytes.constData();
    const DesktopEntry read = DesktopEntry::parse(bytes);
    EXPECT_EQ(read.value(QStringLiteral("Desktop Entry"), QStringLiteral("Name")), text);
    EXPECT_EQ(read.value(QStringLiteral("Desktop Entry"), QStringLiteral("Type")),
              QStringLiteral("Link"));
    EXPECT_EQ(read.groups(), QStringList{QStringLiteral("Desktop Entry")});
}

INSTANTIATE_TEST_SUITE_P(
    Values, KeyFileValueTest,
    ::testing::Values(TextCase{"plain", "Farm report"}, TextCase{"persian", "گزارشگير Vexa"},
                      TextCase{"leadingBlanks", "   اجرا با Vexa"},
                      TextCase{"trailingBlank", "end "},
                      TextCase{"newlineAddsNoKey", "x\nExec=rm -rf /\n[Other]"},
                      TextCase{"carriageReturnAndTab", "a\rb\tc"},
                      TextCase{"backslashes", "C:\\farm\\n\\s"}, TextCase{"empty", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DesktopEntryTest, KeepsCommentsOtherGroupsAndKeysWhenOneKeyChanges)
{
    const QByteArray file =
        "# made by hand\n[Default Applications]\n# ours\ntext/plain=a.desktop;\n"
        "\n[Added Associations]\nimage/png=b.desktop;\n";
    DesktopEntry entry = DesktopEntry::parse(file);
    entry.set(QStringLiteral("Default Applications"), QStringLiteral("text/plain"),
              QStringLiteral("c.desktop;"));
    EXPECT_EQ(entry.toBytes(), QByteArray("[Default Applications]\n# ours\ntext/plain=c.desktop;\n"
                                          "\n[Added Associations]\nimage/png=b.desktop;\n"));
    entry.set(QStringLiteral("Removed Associations"), QStringLiteral("a"), QStringLiteral("b"));
    EXPECT_TRUE(entry.toBytes().endsWith("image/png=b.desktop;\n\n[Removed Associations]\na=b\n"));
}

TEST(DesktopEntryTest, ReadsBlanksAroundTheEqualsSignAndCrLfLines)
{
    const DesktopEntry entry =
        DesktopEntry::parse("[Desktop Entry]\r\nName = Farm \r\nExec=\t\"/opt/x\"\r\n");
    EXPECT_EQ(entry.value(QStringLiteral("Desktop Entry"), QStringLiteral("Name")),
              QStringLiteral("Farm "));
    EXPECT_EQ(entry.value(QStringLiteral("Desktop Entry"), QStringLiteral("Exec")),
              QStringLiteral("\"/opt/x\""));
    EXPECT_FALSE(entry.contains(QStringLiteral("Desktop Entry"), QStringLiteral("name")));
}

struct ExecCase {
    const char* name;
    const char* argument;
    const char* written;
};

class ExecArgumentTest : public ::testing::TestWithParam<ExecCase> {};

// Each argument is written by the Exec quoting rules and read back as itself, beside others.
TEST_P(ExecArgumentTest, IsQuotedByTheRulesAndReadBack)
{
    const QString argument = QString::fromUtf8(GetParam().argument);
    const QString written = platform::quoteExecArgument(argument);
    EXPECT_EQ(written, QString::fromUtf8(GetParam().written));
    const auto read = platform::splitExec(QStringLiteral("\"/opt/farm tool\" ") + written +
                                          QStringLiteral(" %f"));
    ASSERT_EQ(read.size(), 3u);
    EXPECT_EQ(read[0].text, QStringLiteral("/opt/farm tool"));
    EXPECT_EQ(read[1].text, argument);
    EXPECT_EQ(read[2].text, QStringLiteral("%f"));
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, ExecArgumentTest,
    ::testing::Values(ExecCase{"plain", "/o", "/o"}, ExecCase{"percentDoubled", "50%", "50%%"},
                      ExecCase{"blankQuoted", "my file", "\"my file\""},
                      ExecCase{"quoteEscaped", "say \"hi\"", "\"say \\\"hi\\\"\""},
                      ExecCase{"dollarAndBacktick", "$HOME`id`", "\"\\$HOME\\`id\\`\""},
                      ExecCase{"backslash", "C:\\farm", "\"C:\\\\farm\""},
                      ExecCase{"shellCharacters", "a;b|c&d", "\"a;b|c&d\""},
                      ExecCase{"newline", "a\nb", "\"a\nb\""}, ExecCase{"empty", "", "\"\""},
                      ExecCase{"fieldCodeLookalike", "%f", "%%f"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ExecLineTest, AlwaysQuoteQuotesAPlainPathAndSplitTellsQuotedFromBare)
{
    EXPECT_EQ(platform::quoteExecArgument(QStringLiteral("/opt/farm"), true),
              QStringLiteral("\"/opt/farm\""));
    const std::vector<ExecArgument> expected{{QStringLiteral("/opt/farm"), true},
                                             {QStringLiteral("/a"), false},
                                             {QStringLiteral(""), true}};
    EXPECT_EQ(platform::splitExec(QStringLiteral("  \"/opt/farm\"   /a \"\"  ")), expected);
}

} // namespace
