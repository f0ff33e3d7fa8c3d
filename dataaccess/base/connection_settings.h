#pragma once

#include <QString>

namespace db {

/// The four settings a connection is made from.
struct ConnectionSettings {
    QString Server;   ///< "sqlite:FOLDER" for the embedded engine, otherwise a SQL Server
    QString Database; ///< "master" is the server's catalogue and always exists
    QString UserName;
    QString Password;
    bool operator==(const ConnectionSettings&) const = default;
};

/// The folder a relative embedded server folder is taken from: the program folder unless set.
QString applicationPath();
/// Sets the folder relative embedded server folders are resolved in; empty restores the default
/// (QCoreApplication::applicationDirPath()).
void setApplicationPath(const QString& path);

/// True when the server setting names an embedded server: "sqlite:" (any letter case) + FOLDER.
bool isEmbeddedServer(const QString& server);

/// The absolute, cleaned folder of an embedded server setting: FOLDER as given when absolute,
/// otherwise inside applicationPath(); an empty FOLDER is applicationPath() itself.
/// Precondition: isEmbeddedServer(server).
QString embeddedServerFolder(const QString& server);

} // namespace db
