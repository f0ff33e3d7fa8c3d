#pragma once

#include "platform/xdg/file_associations.h"

#include <QByteArray>
#include <QString>

namespace platform {

/// File associations as the freedesktop desktops keep them. A registration writes, in the
/// user's folders ($XDG_DATA_HOME, $XDG_CONFIG_HOME) or the machine's (the first of
/// $XDG_DATA_DIRS and of $XDG_CONFIG_DIRS):
/// - mime/packages/EXT-extension.xml: the MIME type application/x-TYPE with the glob "*.EXT";
/// - applications/TYPE.desktop: the program, for that MIME type, each verb an action;
/// - mimeapps.list (config folder): TYPE.desktop the default application of the MIME type;
/// then runs update-mime-database and update-desktop-database on those folders by name, so
/// neither tool ever picks a folder of its own. TYPE is the file type with every character but
/// letters, digits, "-", "_" and "." made "-", lower case in the MIME type.
///
/// openCommand finds the MIME type of "*.EXT" in the globs2 files of the MIME databases (user's
/// first, the heaviest glob of the first database that has one), its default application in
/// the mimeapps.list files in the order the freedesktop rules give, and returns that desktop
/// entry's Exec line.
class XdgFileAssociations final : public FileAssociations {
public:
    QString openCommand(const QString& extension) const override;
    void registerFileType(const FileTypeRegistration& registration,
                          AssociationScope scope) override;
};

/// The MIME package that gives files of the extension (without its dot) the type.
QByteArray mimePackageXml(const QString& mimeType, const QString& description,
                          const QString& extension);
/// The MIME type of the extension (without its dot) in one globs2 file's text; empty if none.
QString mimeTypeOfExtension(const QByteArray& globs2, const QString& extension);

} // namespace platform
