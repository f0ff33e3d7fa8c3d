#include "dataaccess/base/db_error.h"
#include "dataaccess/base/sql_text.h"
#include "dataaccess/sqlite/tsql_translator.h"

#include <gtest/gtest.h>

namespace {

using db::sqlite::translateTsql;

struct TranslationCase {
    const char* name;
    QString tsql;
    QString sql;
    QString condition = QString();
    bool runWhen = true;
    bool readsDatabaseList = false;
};

class TranslateTest : public ::testing::TestWithParam<TranslationCase> {};

TEST_P(TranslateTest, GivesTheSqliteText)
{
    const TranslationCase& c = GetParam();
    const db::sqlite::Translation t = translateTsql(c.tsql);
    EXPECT_EQ(t.sql, c.sql);
    EXPECT_EQ(t.condition, c.condition);
    EXPECT_EQ(t.runWhen, c.runWhen);
    EXPECT_EQ(t.readsDatabaseList, c.readsDatabaseList);
}

const QString kBanner = db::sql::quoteString(db::sqlite::versionBanner());

INSTANTIATE_TEST_SUITE_P(
    Statements, TranslateTest,
    ::testing::Values(
        TranslationCase{"tableProbe",
                        QStringLiteral("Select Count(  * ) As Res  FROM  INFORMATION_SCHEMA.TABLES "
                                       "Where (Table_Name = 'x') And Table_Type='BASE TABLE' "),
                        QStringLiteral("Select Count(  * ) As Res  FROM  "
                                       "temp.information_schema_tables Where (Table_Name = 'x') "
                                       "And Table_Type='BASE TABLE' ")},
        TranslationCase{"columnProbeBracketedAnyCase",
                        QStringLiteral("SELECT * FROM [information_schema].[Columns] WHERE "
                                       "TABLE_NAME = 'T'AND  COLUMN_NAME = 'c'"),
                        QStringLiteral("SELECT * FROM temp.information_schema_columns WHERE "
                                       "TABLE_NAME = 'T'AND  COLUMN_NAME = 'c'")},
        TranslationCase{"procedureProbe",
                        QStringLiteral("select * from dbo.sysobjects where id = object_id(N'p') "
                                       "and OBJECTPROPERTY(id, N'IsProcedure') = 1"),
                        QStringLiteral("select * from temp.sysobjects where id = object_id('p') "
                                       "and OBJECTPROPERTY(id, 'IsProcedure') = 1")},
        TranslationCase{"databaseProbe",
                        QStringLiteral("select * from Master.Dbo.sysdatabases where "
                                       "Name=(N'Farm''s') "),
                        QStringLiteral("select * from temp.sysdatabases where Name=('Farm''s') "),
                        QString(), true, true},
        TranslationCase{"databaseList",
                        QStringLiteral("SELECT * FROM sysdatabases WHERE (name = 'Masters')"),
                        QStringLiteral("SELECT * FROM temp.sysdatabases WHERE (name = 'Masters')"),
                        QString(), true, true},
        TranslationCase{"version", QStringLiteral("SELECT SUBSTRING(@@VERSION, 22, 5) As V"),
                        QStringLiteral("SELECT SUBSTRING(") + kBanner +
                            QStringLiteral(", 22, 5) As V")},
        TranslationCase{"literalsKeptApart", QStringLiteral("SELECT @@VERSION'v', 'a'N'b'"),
                        QStringLiteral("SELECT ") + kBanner + QStringLiteral(" 'v', 'a' 'b'")},
        TranslationCase{"dropViewSafe",
                        QStringLiteral("if exists (SELECT *  FROM  INFORMATION_SCHEMA.TABLES WHERE "
                                       " (Table_Type = 'View') And Table_Name ='v''1')  drop "
                                       "view [dbo].[v'1]"),
                        QStringLiteral("drop view [v'1]"),
                        QStringLiteral("SELECT EXISTS (SELECT *  FROM  "
                                       "temp.information_schema_tables WHERE  (Table_Type = "
                                       "'View') And Table_Name ='v''1')")},
        TranslationCase{"ifNotExistsCreate",
                        QStringLiteral("IF NOT EXISTS (SELECT * FROM sysobjects WHERE name = "
                                       "N'T') CREATE TABLE T (a nvarchar(max), b varchar(MAX));"),
                        QStringLiteral("CREATE TABLE T (a nvarchar, b varchar)"),
                        QStringLiteral("SELECT EXISTS (SELECT * FROM temp.sysobjects WHERE name "
                                       "= 'T')"),
                        false},
        TranslationCase{"ownerPrefixes",
                        QStringLiteral("select dbo.Info.KeyName from Dbo.Info, [dbo].[2Tarvex], "
                                       "DBO . Main"),
                        QStringLiteral("select Info.KeyName from Info, [2Tarvex], Main")},
        TranslationCase{"top", QStringLiteral("SELECT TOP 5 Serial FROM Main ORDER BY Serial"),
                        QStringLiteral("SELECT  Serial FROM Main ORDER BY Serial LIMIT 5")},
        TranslationCase{"distinctTopInParentheses",
                        QStringLiteral("select distinct top (1) a from t; -- last\n"),
                        QStringLiteral("select distinct  a from t LIMIT 1; -- last\n")},
        TranslationCase{"insertSelectTop",
                        QStringLiteral("INSERT INTO a (x) SELECT TOP 2 x FROM b"),
                        QStringLiteral("INSERT INTO a (x) SELECT  x FROM b LIMIT 2")},
        TranslationCase{"literalsNamesAndCommentsUntouched",
                        QStringLiteral("select 'dbo.x N''y'' @@VERSION TOP 1', [dbo.sysobjects], "
                                       "\"INFORMATION_SCHEMA.TABLES\" -- dbo.t @x TOP 1\n"
                                       "/* sysdatabases @@VERSION */ from dbo.t"),
                        QStringLiteral("select 'dbo.x N''y'' @@VERSION TOP 1', [dbo.sysobjects], "
                                       "\"INFORMATION_SCHEMA.TABLES\" -- dbo.t @x TOP 1\n"
                                       "/* sysdatabases @@VERSION */ from t")},
        TranslationCase{"selectionStatementAsWritten",
                        QStringLiteral("INSERT INTO [2Tarvex](Serial,Body)SELECT     'A1',Body "
                                       "FROM CowStatusView M WHERE (Serial = 'A1') AND "
                                       "ZSittuation LIKE '%سقط%'"),
                        QStringLiteral("INSERT INTO [2Tarvex](Serial,Body)SELECT     'A1',Body "
                                       "FROM CowStatusView M WHERE (Serial = 'A1') AND "
                                       "ZSittuation LIKE '%سقط%'")}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefusedCase {
    const char* name;
    QString tsql;
};

class RefuseTest : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefuseTest, FailsWithAClearError)
{
    try {
        const db::sqlite::Translation t = translateTsql(GetParam().tsql);
        ADD_FAILURE() << "translated to: " << t.sql.toStdString();
    } catch (const db::DbError& error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("does not support")))
            << error.message().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Constructs, RefuseTest,
    ::testing::Values(
        RefusedCase{"variable", QStringLiteral("select * from t where a = @x")},
        RefusedCase{"otherServerFunction", QStringLiteral("select @@ROWCOUNT")},
        RefusedCase{"topInSubquery", QStringLiteral("select * from (select top 1 a from t) s")},
        RefusedCase{"topBesideUnion",
                    QStringLiteral("select top 1 a from t union select b from u")},
        RefusedCase{"topPercent", QStringLiteral("select top 10 percent a from t")},
        RefusedCase{"topWithTies", QStringLiteral("select top 1 with ties a from t order by a")},
        RefusedCase{"topParameter", QStringLiteral("select top (?) a from t where b = ?")},
        RefusedCase{"updateTop", QStringLiteral("update top (1) t set a = 1")},
        RefusedCase{"ifElse", QStringLiteral("if exists (select 1) drop view v else drop table t")},
        RefusedCase{"ifBlock", QStringLiteral("if exists (select 1) begin drop view v end")},
        RefusedCase{"ifSeveralStatements",
                    QStringLiteral("if exists (select 1) drop view v; drop table t")},
        RefusedCase{"ifWithoutExists", QStringLiteral("if 1 = 1 drop view v")},
        RefusedCase{"ifLater", QStringLiteral("drop view v; if exists (select 1) drop table t")},
        RefusedCase{"plusBesideText", QStringLiteral("select Serial + N'-' from Main")},
        RefusedCase{"identity",
                    QStringLiteral("create table t (id int identity(1,1) primary key)")},
        RefusedCase{"likeClass", QStringLiteral("select * from t where a like N'[a-c]%'")},
        RefusedCase{"otherDatabase", QStringLiteral("select * from Farm2.dbo.Main")},
        RefusedCase{"otherCatalogueView",
                    QStringLiteral("select * from INFORMATION_SCHEMA.ROUTINES")},
        RefusedCase{"nestedComment", QStringLiteral("select 1 /* a /* b */ */")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(VersionBanner, NamesTheReleaseAtCharacter22)
{
    const QString banner = db::sqlite::versionBanner();
    const QString release = banner.mid(21, 5).trimmed(); // characters 22 to 26
    ASSERT_FALSE(release.isEmpty());
    bool ok = false;
    EXPECT_GE(release.toDouble(&ok), 3.0) << banner.toStdString();
    EXPECT_TRUE(ok) << banner.toStdString();
}

} // namespace
