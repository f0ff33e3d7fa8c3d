#include "toolkit/system/services/process_tools.h"

#include <QDeadlineTimer>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

/// A folder with a program that writes down what it was given: each argument in brackets, its
/// folder, where each of its open descriptors leads, then "end".
class ProcessToolsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_folder = QDir(m_dir.path()).canonicalPath();
        m_program = path(QStringLiteral("recorder.exe"));
        writeProgram(m_program, "{ for a in \"$@\"; do printf '[%s]\\n' \"$a\"; done\n"
                                "  echo \"dir=$(pwd -P)\"\n"
                                "  for f in /proc/$$/fd/*; do echo \"fd=$(readlink \"$f\")\"; "
                                "done\n"
                                "  echo end; } > " +
                                    quoted(record()) + "\n");
    }

    QString path(const QString& name) const { return m_folder + QLatin1Char('/') + name; }
    QString record() const { return path(QStringLiteral("record")); }
    static QByteArray quoted(const QString& file) { return "'" + file.toUtf8() + "'"; }

    static void writeProgram(const QString& file, const QByteArray& body)
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\n" + body);
        f.close();
        ASSERT_TRUE(f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }

    /// The record's lines once it is complete; empty when it did not come in time.
    QStringList awaitRecord() const
    {
        const QDeadlineTimer deadline(10000);
        while (!deadline.hasExpired()) {
            const QStringList lines = readRecord();
            if (lines.contains(QStringLiteral("end")))
                return lines;
            QThread::msleep(20);
        }
        return {};
    }

    QStringList readRecord() const
    {
        QFile f(record());
        if (!f.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }

    static QStringList arguments(const QStringList& lines)
    {
        QStringList args;
        for (const QString& line : lines)
            if (line.startsWith(QLatin1Char('[')))
                args << line.mid(1, line.size() - 2);
        return args;
    }

    static QStringList descriptors(const QStringList& lines)
    {
        QStringList targets;
        for (const QString& line : lines)
            if (line.startsWith(QLatin1String("fd=")))
                targets << line.mid(3);
        return targets;
    }

    toolkit::ProcessTools m_tools;
    QString m_folder;
    QString m_program;

private:
    QTemporaryDir m_dir;
};

struct ParameterCase {
    const char* name;
    const char* params; ///< %1 stands for the path of a file no command may create
    std::vector<const char*> arguments;
};

/// The case's name, in test listings.
void PrintTo(const ParameterCase& c, std::ostream* os)
{
    *os << c.name;
}

class ParameterSplitTest : public ProcessToolsTest,
                           public ::testing::WithParamInterface<ParameterCase> {};

TEST_P(ParameterSplitTest, ExecAndWaitPassesTheParametersAsArgumentsNeverToAShell)
{
    const ParameterCase& c = GetParam();
    const QString forbidden = path(QStringLiteral("created"));
    const QString params = QString::fromUtf8(c.params).replace(QLatin1String("%1"), forbidden);
    ASSERT_TRUE(m_tools.ExecAndWait(m_program, params));

    QStringList expected;
    for (const char* a : c.arguments)
        expected << QString::fromUtf8(a).replace(QLatin1String("%1"), forbidden);
    EXPECT_EQ(arguments(readRecord()), expected);
    EXPECT_FALSE(QFile::exists(forbidden));
}

INSTANTIATE_TEST_SUITE_P(
    Parameters, ParameterSplitTest,
    ::testing::Values(
        ParameterCase{"empty", "", {}}, ParameterCase{"blanksOnly", "   ", {}},
        ParameterCase{"words", "a  b", {"a", "b"}},
        ParameterCase{"quotedBlank", "\"a b\" c", {"a b", "c"}},
        ParameterCase{"persian", "\"گزارش روزانه\" 1405/01/02", {"گزارش روزانه", "1405/01/02"}},
        ParameterCase{"semicolon", "a; touch %1", {"a;", "touch", "%1"}},
        ParameterCase{"pipe", "a | touch %1", {"a", "|", "touch", "%1"}},
        ParameterCase{
            "substitution", "$(touch %1) `touch %1`", {"$(touch", "%1)", "`touch", "%1`"}},
        ParameterCase{"andAnd", "a&&touch %1", {"a&&touch", "%1"}},
        ParameterCase{"singleQuotesArePlain", "'a b'", {"'a", "b'"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProcessToolsTest, ExecAndWaitStartsTheProgramInItsOwnFolderAndWaitsForItsEnd)
{
    const QString sleeper = path(QStringLiteral("sleeper"));
    const QString marker = path(QStringLiteral("finished"));
    writeProgram(sleeper, "sleep 0.3\npwd -P > " + quoted(marker) + "\n");
    ASSERT_NE(QDir::currentPath(), m_folder);

    EXPECT_TRUE(m_tools.ExecAndWait(sleeper, QString()));
    QFile written(marker); // there at once: the call returned only after the program ended
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(written.readAll()).trimmed(), m_folder);
}

TEST_F(ProcessToolsTest, ExecAndWaitTakesARelativeNameFromOurFolderAndStartsInTheProgramsFolder)
{
    ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("bin"))));
    ASSERT_TRUE(QFile::rename(m_program, path(QStringLiteral("bin/recorder.exe"))));
    const QString ourFolder = QDir::currentPath();
    QDir::setCurrent(m_folder);
    const bool started = m_tools.ExecAndWait(QStringLiteral("bin/recorder.exe"), QString());
    QDir::setCurrent(ourFolder);
    ASSERT_TRUE(started);
    EXPECT_TRUE(readRecord().contains(QStringLiteral("dir=") + path(QStringLiteral("bin"))));
}

TEST_F(ProcessToolsTest, ExecAndWaitSharesNoHandleOfOursBeyondTheStandardThree)
{
    // A file and a socket opened without close-on-exec, as a database client library might.
    const QString secret = path(QStringLiteral("secret.db"));
    QFile(secret).open(QIODevice::WriteOnly);
    const int file = ::open(QFile::encodeName(secret).constData(), O_RDONLY);
    const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
    ASSERT_GE(file, 0);
    ASSERT_GE(socket, 0);

    const bool started = m_tools.ExecAndWait(m_program, QString());
    ::close(file);
    ::close(socket);
    ASSERT_TRUE(started);

    const QStringList targets = descriptors(readRecord());
    EXPECT_FALSE(targets.contains(secret)) << targets.join(QLatin1Char(' ')).toStdString();
    for (const QString& target : targets)
        EXPECT_FALSE(target.startsWith(QLatin1String("socket:"))) << target.toStdString();
    EXPECT_EQ(targets.value(0), QStringLiteral("/dev/null")); // its input is empty
}

TEST_F(ProcessToolsTest, ExecAndWaitReturnsWhenAChildWritingALotEnds)
{
    // The child's output goes where ours goes: here a file standing in for our output.
    constexpr int kBytes = 4 * 1024 * 1024; // far beyond any pipe's buffer
    const QString talker = path(QStringLiteral("talker"));
    writeProgram(talker, "head -c " + QByteArray::number(kBytes) + " /dev/zero\n");
    const QString ours = path(QStringLiteral("our-output"));
    const int saved = ::dup(STDOUT_FILENO);
    const int redirected = ::open(QFile::encodeName(ours).constData(), O_WRONLY | O_CREAT, 0600);
    ASSERT_GE(redirected, 0);
    ::dup2(redirected, STDOUT_FILENO);
    ::close(redirected);

    const bool started = m_tools.ExecAndWait(talker, QString());
    ::dup2(saved, STDOUT_FILENO);
    ::close(saved);

    EXPECT_TRUE(started);
    EXPECT_EQ(QFileInfo(ours).size(), kBytes);
}

TEST_F(ProcessToolsTest, ExecAndWaitAnswersFalseWhenNothingCouldStart)
{
    const QString document = path(QStringLiteral("notes.txt"));
    QFile(document).open(QIODevice::WriteOnly); // exists, but is no program
    EXPECT_FALSE(m_tools.ExecAndWait(path(QStringLiteral("missing.exe")), QStringLiteral("a")));
    EXPECT_FALSE(m_tools.ExecAndWait(document, QString()));
    EXPECT_FALSE(m_tools.ExecAndWait(QString(), QString()));
}

TEST_F(ProcessToolsTest, ExecuteFileParaTrimsTheNameAndStartsInOurFolderWithTheArguments)
{
    m_tools.ExecuteFilePara(QStringLiteral("  ") + m_program + QStringLiteral(" "),
                            QStringLiteral("\"CSVReport.JSC\" x; touch %1").arg(path("created")));
    const QStringList lines = awaitRecord();
    EXPECT_EQ(arguments(lines),
              QStringList({"CSVReport.JSC", "x;", "touch", path(QStringLiteral("created"))}));
    EXPECT_TRUE(lines.contains(QStringLiteral("dir=") + QDir::current().canonicalPath()));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("created"))));
}

TEST_F(ProcessToolsTest, ExecuteFileParaSharesNoHandleOfOurs)
{
    const QString secret = path(QStringLiteral("secret.db"));
    QFile(secret).open(QIODevice::WriteOnly);
    const int file = ::open(QFile::encodeName(secret).constData(), O_RDONLY);
    ASSERT_GE(file, 0);
    m_tools.ExecuteFilePara(m_program, QString());
    ::close(file);
    const QStringList targets = descriptors(awaitRecord());
    ASSERT_FALSE(targets.isEmpty());
    EXPECT_FALSE(targets.contains(secret)) << targets.join(QLatin1Char(' ')).toStdString();
}

TEST_F(ProcessToolsTest, ExecuteFileParaIgnoresAMissingProgram)
{
    EXPECT_NO_THROW(m_tools.ExecuteFilePara(path(QStringLiteral("missing.exe")), "a"));
    EXPECT_NO_THROW(m_tools.ExecuteFilePara(QString(), QString()));
}

/// Receives the URLs the desktop would open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

TEST_F(ProcessToolsTest, OPenUrlHandsTheUrlToTheDesktop)
{
    UrlCatcher catcher;
    for (const char* scheme : {"https", "file", "mailto"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &catcher, "open");
    const QString report = path(QStringLiteral("report.txt"));
    QFile(report).open(QIODevice::WriteOnly);

    m_tools.OPenUrl(QStringLiteral("https://example.org/farm?cow=123"));
    m_tools.OPenUrl(QStringLiteral("mailto:vet@example.org"));
    m_tools.OPenUrl(report);
    EXPECT_NO_THROW(m_tools.OPenUrl(QString()));

    for (const char* scheme : {"https", "file", "mailto"})
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    EXPECT_EQ(catcher.urls, QList<QUrl>({QUrl(QStringLiteral("https://example.org/farm?cow=123")),
                                         QUrl(QStringLiteral("mailto:vet@example.org")),
                                         QUrl::fromLocalFile(report)}));
}

} // namespace

#include "process_tools_test.moc"
