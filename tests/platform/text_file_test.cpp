#include "platform/error.h"
#include "platform/text_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
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

} // namespace
