#include "platform/error.h"
#include "platform/text_file.h"
#include "support/qstring_printer.h"
#include "toolkit/db/db_text_tools.h"
#include "toolkit/db/settings_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>

namespace {

using toolkit::DbTextTools;

struct TrimCase {
    const char* name;
    QString in;
    QString out;
};

class RemoveRLBLankTest : public testing::TestWithParam<TrimCase> {};

TEST_P(RemoveRLBLankTest, Trims)
{
    EXPECT_EQ(DbTextTools::RemoveRLBLank(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(Texts, RemoveRLBLankTest,
                         testing::Values(TrimCase{"BlanksBothSides", "  ab  ", "ab"},
                                         TrimCase{"OnlyBlanksUnchanged", "    ", "    "},
                                         TrimCase{"Empty", "", ""},
                                         TrimCase{"TabStaysAndBlanksBehindIt", "\ta ", "\ta"},
                                         TrimCase{"OnlyControlsUnchanged", " \t\r\n ", " \t\r\n "},
                                         TrimCase{"InnerBlanksStay", " a  b ", "a  b"},
                                         TrimCase{"BlankBeforeTrailingTabStays", " a \t", "a \t"},
                                         TrimCase{"Persian", " گاو ", "گاو"}),
                         [](const testing::TestParamInfo<TrimCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(DbTextTools, FindXorKeysEachPositionWithTwiceItsNumber)
{
    EXPECT_EQ(DbTextTools::FindXOR(QString()), QString());
    // 'a' ^ 2, 'b' ^ 4, 'c' ^ 6
    EXPECT_EQ(DbTextTools::FindXOR(QStringLiteral("abc")), QStringLiteral("cfe"));
    // Position 32768 is keyed with 65536, whose low 16 bits are 0: that character stays.
    const QString longText(32769, QLatin1Char('x'));
    const QString scrambled = DbTextTools::FindXOR(longText);
    EXPECT_EQ(scrambled[32767], QLatin1Char('x'));
    EXPECT_EQ(scrambled[32768], QChar(u'x' ^ 2));
}

TEST(DbTextTools, ScramblingTwiceGivesEveryCodeUnitBack)
{
    // Every 16-bit code unit, at positions whose keys cover all low bits.
    QString all;
    for (int u = 0; u <= 0xFFFF; ++u)
        all.append(QChar(static_cast<char16_t>(u)));
    EXPECT_EQ(DbTextTools::FindXOR(DbTextTools::FindXOR(all)), all);
    EXPECT_EQ(DbTextTools::FindXORSimple(DbTextTools::FindXORSimple(all)), all);
    EXPECT_EQ(DbTextTools::FindXORSimple(QStringLiteral("ab0")), QStringLiteral("`c1"));
}

TEST(DbTextTools, IsBlank)
{
    EXPECT_TRUE(DbTextTools::IsBlank(QString()));
    EXPECT_TRUE(DbTextTools::IsBlank(QStringLiteral(" \t\r\n \x1F")));
    EXPECT_FALSE(DbTextTools::IsBlank(QStringLiteral("0")));
    EXPECT_FALSE(DbTextTools::IsBlank(QStringLiteral(" \t-\n")));
}

QStringList scrambled(const QStringList& plain)
{
    QStringList out;
    for (const QString& line : plain)
        out.append(DbTextTools::FindXOR(line));
    return out;
}

TEST(ConnectionSettingsFiles, WTimesLinesArePasswordServerDatabaseUser)
{
    const toolkit::ConnectionSettings four =
        toolkit::settingsFromWTimes(scrambled({"p;{}=w", "farm\\SQL", "Herd", "sa", "ignored"}));
    EXPECT_EQ(four, (toolkit::ConnectionSettings{"farm\\SQL", "Herd", "sa", "p;{}=w"}));

    const toolkit::ConnectionSettings two =
        toolkit::settingsFromWTimes(scrambled({"secret", "server"}));
    EXPECT_EQ(two, (toolkit::ConnectionSettings{"server", "", "", "secret"}));
}

TEST(ConnectionSettingsFiles, ScrambledLineBreakStaysInsideItsValue)
{
    const QString server = "sqlite:/tmp/abcd/Farm"; // the "/" at 17 scrambles into CR
    ASSERT_TRUE(DbTextTools::FindXOR(server).contains(QLatin1Char('\r')));
    const QStringList lines = scrambled({"pw", server, "Herd", "sa"});
    const QString text = lines.join("\r\n") + "\r\n";
    EXPECT_EQ(toolkit::settingsFromWTimes(toolkit::wtimesLines(text)),
              (toolkit::ConnectionSettings{server, "Herd", "sa", "pw"}));
}

TEST(ConnectionSettingsFiles, WTimesWrittenWithOtherLineEndsStillSplits)
{
    EXPECT_EQ(toolkit::wtimesLines("\nb\rc\n"), (QStringList{"", "b", "c"})); // empty password
    EXPECT_EQ(toolkit::wtimesLines("a\r\nb"), (QStringList{"a", "b"}));
    EXPECT_TRUE(toolkit::wtimesLines("").isEmpty());
}

TEST(ConnectionSettingsFiles, MultiConnectNeedsFourLines)
{
    EXPECT_THROW(toolkit::settingsFromMultiConnect({"s", "d", "u"}), platform::Error);
    const QStringList lines{"s", "d", "u", "p;{}="};
    EXPECT_EQ(
        toolkit::multiConnectLines(toolkit::settingsFromMultiConnect(lines + QStringList{"x"})),
        lines);
}

struct WTimesCase {
    const char* name;
    toolkit::ConnectionSettings settings;
    const char* refused; ///< the setting the refusal names; nullptr when the file is written
};

// Names the case in failure messages instead of dumping its values.
void PrintTo(const WTimesCase& c, std::ostream* out)
{
    *out << c.name;
}

class WTimesWriter : public testing::TestWithParam<WTimesCase> {};

// What is written reads back as the program reads it, or nothing is written and the setting
// that cannot be stored is named. A scrambled CR followed by LF once split its line, and every
// later setting shifted by one.
TEST_P(WTimesWriter, WritesWhatReadsBackOrRefusesTheSettingByName)
{
    const WTimesCase& c = GetParam();
    QTemporaryDir dir;
    const QString file = QDir(dir.path()).filePath(toolkit::kWTimesFile);
    QString message;
    try {
        toolkit::writeWTimesFile(file, c.settings);
    } catch (const platform::Error& error) {
        message = error.message();
    }
    if (c.refused != nullptr) {
        EXPECT_TRUE(message.startsWith(QStringLiteral("The %1 ").arg(QLatin1String(c.refused))))
            << message.toStdString();
        EXPECT_FALSE(QFile::exists(file));
        return;
    }
    ASSERT_TRUE(message.isEmpty()) << message.toStdString();
    EXPECT_EQ(toolkit::settingsFromWTimes(toolkit::wtimesLines(platform::readTextFile(file))),
              c.settings);
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                      QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    EXPECT_EQ(QFile::permissions(file) & others, 0) << "the file holds a password";
}

// p counted from 1: the characters 13 XOR 2p and 10 XOR 2(p+1) scramble into CR LF.
const QString kCrLfAtOne = QString(QChar(13 ^ 2)) + QChar(10 ^ 4);

INSTANTIATE_TEST_SUITE_P(
    Settings, WTimesWriter,
    testing::Values(
        WTimesCase{"demoFarm", {"sqlite:../farm", "DemoFarm", "sa", ""}, nullptr},
        WTimesCase{"persianAndPunctuation",
                   {"farm\\SQL,1433", QStringLiteral("دامداري"), "sa", "p;{}=w"},
                   nullptr},
        WTimesCase{
            "loneCarriageReturnStaysWhole", {"sqlite:/tmp/abcd/Farm", "Herd", "sa", "pw"}, nullptr},
        WTimesCase{
            "serverScramblingIntoCrLf", {"sqlite:../farm12/../farm", "Farm", "sa", "pw"}, "server"},
        WTimesCase{"passwordScramblingIntoCrLf", {"srv", "Farm", "sa", kCrLfAtOne}, "password"},
        WTimesCase{"userScramblingIntoCrLf", {"srv", "Farm", kCrLfAtOne, "pw"}, "user name"},
        WTimesCase{
            "databaseNotWholeText", {"srv", QString(QChar(0xD800)), "sa", "pw"}, "database"}),
    [](const auto& info) { return std::string(info.param.name); });

// A line break in a value would move every later setting up a line when the file is read back:
// the writer refuses the value, naming the setting.
TEST(ConnectionSettingsFiles, MultiConnectRefusesALineBreakInAValue)
{
    const toolkit::ConnectionSettings plain{"s", "d", "u", "p"};
    const struct {
        QString toolkit::ConnectionSettings::*value;
        const char* named;
    } fields[] = {{&toolkit::ConnectionSettings::Server, "server"},
                  {&toolkit::ConnectionSettings::Database, "database name"},
                  {&toolkit::ConnectionSettings::UserName, "user name"},
                  {&toolkit::ConnectionSettings::Password, "password"}};
    for (const auto& field : fields) {
        for (const char* broken : {"a\nb", "a\rb", "a\r\nb", "\n"}) {
            toolkit::ConnectionSettings settings = plain;
            settings.*field.value = QString::fromUtf8(broken);
            try {
                toolkit::multiConnectLines(settings);
                ADD_FAILURE() << field.named << " holding a line break was accepted";
            } catch (const platform::Error& error) {
                EXPECT_TRUE(error.message().contains(QString::fromUtf8(field.named)))
                    << error.message().toStdString();
            }
        }
    }
}

} // namespace
