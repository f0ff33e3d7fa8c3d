#pragma once

#include "dataaccess/sqlite/literal_values.h"

#include <QString>
#include <optional>

namespace db::sqlite {

/// The banner the embedded engine answers @@VERSION with. Like SQL Server's, characters 22 to 26
/// name the release ("3.40" for SQLite 3.40).
QString versionBanner();

/// A T-SQL statement text turned into what SQLite runs.
struct Translation {
    QString sql; ///< the statement(s) to run; empty when only a condition was given
    /// For "IF [NOT] EXISTS (query) statement": "SELECT EXISTS (query)", run first; `sql` runs
    /// only when its answer is runWhen. Empty for a text without IF.
    QString condition;
    bool runWhen = true;
    bool readsDatabaseList = false; ///< names sysdatabases: the folder is listed first
    /// `sql` with its literals as values (see literalsAsValues); nullopt with a condition.
    std::optional<LiteralValues> literals;
};

/// Translates the T-SQL the system writes into SQLite's dialect, token by token: nothing inside
/// a string literal, a [bracketed] or "quoted" name or a comment is ever changed.
///
/// Understood beyond what SQLite reads as it stands:
///   N'…' literals; the owner prefixes dbo. [dbo]. Dbo.; Master.Dbo.sysdatabases and
///   sysdatabases; dbo.sysobjects; INFORMATION_SCHEMA.TABLES and INFORMATION_SCHEMA.COLUMNS;
///   @@VERSION; SELECT [DISTINCT] TOP n / TOP (n) in the outer query; nvarchar(max),
///   varchar(max), varbinary(max); IF [NOT] EXISTS (query) followed by one statement; the
///   column types sql_variant, image and datetime in CREATE TABLE and ALTER TABLE … ADD, which
///   keep what is written (column_types.h).
/// Raises DbError for what would otherwise run with a different meaning or fail obscurely:
/// variables (@x), other @@ functions, TOP in a subquery, beside UNION, with PERCENT or WITH
/// TIES, UPDATE/DELETE TOP, IF not at the start or followed by several statements, IF without
/// EXISTS, ELSE, IDENTITY columns, LIKE patterns with [ ] classes, "+" beside a string literal,
/// names in another database, other INFORMATION_SCHEMA views, nested block comments, stored
/// procedures (CREATE/ALTER/DROP PROCEDURE, EXEC, EXECUTE) and SELECT … INTO.
///
/// Left as SQLite reads them, so different from SQL Server (no token shows them): text compared
/// with = is case-sensitive and trailing blanks count; "+" between two text columns adds; a
/// subquery that should give one value and gives several yields its first.
Translation translateTsql(const QString& tsql);

} // namespace db::sqlite
