#pragma once

#include "support/qstring_printer.h"

#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>
#include <pwd.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace testing_support {

/// Points HOME and every XDG variable at folders of a temporary folder for its lifetime, so the
/// desktop stand-ins and the freedesktop tools (which as root would pick /usr/share and /etc)
/// find and write nothing else; the old values come back when it ends. The sandbox's "system"
/// folders (XDG_CONFIG_DIRS, XDG_DATA_DIRS) are made, so machine-wide writes land here too.
class XdgSandbox {
public:
    XdgSandbox()
    {
        const QString root = m_dir.path();
        set("HOME", root + QStringLiteral("/home"));
        set("XDG_CONFIG_HOME", root + QStringLiteral("/home/.config"));
        set("XDG_DATA_HOME", root + QStringLiteral("/home/.local/share"));
        set("XDG_STATE_HOME", root + QStringLiteral("/home/.local/state"));
        set("XDG_CACHE_HOME", root + QStringLiteral("/home/.cache"));
        set("XDG_RUNTIME_DIR", root + QStringLiteral("/run"));
        set("XDG_CONFIG_DIRS", root + QStringLiteral("/etc/xdg"));
        set("XDG_DATA_DIRS", root + QStringLiteral("/usr/share"));
        set("XDG_CURRENT_DESKTOP", std::nullopt); // the tools then take their generic paths
        set("KDE_FULL_SESSION", std::nullopt);
        set("GNOME_DESKTOP_SESSION_ID", std::nullopt);
        set("DESKTOP_SESSION", std::nullopt);
        for (const char* folder : {"/home/.config", "/home/.local/share", "/home/.local/state",
                                   "/home/.cache", "/run", "/etc/xdg", "/usr/share"})
            QDir().mkpath(root + QLatin1String(folder));
        QFile::setPermissions(root + QStringLiteral("/run"), QFileDevice::ReadOwner |
                                                                 QFileDevice::WriteOwner |
                                                                 QFileDevice::ExeOwner);
    }
    ~XdgSandbox()
    {
        for (auto it = m_saved.rbegin(); it != m_saved.rend(); ++it) {
            if (it->second)
                qputenv(it->first, *it->second);
            else
                qunsetenv(it->first);
        }
    }
    XdgSandbox(const XdgSandbox&) = delete;
    XdgSandbox& operator=(const XdgSandbox&) = delete;

    QString root() const { return m_dir.path(); }
    QString home() const { return root() + QStringLiteral("/home"); }
    QString configHome() const { return home() + QStringLiteral("/.config"); }
    QString dataHome() const { return home() + QStringLiteral("/.local/share"); }
    QString systemConfig() const { return root() + QStringLiteral("/etc/xdg"); }
    QString systemData() const { return root() + QStringLiteral("/usr/share"); }

    /// Every file under the sandbox with its bytes, by path relative to it.
    std::vector<std::pair<QString, QByteArray>> files() const
    {
        std::vector<std::pair<QString, QByteArray>> all;
        QDirIterator it(root(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile file(path);
            all.emplace_back(QDir(root()).relativeFilePath(path),
                             file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
        }
        std::sort(all.begin(), all.end());
        return all;
    }

private:
    void set(const char* name, const std::optional<QString>& value)
    {
        m_saved.emplace_back(name, qEnvironmentVariableIsSet(name)
                                       ? std::optional<QByteArray>(qgetenv(name))
                                       : std::nullopt);
        if (value)
            qputenv(name, QFile::encodeName(*value));
        else
            qunsetenv(name);
    }

    QTemporaryDir m_dir;
    std::vector<std::pair<const char*, std::optional<QByteArray>>> m_saved;
};

/// Names, sizes and modification times of everything in the places outside a sandbox that the
/// desktop stand-ins and the freedesktop tools write when nothing points them elsewhere: the
/// machine's MIME, applications and autostart folders and default applications, and the same of
/// the real user, with the user's registry store and desktop. The real user's home comes from the
/// password database, not from HOME.
inline QStringList outsideSnapshot()
{
    const passwd* user = ::getpwuid(::getuid());
    const QString realHome = user ? QFile::decodeName(user->pw_dir) : QStringLiteral("/root");
    const QStringList places = {
        QStringLiteral("/usr/share/mime"),
        QStringLiteral("/usr/local/share/mime"),
        QStringLiteral("/usr/share/applications"),
        QStringLiteral("/usr/local/share/applications"),
        QStringLiteral("/etc/xdg/autostart"),
        QStringLiteral("/etc/xdg/mimeapps.list"),
        realHome + QStringLiteral("/.config/mimeapps.list"),
        realHome + QStringLiteral("/.config/autostart"),
        realHome + QStringLiteral("/.config/farm-toolkit"),
        realHome + QStringLiteral("/.config/user-dirs.dirs"),
        realHome + QStringLiteral("/.local/share/mime"),
        realHome + QStringLiteral("/.local/share/applications"),
        realHome + QStringLiteral("/Desktop"),
    };
    QStringList snapshot;
    const auto describe = [](const QFileInfo& info) {
        return QStringLiteral("%1 %2 %3")
            .arg(info.filePath())
            .arg(info.size())
            .arg(info.lastModified().toMSecsSinceEpoch());
    };
    for (const QString& place : places) {
        const QFileInfo top(place);
        snapshot.append(top.exists() ? describe(top) : place + QStringLiteral(" absent"));
        QDirIterator it(place, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            snapshot.append(describe(QFileInfo(it.next())));
    }
    snapshot.sort();
    return snapshot;
}

/// A test under an XDG sandbox that fails when anything outside the sandbox changed.
class SandboxedTest : public ::testing::Test {
protected:
    void SetUp() override { m_before = outsideSnapshot(); }
    void TearDown() override
    {
        EXPECT_EQ(outsideSnapshot(), m_before) << "a file outside the temporary folder changed";
    }

    XdgSandbox sandbox;

private:
    QStringList m_before;
};

/// desktop-file-validate's complaints about the file (empty when it passes), or nothing when
/// the tool is not installed.
inline std::optional<QString> desktopFileComplaints(const QString& path)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (tool.isEmpty())
        return std::nullopt;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(tool, {path});
    process.waitForFinished(30000);
    const QString output = QString::fromLocal8Bit(process.readAll());
    return process.exitCode() == 0 && output.trimmed().isEmpty() ? QString() : output;
}

} // namespace testing_support

/// Checks the desktop entry file with desktop-file-validate; skips the test (saying why) only
/// when the tool is not installed.
#define EXPECT_VALID_DESKTOP_FILE(path)                                                            \
    do {                                                                                           \
        const auto complaints = testing_support::desktopFileComplaints(path);                      \
        if (!complaints)                                                                           \
            GTEST_SKIP() << "desktop-file-validate is not installed (desktop-file-utils)";         \
        EXPECT_EQ(*complaints, QString()) << "desktop-file-validate on " << qPrintable(path);      \
    } while (false)
