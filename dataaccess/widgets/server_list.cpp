#include "dataaccess/widgets/server_list.h"

#include "dataaccess/connection.h"
#include "dataaccess/field.h"
#include "dataaccess/odbc/driver_catalog.h"
#include "dataaccess/query.h"

#include <QDir>

namespace db {
namespace {

bool holdsDatabases(const QDir& folder)
{
    return !folder.entryList({QStringLiteral("*.db")}, QDir::Files).isEmpty();
}

void addNew(QStringList& list, const QStringList& more)
{
    for (const QString& item : more) {
        if (!list.contains(item, Qt::CaseInsensitive))
            list << item;
    }
}

} // namespace

QStringList embeddedServers(const QString& folder)
{
    const QDir dir(folder);
    QStringList servers;
    if (holdsDatabases(dir))
        servers << QStringLiteral("sqlite:.");
    for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        if (holdsDatabases(QDir(dir.filePath(name))))
            servers << QStringLiteral("sqlite:") + name;
    }
    return servers;
}

QStringList serverChoices()
{
    QStringList servers = embeddedServers(applicationPath());
    addNew(servers, odbc::freeTdsServers());
    addNew(servers, odbc::dataSources());
    return servers;
}

QStringList databasesOf(const ConnectionSettings& server)
{
    Connection connection;
    ConnectionSettings catalogue = server;
    catalogue.Database = QStringLiteral("master");
    connection.setSettings(catalogue);
    connection.Connect();
    Query query(connection);
    query.setSQL(QStringLiteral("SELECT name FROM sysdatabases ORDER BY name"));
    query.Open();
    QStringList names;
    for (query.First(); !query.Eof(); query.Next())
        names << query.FieldByName(QStringLiteral("name")).AsString();
    return names;
}

} // namespace db
