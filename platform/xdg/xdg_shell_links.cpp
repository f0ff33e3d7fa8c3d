#include "platform/xdg/xdg_shell_links.h"

#include "platform/error.h"
#include "platform/xdg/desktop_entry.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace platform {

namespace {

const QString kEntryGroup = QStringLiteral("Desktop Entry");

bool isUrl(const QString& target)
{
    const QUrl url(target, QUrl::StrictMode);
    return url.isValid() && url.scheme().size() > 1 && target.contains(QLatin1String("://"));
}

QByteArray trimmedLine(const QByteArray& line)
{
    return line.endsWith('\r') ? line.chopped(1).trimmed() : line.trimmed();
}

bool isSection(const QByteArray& line)
{
    const QByteArray text = trimmedLine(line);
    return text.startsWith('[') && text.endsWith(']');
}

bool isKey(const QByteArray& line, const QByteArray& key)
{
    const QByteArray text = trimmedLine(line);
    const qsizetype equals = text.indexOf('=');
    return equals > 0 && text.left(equals).trimmed().compare(key, Qt::CaseInsensitive) == 0;
}

} // namespace

void XdgShellLinks::createLink(const QString& target, const QString& arguments,
                               const QString& workDir, const QString& linkPath)
{
    DesktopEntry entry;
    const QString name = QFileInfo(linkPath).completeBaseName();
    if (isUrl(target)) {
        entry.set(kEntryGroup, QStringLiteral("Type"), QStringLiteral("Link"));
        entry.set(kEntryGroup, QStringLiteral("Name"), name);
        entry.set(kEntryGroup, QStringLiteral("URL"), target);
    } else {
        QStringList exec{quoteExecArgument(target, true)};
        for (const QString& argument : QProcess::splitCommand(arguments))
            exec.append(quoteExecArgument(argument));
        entry.set(kEntryGroup, QStringLiteral("Type"), QStringLiteral("Application"));
        entry.set(kEntryGroup, QStringLiteral("Name"), name);
        entry.set(kEntryGroup, QStringLiteral("Exec"), exec.join(QLatin1Char(' ')));
        if (!workDir.isEmpty())
            entry.set(kEntryGroup, QStringLiteral("Path"), workDir);
    }
    if (!replaceFile(linkPath, entry.toBytes(), true))
        throw Error(QStringLiteral("The link '%1' could not be written").arg(linkPath));
}

void XdgShellLinks::createInternetShortcut(const QString& fileName, const QString& url)
{
    if (url.contains(QLatin1Char('\n')) || url.contains(QLatin1Char('\r')) ||
        url.contains(QChar(0)))
        throw Error(QStringLiteral("The address '%1' cannot be written on one line").arg(url));
    QByteArray existing;
    QFile file(fileName);
    if (file.exists()) {
        if (!file.open(QIODevice::ReadOnly))
            throw Error(QStringLiteral("The shortcut '%1' could not be read").arg(fileName));
        existing = file.readAll();
        file.close();
    }
    if (!replaceFile(fileName, internetShortcutBytes(existing, url)))
        throw Error(QStringLiteral("The shortcut '%1' could not be written").arg(fileName));
}

QByteArray internetShortcutBytes(const QByteArray& existing, const QString& url)
{
    // Each line keeps its own CR; the join puts back the LF that the split took.
    QList<QByteArray> lines = existing.split('\n');
    if (existing.isEmpty() || existing.endsWith('\n'))
        lines.removeLast();
    const QByteArray setting = "URL=" + url.toUtf8();
    qsizetype section = -1;
    for (qsizetype i = 0; i < lines.size() && section < 0; ++i)
        if (trimmedLine(lines.at(i)).compare("[InternetShortcut]", Qt::CaseInsensitive) == 0)
            section = i;
    if (section < 0) {
        lines.append("[InternetShortcut]\r");
        lines.append(setting + "\r");
        return lines.join('\n') + '\n';
    }
    qsizetype end = section + 1;
    while (end < lines.size() && !isSection(lines.at(end)))
        ++end;
    const auto endingOf = [](const QByteArray& line) {
        return line.endsWith('\r') ? QByteArray("\r") : QByteArray();
    };
    qsizetype key = section + 1;
    while (key < end && !isKey(lines.at(key), "URL"))
        ++key;
    if (key < end) {
        lines[key] = setting + endingOf(lines.at(key));
    } else {
        // After the section's last line that is not blank, ended as the section's own line.
        qsizetype at = end;
        while (at > section + 1 && trimmedLine(lines.at(at - 1)).isEmpty())
            --at;
        lines.insert(at, setting + endingOf(lines.at(section)));
    }
    return lines.join('\n') + '\n';
}

} // namespace platform
