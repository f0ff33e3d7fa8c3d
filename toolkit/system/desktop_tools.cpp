#include "toolkit/system/desktop_tools.h"

#include "platform/xdg/registry_error.h"
#include "toolkit/boxes/message_board.h"
#include "toolkit/boxes/message_boxes.h"

#include <QCoreApplication>
#include <QDir>

namespace toolkit {

namespace {

const QString kShellFoldersKey =
    QStringLiteral("Software\\MicroSoft\\Windows\\CurrentVersion\\Explorer");
const QString kShellFoldersSection = QStringLiteral("Shell Folders");
/// The version code from which associations are registered machine-wide.
const QString kMachineAssociationVersion = QStringLiteral("510");

QString quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString subkey(const QString& key, const QString& section)
{
    return section.isEmpty() ? key : key + QLatin1Char('\\') + section;
}

} // namespace

DesktopTools::DesktopTools(const VersionCode& version, MessageBoxes& boxes, MessageBoard& board,
                           platform::DesktopServices services)
    : m_version(version), m_boxes(boxes), m_board(board), m_services(std::move(services))
{
}

QString DesktopTools::ReadRegistery(const QString& Key, const QString& Section, const QString& Item,
                                    const QString& DefValue)
{
    return m_services.registry->value(subkey(Key, Section), Item).value_or(DefValue);
}

void DesktopTools::WriteRegistery(const QString& Key, const QString& Item, const QString& Value)
{
    m_services.registry->setValue(Key, Item, Value);
}

void DesktopTools::ClearRegistery(const QString& Key)
{
    m_services.registry->removeKey(Key);
}

QString DesktopTools::DeskTopPath()
{
    return ReadRegistery(kShellFoldersKey, kShellFoldersSection, QStringLiteral("Desktop"),
                         QString());
}

QString DesktopTools::StartupPath()
{
    return ReadRegistery(kShellFoldersKey, kShellFoldersSection, QStringLiteral("Startup"),
                         QString()) +
           QDir::separator();
}

void DesktopTools::ShowStartupProgram()
{
    const auto entries = m_services.startup->list();
    if (!entries)
        return;
    m_board.StartRecording(false, QStringLiteral("ليست برنامه هاي Startup ويندوز"));
    for (const platform::StartupEntry& entry : *entries)
        m_board.PostThisMessage(entry.title, entry.command);
    m_board.StopRecording();
}

bool DesktopTools::IsThisProgramInStartUp(const QString& NameAndPath)
{
    const auto entries = m_services.startup->list();
    if (!entries)
        return false;
    const QString wanted = quoted(NameAndPath.trimmed());
    return std::any_of(entries->cbegin(), entries->cend(),
                       [&wanted](const platform::StartupEntry& e) { return e.command == wanted; });
}

void DesktopTools::AddToStartupProgram(const QString& ProgTitle, const QString& ProgNameAndPath)
{
    m_services.startup->add(ProgTitle.trimmed(), ProgNameAndPath.trimmed());
}

void DesktopTools::CreateLink(const QString& Target, const QString& Args, const QString& WorkDir,
                              const QString& ShortCutName)
{
    m_services.links->createLink(Target, Args, WorkDir, ShortCutName);
}

void DesktopTools::CreateInternetShortcut(const QString& FileName, const QString& LocationURL)
{
    m_services.links->createInternetShortcut(FileName, LocationURL);
}

QString DesktopTools::GetFileAssociate(const QString& Ext)
{
    return m_services.associations->openCommand(Ext);
}

void DesktopTools::SetFileAssociate(const QString& Ext, const QString& FileType)
{
    const bool machine = m_version.WinVer == kMachineAssociationVersion;
    if (!machine && m_version.WinVer < kMachineAssociationVersion) {
        m_boxes.ShowMsg(QStringLiteral("عدم ثبت پسوندها"));
        return;
    }
    // The machine-wide branch writes the insert command with a capital A, the user's a small a.
    platform::FileTypeRegistration r;
    r.extension = Ext;
    r.fileType = FileType;
    r.description = QStringLiteral("گزارشگير Vexa");
    r.program = QCoreApplication::applicationFilePath();
    r.verbs = {
        {QStringLiteral("execute"), QStringLiteral("   اجرا با Vexa"), {QStringLiteral("%1")}},
        {QStringLiteral("ZOpen"),
         QStringLiteral("    ويرايش با Vexa"),
         {QStringLiteral("/o"), QStringLiteral("%1")}},
        {QStringLiteral("ZZInsert"),
         QStringLiteral("    اضافه به ليست"),
         {machine ? QStringLiteral("/A") : QStringLiteral("/a"), QStringLiteral("%1")}}};
    if (machine) {
        m_services.associations->registerFileType(r, platform::AssociationScope::Machine);
        return;
    }
    try {
        m_services.associations->registerFileType(r, platform::AssociationScope::User);
    } catch (const platform::RegistryError&) {
        throw; // a refused extension or type name is not a step that failed
    } catch (const platform::Error&) {
        // The user's branch ends silently at its first error.
    }
}

} // namespace toolkit
