#pragma once

#include <QString>
#include <QStringList>

struct sqlite3;

namespace db::sqlite {

/// The name of the catalogue database every embedded server has.
inline const QString kMasterDatabase = QStringLiteral("master");

/// The databases of an embedded server folder: "master" and, for every file NAME.db in it
/// (extension in any letter case), NAME; sorted without regard to case, master first.
QStringList databaseNames(const QString& folder);

/// The path of database `name` in `folder`: NAME.db, the name matched without regard to
/// letter case (an exact match first). Empty when there is no such file.
QString databaseFile(const QString& folder, const QString& name);

/// Installs the SQL Server catalogue on a newly opened connection to database `databaseName`:
/// the views temp.information_schema_tables, temp.information_schema_columns, temp.sysobjects,
/// the table temp.sysdatabases and the functions object_id(name) and OBJECTPROPERTY(id, name).
/// Every name column compares without regard to case. Raises DbError.
void installCatalogue(sqlite3* db, const QString& databaseName);

/// Fills temp.sysdatabases with the databases of `folder` as they are now. Raises DbError.
void refreshDatabaseList(sqlite3* db, const QString& folder);

/// Runs statements that return no rows; DbError with SQLite's message on failure.
void executeScript(sqlite3* db, const QString& script);

} // namespace db::sqlite
