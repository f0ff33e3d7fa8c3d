#include "platform/xdg/autostart_entries.h"

#include "platform/xdg/desktop_entry.h"
#include "platform/xdg/registry_error.h"
#include "platform/xdg/safe_name.h"
#include "platform/xdg/xdg_dirs.h"

#include <QDir>
#include <QFile>

namespace platform {

namespace {

const QString kEntryGroup = QStringLiteral("Desktop Entry");
const QString kSuffix = QStringLiteral(".desktop");

QByteArray readEntryFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw RegistryError(QStringLiteral("Start-up entry '%1' cannot be read").arg(path));
    return file.readAll();
}

QStringList entryFiles(const QDir& folder)
{
    return folder.entryList({QStringLiteral("*") + kSuffix}, QDir::Files, QDir::Name);
}

} // namespace

QString commandOfExec(const QString& exec)
{
    QStringList parts;
    for (const ExecArgument& argument : splitExec(exec))
        parts.append(argument.quoted ? QLatin1Char('"') + argument.text + QLatin1Char('"')
                                     : argument.text);
    return parts.join(QLatin1Char(' '));
}

std::optional<std::vector<StartupEntry>> AutostartEntries::list() const
{
    const QDir folder(xdg::systemAutostartFolder());
    if (!folder.exists())
        return std::nullopt;
    std::vector<StartupEntry> entries;
    for (const QString& name : entryFiles(folder)) {
        const DesktopEntry entry = DesktopEntry::parse(readEntryFile(folder.filePath(name)));
        entries.push_back({name.chopped(kSuffix.size()),
                           commandOfExec(entry.value(kEntryGroup, QStringLiteral("Exec")))});
    }
    return entries;
}

bool AutostartEntries::add(const QString& title, const QString& programPath)
{
    if (!isSafeFileName(title))
        throw RegistryError(QStringLiteral("Start-up title '%1' cannot name an entry").arg(title));
    const QDir folder(xdg::systemAutostartFolder());
    if (!folder.exists())
        return false;
    // An entry of the same title in another letter case is the same entry and keeps its name.
    QString fileName = title + kSuffix;
    for (const QString& name : entryFiles(folder))
        if (name.compare(fileName, Qt::CaseInsensitive) == 0)
            fileName = name;
    DesktopEntry entry;
    entry.set(kEntryGroup, QStringLiteral("Type"), QStringLiteral("Application"));
    entry.set(kEntryGroup, QStringLiteral("Name"), title);
    entry.set(kEntryGroup, QStringLiteral("Exec"), quoteExecArgument(programPath, true));
    if (!replaceFile(folder.filePath(fileName), entry.toBytes()))
        throw RegistryError(QStringLiteral("Start-up entry '%1' could not be written").arg(title));
    return true;
}

} // namespace platform
