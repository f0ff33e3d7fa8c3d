#include "dataaccess/sqlite/sqlite_catalogue.h"

#include "dataaccess/base/db_error.h"
#include "dataaccess/base/sql_text.h"
#include "dataaccess/sqlite/column_types.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <sqlite3.h>

namespace db::sqlite {

namespace {

const QString kDatabaseSuffix = QStringLiteral(".db");

/// The user's objects of the main database, without SQLite's own.
const char* const kUserObjects = "main.sqlite_master WHERE type IN ('table', 'view', 'trigger') "
                                 "AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\'";

QString errorText(sqlite3* db)
{
    return QString::fromUtf8(sqlite3_errmsg(db));
}

/// The bare object name of a name as object_id() is given it: "Cows", "dbo.Cows", "[dbo].[Cows]".
/// Null when the name is qualified by another database.
QString bareObjectName(const QString& name)
{
    QStringList parts;
    for (const sql::Token& token : sql::tokenize(name)) {
        if (token.kind == sql::TokenKind::Space ||
            (token.kind == sql::TokenKind::Symbol && token.text(name) == u"."))
            continue;
        parts.append(sql::tokenName(name, token));
    }
    if (parts.isEmpty() || parts.size() > 2)
        return QString();
    return parts.back();
}

QString columnText(sqlite3_value* value)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
    return QString::fromUtf8(text, sqlite3_value_bytes(value));
}

/// Runs a one-row lookup on the connection a function was called on: the first column of the
/// first row goes to the function's result, no row gives null.
void lookUp(sqlite3_context* context, const char* statement, const QString& textArgument,
            sqlite3_int64 numberArgument)
{
    sqlite3* db = sqlite3_context_db_handle(context);
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, statement, -1, &stmt, nullptr) != SQLITE_OK) {
        sqlite3_result_error(context, sqlite3_errmsg(db), -1);
        return;
    }
    const QByteArray utf8 = textArgument.toUtf8();
    if (textArgument.isNull())
        sqlite3_bind_int64(stmt, 1, numberArgument);
    else
        sqlite3_bind_text(stmt, 1, utf8.constData(), static_cast<int>(utf8.size()),
                          SQLITE_TRANSIENT);
    const int rc = sqlite3_step(stmt);
    if (rc == SQLITE_ROW)
        sqlite3_result_value(context, sqlite3_column_value(stmt, 0));
    else if (rc == SQLITE_DONE)
        sqlite3_result_null(context);
    else
        sqlite3_result_error(context, sqlite3_errmsg(db), -1);
    sqlite3_finalize(stmt);
}

/// object_id(name): the id sysobjects gives the object, null when there is none.
void objectId(sqlite3_context* context, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const QString name = bareObjectName(columnText(argv[0]));
    if (name.isNull()) {
        sqlite3_result_null(context);
        return;
    }
    const QByteArray statement =
        QByteArray("SELECT rowid FROM ") + kUserObjects + " AND name = ?1 COLLATE NOCASE";
    lookUp(context, statement.constData(), name, 0);
}

/// OBJECTPROPERTY(id, property) for the properties an existence test asks: IsProcedure (never,
/// there are no procedures), IsTable, IsUserTable, IsView, IsTrigger. Null for an unknown id.
void objectProperty(sqlite3_context* context, int, sqlite3_value** argv)
{
    const QString property = columnText(argv[1]);
    const char* condition = nullptr;
    if (property.compare(u"IsProcedure", Qt::CaseInsensitive) == 0)
        condition = "0";
    else if (property.compare(u"IsTable", Qt::CaseInsensitive) == 0 ||
             property.compare(u"IsUserTable", Qt::CaseInsensitive) == 0)
        condition = "type = 'table'";
    else if (property.compare(u"IsView", Qt::CaseInsensitive) == 0)
        condition = "type = 'view'";
    else if (property.compare(u"IsTrigger", Qt::CaseInsensitive) == 0)
        condition = "type = 'trigger'";
    if (condition == nullptr) {
        const QByteArray message =
            QStringLiteral("OBJECTPROPERTY: the property %1 is not supported by the embedded "
                           "database engine")
                .arg(property)
                .toUtf8();
        sqlite3_result_error(context, message.constData(), static_cast<int>(message.size()));
        return;
    }
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const QByteArray statement =
        QByteArray("SELECT ") + condition + " FROM " + kUserObjects + " AND rowid = ?1";
    lookUp(context, statement.constData(), QString(), sqlite3_value_int64(argv[0]));
}

/// tsql_type(declared): the T-SQL type of a declared column type (tsqlColumnType).
void tsqlType(sqlite3_context* context, int, sqlite3_value** argv)
{
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    const QByteArray type = tsqlColumnType(columnText(argv[0])).toUtf8();
    sqlite3_result_text(context, type.constData(), static_cast<int>(type.size()), SQLITE_TRANSIENT);
}

} // namespace

QStringList databaseNames(const QString& folder)
{
    QStringList names;
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files);
    for (const QFileInfo& file : files) {
        const QString name = file.fileName();
        if (!name.endsWith(kDatabaseSuffix, Qt::CaseInsensitive) ||
            name.size() == kDatabaseSuffix.size())
            continue;
        const QString database = name.chopped(kDatabaseSuffix.size());
        if (database.compare(kMasterDatabase, Qt::CaseInsensitive) != 0)
            names.append(database);
    }
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    names.prepend(kMasterDatabase);
    return names;
}

QString databaseFile(const QString& folder, const QString& name)
{
    const QDir dir(folder);
    const QString exact = name + kDatabaseSuffix;
    if (QFileInfo(dir.filePath(exact)).isFile())
        return dir.filePath(exact);
    const QFileInfoList files = dir.entryInfoList(QDir::Files);
    for (const QFileInfo& file : files) {
        if (file.fileName().compare(exact, Qt::CaseInsensitive) == 0)
            return file.absoluteFilePath();
    }
    return QString();
}

void executeScript(sqlite3* db, const QString& script)
{
    char* message = nullptr;
    if (sqlite3_exec(db, script.toUtf8().constData(), nullptr, nullptr, &message) != SQLITE_OK) {
        const QString text = QString::fromUtf8(message != nullptr ? message : sqlite3_errmsg(db));
        sqlite3_free(message);
        throw DbError(text);
    }
}

void installCatalogue(sqlite3* db, const QString& databaseName)
{
    const QString catalog = sql::quoteString(databaseName);
    const QString objects = QString::fromUtf8(kUserObjects);
    const QString views = QStringLiteral(
        "CREATE TEMP VIEW information_schema_tables AS SELECT "
        "%1 COLLATE NOCASE AS TABLE_CATALOG, 'dbo' COLLATE NOCASE AS TABLE_SCHEMA, "
        "name COLLATE NOCASE AS TABLE_NAME, "
        "(CASE type WHEN 'table' THEN 'BASE TABLE' ELSE 'VIEW' END) COLLATE NOCASE AS TABLE_TYPE "
        "FROM %2 AND type <> 'trigger';"
        "CREATE TEMP VIEW information_schema_columns AS SELECT "
        "%1 COLLATE NOCASE AS TABLE_CATALOG, 'dbo' COLLATE NOCASE AS TABLE_SCHEMA, "
        "m.name COLLATE NOCASE AS TABLE_NAME, p.name COLLATE NOCASE AS COLUMN_NAME, "
        "p.cid + 1 AS ORDINAL_POSITION, p.dflt_value AS COLUMN_DEFAULT, "
        "(CASE WHEN p.\"notnull\" THEN 'NO' ELSE 'YES' END) COLLATE NOCASE AS IS_NULLABLE, "
        "tsql_type(p.type) COLLATE NOCASE AS DATA_TYPE, "
        "(CASE WHEN instr(p.type, '(') > 0 AND lower(p.type) LIKE '%char%' "
        "THEN CAST(substr(p.type, instr(p.type, '(') + 1) AS INTEGER) END) "
        "AS CHARACTER_MAXIMUM_LENGTH "
        "FROM (SELECT name FROM %2 AND type <> 'trigger') m "
        "JOIN pragma_table_info(m.name, 'main') p;"
        "CREATE TEMP VIEW sysobjects AS SELECT name COLLATE NOCASE AS name, rowid AS id, "
        "(CASE type WHEN 'table' THEN 'U' WHEN 'view' THEN 'V' ELSE 'TR' END) COLLATE NOCASE "
        "AS xtype, "
        "(CASE type WHEN 'table' THEN 'U' WHEN 'view' THEN 'V' ELSE 'TR' END) COLLATE NOCASE "
        "AS type, 1 AS uid FROM %2;"
        "CREATE TEMP TABLE sysdatabases (name TEXT COLLATE NOCASE, dbid INTEGER, "
        "filename TEXT);");
    if (sqlite3_create_function(db, "tsql_type", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                                tsqlType, nullptr, nullptr) != SQLITE_OK)
        throw DbError(errorText(db));
    executeScript(db, views.arg(catalog, objects));
    const int flags = SQLITE_UTF8; // not deterministic: the answers follow the schema
    if (sqlite3_create_function(db, "object_id", 1, flags, nullptr, objectId, nullptr, nullptr) !=
            SQLITE_OK ||
        sqlite3_create_function(db, "OBJECTPROPERTY", 2, flags, nullptr, objectProperty, nullptr,
                                nullptr) != SQLITE_OK)
        throw DbError(errorText(db));
}

void refreshDatabaseList(sqlite3* db, const QString& folder)
{
    QString script = QStringLiteral("DELETE FROM temp.sysdatabases;");
    const QStringList names = databaseNames(folder);
    for (int i = 0; i < names.size(); ++i) {
        const QString file = databaseFile(folder, names[i]);
        script += QStringLiteral("INSERT INTO temp.sysdatabases VALUES (%1, %2, %3);")
                      .arg(sql::quoteString(names[i]))
                      .arg(i + 1)
                      .arg(file.isEmpty() ? QStringLiteral("NULL") : sql::quoteString(file));
    }
    executeScript(db, script);
}

} // namespace db::sqlite
