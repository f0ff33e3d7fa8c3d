#include "platform/file_copy.h"

#include "platform/error.h"

#include <QFile>
#include <QSaveFile>
#include <algorithm>
#include <array>
#include <sys/stat.h>

namespace platform {

namespace {

constexpr qint64 kChunkBytes = 64 * 1024;

/// True when both names lead to one file (links followed).
bool sameFile(const QString& a, const QString& b)
{
    struct stat first {};
    struct stat second {};
    return stat(QFile::encodeName(a).constData(), &first) == 0 &&
           stat(QFile::encodeName(b).constData(), &second) == 0 && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
}

} // namespace

bool copyFileWhole(const QString& source, const QString& target)
{
    QFile from(source);
    if (!from.open(QIODevice::ReadOnly))
        return false;
    if (sameFile(source, target))
        return false; // writing the target would first empty the source
    QSaveFile to(target);
    if (!to.open(QIODevice::WriteOnly)) {
        from.close();
        throw Error(
            QStringLiteral("The file \"%1\" cannot be created: %2").arg(target, to.errorString()));
    }
    std::array<char, kChunkBytes> buffer{};
    for (qint64 remaining = from.size(); remaining > 0;) {
        const qint64 read = from.read(buffer.data(), std::min(remaining, kChunkBytes));
        if (read <= 0) {
            from.close();
            throw Error(
                QStringLiteral("The file \"%1\" cannot be read: %2")
                    .arg(source, read < 0 ? from.errorString() : QStringLiteral("it ended early")));
        }
        if (to.write(buffer.data(), read) != read)
            break; // the commit below reports it
        remaining -= read;
    }
    from.close();
    if (!to.commit())
        throw Error(
            QStringLiteral("The file \"%1\" cannot be written: %2").arg(target, to.errorString()));
    return true;
}

} // namespace platform
