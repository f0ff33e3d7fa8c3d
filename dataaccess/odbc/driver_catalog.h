#pragma once

#include <QString>
#include <QStringList>

namespace db::odbc {

/// The name under which odbcinst.ini normally lists the FreeTDS driver.
inline const QString freeTdsDriverName = QStringLiteral("FreeTDS");

/// Names of the drivers the unixODBC driver manager knows (the sections of odbcinst.ini).
QStringList installedDrivers();

/// Names of the ODBC data sources (user and system odbc.ini).
QStringList dataSources();

/// Path of the FreeTDS driver library on this machine (Debian's package tdsodbc puts it in
/// /usr/lib/<multiarch>/odbc), or empty when it is not installed.
QString freeTdsLibraryPath();

/// The server sections of the FreeTDS configuration files (each but [global]), in file order
/// without repeats. Read from `files` when given, else from $FREETDSCONF or
/// /etc/freetds/freetds.conf, then ~/.freetds.conf. Unreadable files are passed over.
QStringList freeTdsServers(const QStringList& files = {});

} // namespace db::odbc
