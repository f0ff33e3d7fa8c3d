#include "platform/xdg/xdg_file_associations.h"

#include "platform/xdg/desktop_entry.h"
#include "platform/xdg/registry_error.h"
#include "platform/xdg/safe_name.h"
#include "platform/xdg/xdg_dirs.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QXmlStreamWriter>

namespace platform {

namespace {

const QString kEntryGroup = QStringLiteral("Desktop Entry");
const QString kDefaultsGroup = QStringLiteral("Default Applications");
/// How long a database tool may take before it counts as failed, in milliseconds.
constexpr int kToolTimeoutMs = 60000;

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeWhole(const QString& path, const QByteArray& bytes)
{
    if (!replaceFile(path, bytes))
        throw Error(QStringLiteral("The file '%1' could not be written").arg(path));
}

QString typeName(const QString& fileType)
{
    QString name = fileType;
    for (QChar& c : name)
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != QLatin1Char('-') &&
            c != QLatin1Char('_') && c != QLatin1Char('.'))
            c = QLatin1Char('-');
    return name;
}

QString execOf(const QString& program, const QStringList& arguments)
{
    QStringList exec{quoteExecArgument(program, true)};
    for (const QString& argument : arguments)
        exec.append(argument == QLatin1String("%1") ? QStringLiteral("%f")
                                                    : quoteExecArgument(argument));
    return exec.join(QLatin1Char(' '));
}

QByteArray applicationEntry(const FileTypeRegistration& r, const QString& mimeType)
{
    DesktopEntry entry;
    QStringList actions;
    for (const FileTypeVerb& verb : r.verbs)
        actions.append(verb.id);
    entry.set(kEntryGroup, QStringLiteral("Type"), QStringLiteral("Application"));
    entry.set(kEntryGroup, QStringLiteral("Name"), r.description);
    if (!r.verbs.empty())
        entry.set(kEntryGroup, QStringLiteral("Exec"),
                  execOf(r.program, r.verbs.front().arguments));
    entry.set(kEntryGroup, QStringLiteral("MimeType"), mimeType + QLatin1Char(';'));
    entry.set(kEntryGroup, QStringLiteral("NoDisplay"), QStringLiteral("true"));
    if (!actions.isEmpty())
        entry.set(kEntryGroup, QStringLiteral("Actions"), actions.join(QLatin1Char(';')) + ';');
    for (const FileTypeVerb& verb : r.verbs) {
        const QString group = QStringLiteral("Desktop Action ") + verb.id;
        entry.set(group, QStringLiteral("Name"), verb.caption);
        entry.set(group, QStringLiteral("Exec"), execOf(r.program, verb.arguments));
    }
    return entry.toBytes();
}

/// Runs a freedesktop database tool on the folder it is to update, and on nothing else.
void runTool(const QString& tool, const QString& folder)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        throw Error(QStringLiteral("%1 is not installed").arg(tool));
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, {folder});
    const bool done = process.waitForFinished(kToolTimeoutMs);
    if (!done || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        throw Error(QStringLiteral("%1 %2 failed: %3")
                        .arg(tool, folder, QString::fromLocal8Bit(process.readAll())));
}

QStringList mimeappsLists()
{
    QStringList lists{xdg::configHome() + QStringLiteral("/mimeapps.list")};
    for (const QString& folder : xdg::configDirs())
        lists.append(folder + QStringLiteral("/mimeapps.list"));
    lists.append(xdg::dataHome() + QStringLiteral("/applications/mimeapps.list"));
    for (const QString& folder : xdg::dataDirs())
        lists.append(folder + QStringLiteral("/applications/mimeapps.list"));
    return lists;
}

QStringList dataFolders()
{
    return QStringList{xdg::dataHome()} + xdg::dataDirs();
}

QString installedEntry(const QString& id)
{
    if (!isSafeFileName(id))
        return QString();
    for (const QString& folder : dataFolders()) {
        const QString path = folder + QStringLiteral("/applications/") + id;
        if (QFile::exists(path))
            return path;
    }
    return QString();
}

} // namespace

QByteArray mimePackageXml(const QString& mimeType, const QString& description,
                          const QString& extension)
{
    QByteArray xml;
    QXmlStreamWriter writer(&xml);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeDefaultNamespace(
        QStringLiteral("http://www.freedesktop.org/standards/shared-mime-info"));
    writer.writeStartElement(QStringLiteral("mime-info"));
    writer.writeStartElement(QStringLiteral("mime-type"));
    writer.writeAttribute(QStringLiteral("type"), mimeType);
    writer.writeTextElement(QStringLiteral("comment"), description);
    writer.writeEmptyElement(QStringLiteral("glob"));
    writer.writeAttribute(QStringLiteral("pattern"), QStringLiteral("*.") + extension);
    writer.writeEndElement();
    writer.writeEndElement();
    writer.writeEndDocument();
    return xml;
}

QString mimeTypeOfExtension(const QByteArray& globs2, const QString& extension)
{
    const QString pattern = QStringLiteral("*.") + extension;
    QString best;
    int bestWeight = -1;
    for (const QByteArray& raw : globs2.split('\n')) {
        const QStringList fields = QString::fromUtf8(raw).split(QLatin1Char(':'));
        if (raw.startsWith('#') || fields.size() < 3)
            continue;
        const bool caseSensitive =
            fields.size() > 3 && fields.at(3).split(QLatin1Char(',')).contains(QLatin1String("cs"));
        const int weight = fields.at(0).toInt();
        if (fields.at(2).compare(pattern,
                                 caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive) == 0 &&
            weight > bestWeight) {
            best = fields.at(1);
            bestWeight = weight;
        }
    }
    return best;
}

QString XdgFileAssociations::openCommand(const QString& extension) const
{
    const QString bare = plainExtension(extension);
    if (bare.isEmpty())
        return QString();
    QString mimeType;
    for (const QString& folder : dataFolders()) {
        mimeType = mimeTypeOfExtension(fileBytes(folder + QStringLiteral("/mime/globs2")), bare);
        if (!mimeType.isEmpty())
            break;
    }
    if (mimeType.isEmpty())
        return QString();
    for (const QString& list : mimeappsLists()) {
        const DesktopEntry defaults = DesktopEntry::parse(fileBytes(list));
        for (const QString& id :
             defaults.value(kDefaultsGroup, mimeType).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString path = installedEntry(id);
            if (!path.isEmpty())
                return DesktopEntry::parse(fileBytes(path))
                    .value(kEntryGroup, QStringLiteral("Exec"));
        }
    }
    return QString();
}

void XdgFileAssociations::registerFileType(const FileTypeRegistration& registration,
                                           AssociationScope scope)
{
    const QString extension = plainExtension(registration.extension);
    if (extension.isEmpty())
        throw RegistryError(
            QStringLiteral("The extension '%1' cannot be registered").arg(registration.extension));
    if (!isSafeFileName(registration.fileType))
        throw RegistryError(
            QStringLiteral("The file type '%1' cannot be registered").arg(registration.fileType));
    const bool user = scope == AssociationScope::User;
    const QString dataFolder = user ? xdg::dataHome() : xdg::dataDirs().constFirst();
    const QString configFolder = user ? xdg::configHome() : xdg::configDirs().constFirst();
    const QString name = typeName(registration.fileType);
    const QString mimeType = QStringLiteral("application/x-") + name.toLower();
    const QString entryId = name + QStringLiteral(".desktop");

    writeWhole(dataFolder + QStringLiteral("/mime/packages/") + extension +
                   QStringLiteral("-extension.xml"),
               mimePackageXml(mimeType, registration.description, extension));
    writeWhole(dataFolder + QStringLiteral("/applications/") + entryId,
               applicationEntry(registration, mimeType));
    const QString listPath = configFolder + QStringLiteral("/mimeapps.list");
    DesktopEntry defaults = DesktopEntry::parse(fileBytes(listPath));
    defaults.set(kDefaultsGroup, mimeType, entryId + QLatin1Char(';'));
    writeWhole(listPath, defaults.toBytes());
    runTool(QStringLiteral("update-mime-database"), dataFolder + QStringLiteral("/mime"));
    if (!QStandardPaths::findExecutable(QStringLiteral("update-desktop-database")).isEmpty())
        runTool(QStringLiteral("update-desktop-database"),
                dataFolder + QStringLiteral("/applications"));
}

} // namespace platform
