#include "toolkit/system/desktop_tools.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

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
    toolkit::DesktopTools tools;
    // Our own program runs, but there is no window list to find its window in.
    const QString ours = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    EXPECT_EQ(tools.GetFileHandle(ours.toUpper()), 0U);
    EXPECT_EQ(tools.GetFileHandle(QStringLiteral("no-such-program.exe")), 0U);
}

TEST(EnumWindowsProc, WithoutXAddsNothingAndGoesOn)
{
    const ScopedEnvironment noDisplay("DISPLAY", QByteArray());
    toolkit::DesktopTools tools;
    EXPECT_TRUE(tools.EnumWindowsProc(0x0400001, 0));
    EXPECT_TRUE(tools.CTILIst().isEmpty());
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

    toolkit::DesktopTools tools;
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
        toolkit::DesktopTools().ChangeWallpaper(m_picture);
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
    toolkit::DesktopTools().ChangeWallpaper(m_picture);
    QString quoted = m_picture;
    quoted.replace(QLatin1String("'"), QLatin1String("\\'"));
    EXPECT_EQ(calls(),
              lines({"gsettings|set|org.mate.background|picture-filename|'" + quoted + "'|"}));
}

TEST_F(ChangeWallpaperTest, XfceSetsThePictureOfEveryMonitorAndWorkspace)
{
    const ScopedEnvironment session("XDG_CURRENT_DESKTOP", "XFCE");
    toolkit::DesktopTools().ChangeWallpaper(m_picture);
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
        toolkit::DesktopTools().ChangeWallpaper(m_picture);
    }
    const ScopedEnvironment gnome("XDG_CURRENT_DESKTOP", "GNOME");
    toolkit::DesktopTools().ChangeWallpaper(QString());
    EXPECT_EQ(calls(), "");
}

} // namespace
