#include "platform/error.h"
#include "platform/text_file.h"
#include "support/file_mode_watch.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <sys/resource.h>

namespace {

/// Every case works on real files in a fresh folder.
class TextFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }

    QString path(const QString& name) const { return m_dir.filePath(name); }

    static QByteArray bytesOf(const QString& file)
    {
        QFile f(file);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << file.toStdString();
        return f.readAll();
    }

    static void putBytes(const QString& file, const QByteArray& bytes)
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(bytes), bytes.size());
    }

    QStringList folderEntries() const
    {
        return QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

private:
    QTemporaryDir m_dir;
};

TEST_F(TextFileTest, PersianTextIsWrittenInTheCodePageWithCrLfAndNoMark)
{
    // Yeh U+064A and Kaf U+0643 as the system writes them; Peh and the euro sign only 1256 has.
    const QString file = path(QStringLiteral("CSVReport.JSC"));
    platform::writeTextFile(
        file, {QStringLiteral("~پيام"), QStringLiteral("كد €"), QStringLiteral("From [2Tarvex] ")});
    EXPECT_EQ(bytesOf(file), QByteArray("~\x81\xED\xC7\xE3\r\n"
                                        "\xDF\xCF \x80\r\n"
                                        "From [2Tarvex] \r\n"));
}

TEST_F(TextFileTest, EmptyListsAndEmptyLines)
{
    const QString file = path(QStringLiteral("a.txt"));
    platform::writeTextFile(file, {});
    EXPECT_EQ(bytesOf(file), QByteArray());
    EXPECT_TRUE(platform::readTextLines(file).isEmpty());
    platform::writeTextFile(file, {QString(), QString()});
    EXPECT_EQ(bytesOf(file), QByteArray("\r\n\r\n"));
    EXPECT_EQ(platform::readTextLines(file), QStringList({QString(), QString()}));
}

TEST_F(TextFileTest, TextTheCodePageCannotHoldIsWrittenAsUtf8WithMark)
{
    // A password of a settings file must come back as it was, never with '?' in it: here one
    // typed on a standard Persian keyboard, whose Yeh (U+06CC) the code page lacks.
    const QString file = path(QStringLiteral("MultiConnect.Dat"));
    const QStringList lines = {QStringLiteral("سرور"), QStringLiteral("رمزی€"),
                               QStringLiteral("漢字")};
    platform::writeTextFile(file, lines);
    const QByteArray bytes = bytesOf(file);
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF"));
    EXPECT_FALSE(bytes.contains('?'));
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(platform::readTextLines(file), lines);
}

TEST_F(TextFileTest, PersianLinesComeBackAsWritten)
{
    const QString file = path(QStringLiteral("b.txt"));
    const QStringList lines = {QStringLiteral("گزارش مشخصات كامپيوتر"), QString(),
                               QStringLiteral("  بله به همه "), QStringLiteral("Select ")};
    platform::writeTextFile(file, lines);
    EXPECT_EQ(platform::readTextLines(file), lines);
    EXPECT_EQ(platform::readTextFile(file), lines.join(QStringLiteral("\r\n")) + "\r\n");
}

TEST_F(TextFileTest, AWriteReplacesALongerFileWhole)
{
    const QString file = path(QStringLiteral("c.txt"));
    platform::writeTextFile(file, QStringList(100, QStringLiteral("a long line of old text")));
    platform::writeTextFile(file, {QStringLiteral("new")});
    EXPECT_EQ(bytesOf(file), QByteArray("new\r\n"));
    EXPECT_EQ(folderEntries(), QStringList({QStringLiteral("c.txt")}));
}

TEST_F(TextFileTest, AFailedWriteLeavesTheOldFileAsItWas)
{
    const QString file = path(QStringLiteral("PassedReportName.txt"));
    platform::writeTextFile(file, {QStringLiteral("old")});

    // Files may grow to 64 bytes only: the write of the new text fails part way (as root too).
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    QString message;
    try {
        platform::writeTextFile(file, QStringList(50, QStringLiteral("new text")));
    } catch (const platform::Error& e) {
        message = e.message();
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_TRUE(message.contains(QStringLiteral("PassedReportName.txt"))) << message.toStdString();
    EXPECT_EQ(bytesOf(file), QByteArray("old\r\n"));
    EXPECT_EQ(folderEntries(), QStringList({QStringLiteral("PassedReportName.txt")}));
}

TEST_F(TextFileTest, FailuresRaiseAnErrorNamingTheFile)
{
    const QString noFolder = path(QStringLiteral("missing/T4V.txt"));
    try {
        platform::writeTextFile(noFolder, {QStringLiteral("x")});
        ADD_FAILURE() << "writing into a missing folder succeeded";
    } catch (const platform::Error& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("T4V.txt"))) << e.message().toStdString();
    }
    try {
        platform::readTextLines(path(QStringLiteral("Create.List")));
        ADD_FAILURE() << "reading a missing file succeeded";
    } catch (const platform::Error& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("Create.List")))
            << e.message().toStdString();
    }
}

TEST_F(TextFileTest, AnotherCodePageCanBeConfiguredAndAnUnknownOneIsRefused)
{
    const QString file = path(QStringLiteral("d.txt"));
    platform::setTextCodePage(QStringLiteral("windows-1252"));
    platform::writeTextFile(file, {QStringLiteral("café")});
    const QByteArray latin = bytesOf(file);
    const QStringList readBack = platform::readTextLines(file);
    EXPECT_THROW(platform::setTextCodePage(QStringLiteral("no-such-page")), platform::Error);
    const QString kept = platform::textCodePage();
    platform::setTextCodePage(QStringLiteral("windows-1256"));

    EXPECT_EQ(latin, QByteArray("caf\xE9\r\n"));
    EXPECT_EQ(readBack, QStringList({QStringLiteral("café")}));
    EXPECT_EQ(kept, "windows-1252");
}

struct ReadCase {
    const char* name;
    QByteArray bytes;
    QStringList lines;
};

class ReadTextLinesTest : public TextFileTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(ReadTextLinesTest, HonoursMarksAndEveryLineEnding)
{
    const QString file = path(QStringLiteral("in.txt"));
    putBytes(file, GetParam().bytes);
    EXPECT_EQ(platform::readTextLines(file), GetParam().lines);
}

const QString kPayam = QStringLiteral("پيام");

INSTANTIATE_TEST_SUITE_P(
    Files, ReadTextLinesTest,
    ::testing::Values(
        ReadCase{"codePage", QByteArray("\x81\xED\xC7\xE3\r\nab"), {kPayam, "ab"}},
        ReadCase{"utf8Mark", QByteArray("\xEF\xBB\xBF") + kPayam.toUtf8() + "\nab", {kPayam, "ab"}},
        ReadCase{"utf16LittleEndian",
                 QByteArray("\xFF\xFE\x7E\x06\x4A\x06\x27\x06\x45\x06\x0D\x00\x0A\x00", 14),
                 {kPayam}},
        ReadCase{"utf16BigEndian",
                 QByteArray("\xFE\xFF\x06\x7E\x06\x4A\x06\x27\x06\x45\x00\x0D\x00\x0A", 14),
                 {kPayam}},
        ReadCase{"mixedEndings", QByteArray("a\r\nb\rc\nd"), {"a", "b", "c", "d"}},
        ReadCase{"emptyLinesKept", QByteArray("a\r\n\r\n\nb\r\n"), {"a", "", "", "b"}},
        ReadCase{"lineFeedThenReturn", QByteArray("a\n\r"), {"a", ""}},
        ReadCase{"lastLineWithoutEnding", QByteArray("a\rb"), {"a", "b"}},
        ReadCase{"onlyAnEnding", QByteArray("\r\n"), {""}},
        ReadCase{"markOnly", QByteArray("\xEF\xBB\xBF"), {}}, ReadCase{"empty", QByteArray(), {}}),
    [](const auto& info) { return std::string(info.param.name); });

struct RoundTripCase {
    const char* name;
    QStringList lines;
};

// Names the case in failure messages instead of dumping its text.
void PrintTo(const RoundTripCase& c, std::ostream* out)
{
    *out << c.name;
}

class WrittenTextTest : public TextFileTest, public ::testing::WithParamInterface<RoundTripCase> {};

// Text whose first bytes in the code page are those of a byte-order mark was read back as UTF-16
// or lost its first characters, and a text starting with U+FEFF lost it: whatever is written
// reads back exactly.
TEST_P(WrittenTextTest, ReadsBackExactly)
{
    const QString file = path(QStringLiteral("MultiConnect.Dat"));
    const QStringList& lines = GetParam().lines;
    platform::writeTextFile(file, lines);
    EXPECT_EQ(platform::readTextLines(file), lines);
    EXPECT_EQ(platform::readTextFile(file), lines.join(QStringLiteral("\r\n")) + "\r\n");
}

const QChar kYehBarree(0x06D2); // FF in windows-1256
const QChar kRlm(0x200F);       // FE in windows-1256
const QChar kBom(0xFEFF);

INSTANTIATE_TEST_SUITE_P(
    Texts, WrittenTextTest,
    ::testing::Values(
        RoundTripCase{"codePageBytesOfAUtf16LittleEndianMark",
                      {QString(kYehBarree) + kRlm + QStringLiteral("سرور"), QStringLiteral("sa")}},
        RoundTripCase{"codePageBytesOfAUtf16BigEndianMark", {QString(kRlm) + kYehBarree}},
        RoundTripCase{"codePageBytesOfAUtf8Mark", {QStringLiteral("ï»؟پيام"), QStringLiteral("x")}},
        RoundTripCase{"startsWithAMarkCharacter", {QString(kBom) + QStringLiteral("pw")}},
        RoundTripCase{"twoMarkCharacters", {QString(kBom) + kBom}},
        RoundTripCase{"markCharacterOnASecondLine", {QStringLiteral("a"), QString(kBom)}},
        RoundTripCase{"markCharacterWithTextTheCodePageLacks",
                      {QString(kBom) + QStringLiteral("رمزی")}}),
    [](const auto& info) { return std::string(info.param.name); });

struct ModeCase {
    const char* name;
    std::function<void(const QString&, const QStringList&)> write;
    bool ownerOnly; ///< no one but the owner may ever see the file's contents
};

// Names the case in failure messages.
void PrintTo(const ModeCase& c, std::ostream* out)
{
    *out << c.name;
}

class FileModeTest : public TextFileTest, public ::testing::WithParamInterface<ModeCase> {};

// Another local user's view of the file while it is made: a stat of every file named after it
// at each system call of the write. A private file was once made with the default mode and
// narrowed only afterwards, and another user read the password in between.
TEST_P(FileModeTest, AsAnotherUserSeesItAtEveryStepOfItsCreation)
{
    const QString name = QStringLiteral("MultiConnect.Dat");
    const QStringList lines{QStringLiteral("srv"), QStringLiteral("master"), QStringLiteral("sa"),
                            QStringLiteral("secret")};
    const testing_support::ModeWatch watch =
        testing_support::watchFileModes(path(QString()), name, [&] {
            try {
                GetParam().write(path(name), lines);
                return true;
            } catch (const platform::Error&) {
                return false;
            }
        });
    if (!watch.traced)
        GTEST_SKIP() << "this system does not let a test trace its child process";
    EXPECT_EQ(watch.exitCode, 0);
    EXPECT_TRUE(std::any_of(watch.seen.begin(), watch.seen.end(), [&](const auto& seen) {
        return seen.name == name.toStdString();
    })) << "the file was never seen being made";
    const std::vector<std::string> exposed = testing_support::exposedToOthers(watch);
    if (GetParam().ownerOnly)
        EXPECT_TRUE(exposed.empty()) << "seen by others: " << ::testing::PrintToString(exposed);
    else // the watch does see what others see
        EXPECT_FALSE(exposed.empty());
    EXPECT_EQ(platform::readTextLines(path(name)), lines);
    EXPECT_EQ(folderEntries(), QStringList{name}) << "a temporary file was left behind";
}

INSTANTIATE_TEST_SUITE_P(
    Writers, FileModeTest,
    ::testing::Values(ModeCase{"privateFile", platform::writePrivateTextFile, true},
                      ModeCase{"ordinaryFile", platform::writeTextFile, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TextFileTest, APrivateFileReplacesASharedOneOwnerOnlyAndFailsLikeAnyWrite)
{
    const QString file = path(QStringLiteral("MultiConnect.Dat"));
    putBytes(file, "old\r\n");
    ASSERT_TRUE(QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner |
                                                QFile::ReadGroup | QFile::ReadOther));
    platform::writePrivateTextFile(file, {QStringLiteral("new")});
    EXPECT_EQ(bytesOf(file), QByteArray("new\r\n"));
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                      QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    EXPECT_EQ(QFile::permissions(file) & others, 0);

    try {
        platform::writePrivateTextFile(path(QStringLiteral("missing/MultiConnect.Dat")), {"x"});
        ADD_FAILURE() << "writing into a missing folder succeeded";
    } catch (const platform::Error& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("MultiConnect.Dat")))
            << e.message().toStdString();
    }
    EXPECT_EQ(folderEntries(), QStringList{QStringLiteral("MultiConnect.Dat")});
}

} // namespace
