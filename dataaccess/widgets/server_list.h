#pragma once

#include "dataaccess/base/connection_settings.h"

#include <QString>
#include <QStringList>

namespace db {

/// The embedded servers in `folder`: "sqlite:." when the folder itself holds *.db files, and
/// "sqlite:NAME" for every folder NAME in it that does, sorted by name.
QStringList embeddedServers(const QString& folder);

/// Every server the connect dialog offers, without repeats: the embedded servers beside the
/// program, the servers of the FreeTDS configuration and the ODBC data sources. Nothing is
/// looked for on the network.
QStringList serverChoices();

/// The databases of the server the settings name, read from its catalogue (database "master")
/// with the settings' user name and password, sorted by name. Raises DbError when the server
/// cannot be reached.
QStringList databasesOf(const ConnectionSettings& server);

} // namespace db
