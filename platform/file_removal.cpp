#include "platform/file_removal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace platform {

namespace {

/// Closes a descriptor when it goes.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

/// The home folders deletion must never reach: HOME and the account's own.
QStringList homeFolders()
{
    QStringList homes;
    homes << QDir::homePath();
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found)
        homes << QFile::decodeName(found->pw_dir);
    return homes;
}

/// True when deleting the item at this physical path (its folder resolved, the item itself not)
/// would take the root folder or a home folder with it.
bool wouldTakeProtectedFolder(const QString& physicalPath)
{
    if (physicalPath == QLatin1String("/"))
        return true;
    const QString inside = physicalPath + QLatin1Char('/');
    for (const QString& home : homeFolders()) {
        const QString resolved = QFileInfo(home).canonicalFilePath();
        for (const QString& h : {home, resolved}) {
            if (!h.isEmpty() && (h == physicalPath || h.startsWith(inside)))
                return true;
        }
    }
    return false;
}

bool removeEntry(int folderFd, const char* name, dev_t device);

/// Deletes everything inside the open folder; true when all of it went.
bool removeContent(int folderFd, dev_t device)
{
    // The names are read first, so deleting does not disturb the listing.
    std::vector<std::string> names;
    {
        const int listFd = fcntl(folderFd, F_DUPFD_CLOEXEC, 0);
        if (listFd < 0)
            return false;
        DIR* listing = fdopendir(listFd);
        if (!listing) {
            close(listFd);
            return false;
        }
        while (const dirent* entry = readdir(listing)) {
            const std::string name = entry->d_name;
            if (name != "." && name != "..")
                names.push_back(name);
        }
        closedir(listing);
    }
    bool all = true;
    for (const std::string& name : names)
        all = removeEntry(folderFd, name.c_str(), device) && all;
    return all;
}

/// Deletes one entry of the open folder without following it.
bool removeEntry(int folderFd, const char* name, dev_t device)
{
    struct stat seen {};
    if (fstatat(folderFd, name, &seen, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT; // gone meanwhile
    if (!S_ISDIR(seen.st_mode))
        return unlinkat(folderFd, name, 0) == 0 || errno == ENOENT;
    if (seen.st_dev != device)
        return false; // a mount point: another file system's content stays
    // O_NOFOLLOW and the identity check refuse a folder swapped for a link or another folder
    // since it was looked at.
    const Descriptor folder(
        openat(folderFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat opened {};
    if (folder.get() < 0 || fstat(folder.get(), &opened) != 0 || opened.st_dev != seen.st_dev ||
        opened.st_ino != seen.st_ino)
        return false;
    const bool emptied = removeContent(folder.get(), device);
    return emptied && unlinkat(folderFd, name, AT_REMOVEDIR) == 0;
}

} // namespace

bool removeForGood(const QString& path)
{
    if (path.isEmpty())
        return false;
    QString cleaned = path;
    while (cleaned.size() > 1 && cleaned.endsWith(QLatin1Char('/')))
        cleaned.chop(1); // "link/" would name what the link points to
    QFileInfo item(cleaned);
    if (item.fileName() == QLatin1String(".") || item.fileName() == QLatin1String("..")) {
        const QString resolved = item.canonicalFilePath(); // the folder these names stand for
        if (resolved.isEmpty())
            return false;
        item = QFileInfo(resolved);
    }
    const QString folder = QFileInfo(item.absolutePath()).canonicalFilePath();
    if (folder.isEmpty())
        return false;
    const QString name = item.fileName();
    if (name.isEmpty() || wouldTakeProtectedFolder(QDir(folder).filePath(name)))
        return false; // the root folder has no name

    const Descriptor parent(
        open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (parent.get() < 0)
        return false;
    struct stat parentStat {};
    if (fstat(parent.get(), &parentStat) != 0)
        return false;
    const QByteArray encodedName = QFile::encodeName(name);
    struct stat seen {};
    if (fstatat(parent.get(), encodedName.constData(), &seen, AT_SYMLINK_NOFOLLOW) != 0)
        return false; // nothing to delete
    // A folder named that is itself a mount point is another file system's too.
    return removeEntry(parent.get(), encodedName.constData(), parentStat.st_dev);
}

} // namespace platform
