#include "fake_window_manager.h"
#include "support/virtual_display.h"
#include "toolkit/system/services/desktop_service_tools.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>
#include <vector>

namespace {

/// Sets an environment variable for a test's lifetime (unset when value is null).
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const QByteArray& value)
        : m_name(name), m_had(qEnvironmentVariableIsSet(name)), m_saved(qgetenv(name))
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~ScopedEnvironment()
    {
        if (m_had)
            qputenv(m_name, m_saved);
        else
            qunsetenv(m_name);
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* m_name;
    bool m_had;
    QByteArray m_saved;
};

TEST(GetFileHandle, IsZeroWithoutX)
{
    const ScopedEnvironment noDisplay("DISPLAY", QByteArray());
    toolkit::DesktopServiceTools tools;
    // Our own program runs, but there is no window list to find its window in.
    const QString ours = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    EXPECT_EQ(tools.GetFileHandle(ours.toUpper()), 0U);
    EXPECT_EQ(tools.GetFileHandle(QStringLiteral("no-such-program.exe")), 0U);
}

TEST(EnumWindowsProc, WithoutXAddsNothingAndGoesOn)
{
    const ScopedEnvironment noDisplay("DISPLAY", QByteArray());
    toolkit::DesktopServiceTools tools;
    EXPECT_TRUE(tools.EnumWindowsProc(0x0400001, 0));
    EXPECT_TRUE(tools.CTILIst().isEmpty());
}

/// A display of the test's own with a window manager played by the test.
class XDesktopTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(m_server.name().isEmpty()) << "Xvfb did not start";
        m_wm = std::make_unique<testing_support::FakeWindowManager>();
        ASSERT_TRUE(m_wm->connected());
    }

    testing_support::VirtualDisplay m_server;
    std::unique_ptr<testing_support::FakeWindowManager> m_wm;
};

TEST_F(XDesktopTest, GetFileHandleFindsTheLastWindowOfTheProgram)
{
    // A running program of a name no other process has, longer than a process name's 15
    // characters.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString name = QStringLiteral("Herd Report %1.EXE").arg(QFileInfo(dir.path()).fileName());
    ASSERT_TRUE(QFile::copy(QStringLiteral("/bin/sleep"), dir.filePath(name)));
    QProcess program;
    program.start(dir.filePath(name), {QStringLiteral("60")});
    ASSERT_TRUE(program.waitForStarted());
    const long pid = static_cast<long>(program.processId());

    const auto other = m_wm->makeWindow(QStringLiteral("other"), 1);
    const auto first = m_wm->makeWindow(QStringLiteral("first"), pid);
    const auto last = m_wm->makeWindow(QStringLiteral("last"), pid, false);
    const auto unowned = m_wm->makeWindow(QStringLiteral("unowned"), 0);
    m_wm->publishClientList({other, first, last, unowned});

    toolkit::DesktopServiceTools tools;
    EXPECT_EQ(tools.GetFileHandle(name.toLower()), last);
    EXPECT_EQ(tools.GetFileHandle(name.left(15)), 0U); // the short process name is not it
    EXPECT_EQ(tools.GetFileHandle(QStringLiteral("no-such-program.exe")), 0U);
    program.kill();
    program.waitForFinished();
}

TEST_F(XDesktopTest, EnumWindowsProcListsTheTitlesOfApplicationWindows)
{
    const auto main = m_wm->makeWindow(QStringLiteral("انتخاب دام"), 1);
    const auto hidden = m_wm->makeWindow(QStringLiteral("Hidden"), 1, false);
    const auto minimised = m_wm->makeWindow(QStringLiteral("Minimised"), 1, false);
    m_wm->setIconic(minimised);
    const auto owned = m_wm->makeWindow(QStringLiteral("Owned"), 1);
    m_wm->setTransientFor(owned, main);
    const auto groupDialog = m_wm->makeWindow(QStringLiteral("Owned by the desktop"), 1);
    m_wm->setTransientFor(groupDialog, m_wm->root());
    const auto palette = m_wm->makeWindow(QStringLiteral("Palette"), 1);
    m_wm->setUtilityType(palette);
    const auto gdi = m_wm->makeWindow(QStringLiteral("GDI+ Window"), 1);
    const auto legacy = m_wm->makeLegacyWindow(QStringLiteral("Legacy title"));

    toolkit::DesktopServiceTools tools;
    for (const auto w : {main, hidden, minimised, owned, groupDialog, palette, gdi, legacy})
        EXPECT_TRUE(tools.EnumWindowsProc(w, 0));
    EXPECT_TRUE(tools.EnumWindowsProc(0x7ffffff, 0)); // no such window: an X error, survived
    EXPECT_EQ(tools.CTILIst().join(QLatin1Char('|')).toStdString(),
              "انتخاب دام|Minimised|Owned by the desktop|Legacy title");
}

TEST(ExportIcon, GivesTheIconOfTheFilesType)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString text = dir.filePath(QStringLiteral("notes.txt"));
    QFile(text).open(QIODevice::WriteOnly);
    const QString picture = dir.filePath(QStringLiteral("cow.bmp"));
    QFile bmp(picture);
    ASSERT_TRUE(bmp.open(QIODevice::WriteOnly));
    bmp.write("BM"); // a name and content of a picture
    bmp.close();
    const QString unknown = dir.filePath(QStringLiteral("data.zzq"));
    QFile(unknown).open(QIODevice::WriteOnly);

    toolkit::DesktopServiceTools tools;
    EXPECT_EQ(tools.ExportIcon(text).name().toStdString(), "text-x-generic");
    EXPECT_EQ(tools.ExportIcon(picture).name().toStdString(), "image-x-generic");
    EXPECT_EQ(tools.ExportIcon(dir.path()).name().toStdString(), "inode-directory");
    EXPECT_FALSE(tools.ExportIcon(unknown).isNull());
    EXPECT_FALSE(tools.ExportIcon(dir.filePath(QStringLiteral("missing.txt"))).isNull());
}

/// Stand-ins for the desktops' settings tools on the search path: each writes down its
/// arguments, one a line, and the Xfce one lists its properties when asked.
class ChangeWallpaperTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        const QString bin = m_dir.filePath(QStringLiteral("bin"));
        QDir().mkpath(bin);
        m_log = m_dir.filePath(QStringLiteral("calls"));
        const QByteArray record = "printf '%s|' \"${0##*/}\" \"$@\" >> '" + m_log.toUtf8() +
                                  "'\necho >> '" + m_log.toUtf8() + "'\n";
        writeTool(bin + QStringLiteral("/gsettings"), record);
        writeTool(bin + QStringLiteral("/xfconf-query"),
                  record + "[ \"$3\" = -l ] && printf '%s\\n' "
                           "/backdrop/screen0/monitor0/workspace0/last-image "
                           "/backdrop/screen0/monitor0/workspace0/image-style "
                           "/backdrop/screen0/monitorHDMI-1/workspace1/last-image\n"
                           "exit 0\n");
        m_path = std::make_unique<ScopedEnvironment>("PATH", bin.toUtf8() + ":" + qgetenv("PATH"));
        m_picture = m_dir.filePath(QStringLiteral("گاو's.bmp"));
    }

    static void writeTool(const QString& file, const QByteArray& body)
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\n" + body);
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    /// The calls made, one a line, each argument followed by "|".
    std::string calls() const
    {
        QFile f(m_log);
        return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
    }

    static std::string lines(const QStringList& calls)
    {
        return (calls.join(QLatin1Char('\n')) + QLatin1Char('\n')).toStdString();
    }

    QTemporaryDir m_dir;
    QString m_log;
    QString m_picture;
    std::unique_ptr<ScopedEnvironment> m_path;
};

TEST_F(ChangeWallpaperTest, GnomeAndItsRelativesGetTheirSetting)
{
    // The quote in the name stays one, escaped inside the quoted text gsettings reads.
    const QString uri = QUrl::fromLocalFile(m_picture)
                            .toString(QUrl::FullyEncoded)
                            .replace(QLatin1String("'"), QLatin1String("\\'"));
    for (const char* desktop : {"GNOME", "ubuntu:GNOME", "Budgie:GNOME", "Unity"}) {
        const ScopedEnvironment session("XDG_CURRENT_DESKTOP", desktop);
        QFile::remove(m_log);
        toolkit::DesktopServiceTools().ChangeWallpaper(m_picture);
        EXPECT_EQ(
            calls(),
            lines({"gsettings|set|org.gnome.desktop.background|picture-uri|'" + uri + "'|",
                   "gsettings|set|org.gnome.desktop.background|picture-uri-dark|'" + uri + "'|"}))
            << desktop;
    }
}

TEST_F(ChangeWallpaperTest, MateGetsThePathAsAQuotedText)
{
    const ScopedEnvironment session("XDG_CURRENT_DESKTOP", "MATE");
    toolkit::DesktopServiceTools().ChangeWallpaper(m_picture);
    QString quoted = m_picture;
    quoted.replace(QLatin1String("'"), QLatin1String("\\'"));
    EXPECT_EQ(calls(),
              lines({"gsettings|set|org.mate.background|picture-filename|'" + quoted + "'|"}));
}

TEST_F(ChangeWallpaperTest, XfceSetsThePictureOfEveryMonitorAndWorkspace)
{
    const ScopedEnvironment session("XDG_CURRENT_DESKTOP", "XFCE");
    toolkit::DesktopServiceTools().ChangeWallpaper(m_picture);
    const QString set =
        QStringLiteral("xfconf-query|-c|xfce4-desktop|-p|%1|-s|") + m_picture + QLatin1Char('|');
    EXPECT_EQ(calls(), lines({"xfconf-query|-c|xfce4-desktop|-l|",
                              set.arg("/backdrop/screen0/monitor0/workspace0/last-image"),
                              set.arg("/backdrop/screen0/monitorHDMI-1/workspace1/last-image")}));
}

TEST_F(ChangeWallpaperTest, ElsewhereNothingHappens)
{
    for (const char* desktop : {"KDE", "LXQt", ""}) {
        const ScopedEnvironment session("XDG_CURRENT_DESKTOP", desktop);
        toolkit::DesktopServiceTools().ChangeWallpaper(m_picture);
    }
    const ScopedEnvironment gnome("XDG_CURRENT_DESKTOP", "GNOME");
    toolkit::DesktopServiceTools().ChangeWallpaper(QString());
    EXPECT_EQ(calls(), "");
}

} // namespace
