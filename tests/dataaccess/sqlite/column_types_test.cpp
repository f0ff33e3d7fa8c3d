// What the embedded engine keeps of a value written to a column of each T-SQL type a farm's
// stores use, and how a bit field takes text.
#include "dataaccess/base/db_error.h"
#include "dataaccess/connection.h"
#include "dataaccess/embedded_server.h"
#include "dataaccess/query.h"
#include "dataaccess/sqlite/tsql_translator.h"
#include "dataaccess/table.h"

#include <gtest/gtest.h>
#include <ostream>

namespace {

using dataaccess_test::EmbeddedServer;
using dataaccess_test::exec;
using dataaccess_test::scalar;

class ColumnTypes : public testing::Test {
protected:
    ColumnTypes()
    {
        server.createDatabase("Farm");
        farm = server.connect("Farm");
        exec(*farm, "CREATE TABLE Kept (V sql_variant NULL, I image NULL, D datetime NULL, "
                    "NT ntext NULL, NV nvarchar(20) NULL, B bit NULL)");
        exec(*farm, "ALTER TABLE Kept ADD Added sql_variant NULL");
    }
    EmbeddedServer server;
    std::unique_ptr<db::Connection> farm;
};

struct KeptCase {
    const char* column;
    const char* tsqlType;
};

/// The case's name, in test listings.
void PrintTo(const KeptCase& c, std::ostream* os)
{
    *os << c.column;
}

class ValuesAsWritten : public ColumnTypes, public testing::WithParamInterface<KeptCase> {};

// A text stays the same text (leading zeros, a number with trailing zeros) and a number stays a
// number, written through bound parameters as a table dataset writes them.
TEST_P(ValuesAsWritten, TextAndNumbersStayAsTheyWereWritten)
{
    const QString column = GetParam().column;
    db::Table kept(*farm, "Kept");
    kept.Open();
    for (const QString& text : QStringList{"0012", "12.50", "1e3", QStringLiteral("۱۲ گاو"), ""}) {
        SCOPED_TRACE(text.toStdString());
        kept.Insert();
        kept.FieldByName(column).setValue(text);
        kept.Post();
        EXPECT_EQ(kept.FieldByName(column).AsString(), text);
        EXPECT_EQ(scalar(*farm, "SELECT typeof(" + column + ") FROM Kept WHERE rowid = " +
                                    QString::number(kept.RecordCount())),
                  "text");
    }
    kept.Insert();
    kept.FieldByName(column).setValue(qint64(12));
    kept.Post();
    EXPECT_EQ(kept.FieldByName(column).Value(), QVariant(qint64(12)));
    // Fields and the catalogue name the T-SQL type.
    EXPECT_EQ(kept.FieldByName(column).DeclaredType(), GetParam().tsqlType);
    EXPECT_EQ(scalar(*farm, "SELECT DATA_TYPE FROM INFORMATION_SCHEMA.COLUMNS WHERE "
                            "TABLE_NAME = 'Kept' AND COLUMN_NAME = '" +
                                column + "'"),
              GetParam().tsqlType);
}

INSTANTIATE_TEST_SUITE_P(Types, ValuesAsWritten,
                         testing::Values(KeptCase{"V", "sql_variant"}, KeptCase{"I", "image"},
                                         KeptCase{"D", "datetime"},
                                         KeptCase{"Added", "sql_variant"}),
                         [](const testing::TestParamInfo<KeptCase>& info) {
                             return std::string(info.param.column);
                         });

// Only a column's type is given its kept form; the same words elsewhere stay as written.
TEST(ColumnTypeTranslation, TouchesTypesOnly)
{
    const auto sql = [](const char* tsql) { return db::sqlite::translateTsql(tsql).sql; };
    EXPECT_EQ(sql("CREATE TABLE T (image image, [D] datetime NOT NULL, CONSTRAINT C CHECK (1=1))"),
              "CREATE TABLE T (image image blob, [D] datetime blob NOT NULL, CONSTRAINT C CHECK "
              "(1=1))");
    EXPECT_EQ(sql("ALTER TABLE T ADD V sql_variant"), "ALTER TABLE T ADD V sql_variant blob");
    EXPECT_EQ(sql("SELECT image, datetime('now') FROM T"), "SELECT image, datetime('now') FROM T");
    EXPECT_EQ(sql("CREATE TABLE T2 AS SELECT image FROM T"),
              "CREATE TABLE T2 AS SELECT image FROM T");
}

TEST_F(ColumnTypes, TextColumnsKeepTextAndNumbersBecomeText)
{
    exec(*farm, "INSERT INTO Kept (NT, NV) VALUES ('0012', 12)");
    EXPECT_EQ(scalar(*farm, "SELECT NT || '|' || NV FROM Kept"), "0012|12");
}

TEST_F(ColumnTypes, ABitTakesTrueAndFalseAsWellAsNumbers)
{
    db::Table kept(*farm, "Kept");
    kept.Open();
    kept.Insert();
    db::Field& bit = kept.FieldByName("B");
    for (const auto& [text, value] :
         std::vector<std::pair<QString, QVariant>>{{"True", qint64(1)},
                                                   {"false", qint64(0)},
                                                   {" TRUE ", qint64(1)},
                                                   {"1", qint64(1)},
                                                   {"0", qint64(0)},
                                                   {"", QVariant()}}) {
        bit.setAsString(text);
        EXPECT_EQ(bit.Value(), value) << text.toStdString();
    }
    EXPECT_THROW(bit.setAsString("yes"), db::DbError);
    bit.setAsString("True");
    kept.Post();
    EXPECT_EQ(scalar(*farm, "SELECT B FROM Kept"), "1");
}

struct RefusedCase {
    const char* name;
    const char* statement;
    const char* says;
};

/// The case's name, in test listings.
void PrintTo(const RefusedCase& c, std::ostream* os)
{
    *os << c.name;
}

class ServerCode : public ColumnTypes, public testing::WithParamInterface<RefusedCase> {};

// Procedures and SELECT … INTO are refused with the engine's own words, before SQLite would
// answer "syntax error", and nothing of the statement runs.
TEST_P(ServerCode, IsRefusedSayingWhy)
{
    try {
        db::Query query(*farm);
        query.setSQL(GetParam().statement);
        query.ExecSQL();
        FAIL() << "ran";
    } catch (const db::DbError& error) {
        EXPECT_TRUE(error.message().contains("does not support")) << error.message().toStdString();
        EXPECT_TRUE(error.message().contains(GetParam().says)) << error.message().toStdString();
    }
    EXPECT_EQ(scalar(*farm, "SELECT count(*) FROM sqlite_master WHERE name = '_S'"), "0");
}

INSTANTIATE_TEST_SUITE_P(
    Statements, ServerCode,
    testing::Values(
        RefusedCase{"createProcedure",
                    "CREATE PROCEDURE [_AutoCompute_S] As Begin Select \r\n(select 1)[A] \r\n"
                    "Into [_S] End",
                    "PROCEDURE"},
        RefusedCase{"createProc", "create proc P as select 1", "PROCEDURE"},
        RefusedCase{"alterProcedure", "ALTER PROCEDURE P AS SELECT 1", "PROCEDURE"},
        RefusedCase{"createOrAlter", "CREATE OR ALTER PROCEDURE P AS SELECT 1", "PROCEDURE"},
        RefusedCase{"dropProcedure", "DROP PROCEDURE [_AutoCompute_S]", "PROCEDURE"},
        RefusedCase{"exec", "EXEC [_AutoCompute_S]", "EXEC"},
        RefusedCase{"execute", "execute sp_who", "EXEC"},
        RefusedCase{"selectInto", "SELECT 1 AS A INTO [_S]", "SELECT … INTO"},
        RefusedCase{"selectIntoAfterSubquery",
                    "select (select count(*) from Kept) as N into _S from Kept", "SELECT … INTO"},
        RefusedCase{"selectIntoInSecondStatement",
                    "CREATE TABLE _S (A int); SELECT * INTO _S FROM Kept", "SELECT … INTO"}),
    [](const testing::TestParamInfo<RefusedCase>& info) { return std::string(info.param.name); });

TEST_F(ColumnTypes, InsertIntoSelectAndNamesThatLookLikeKeywordsStillRun)
{
    exec(*farm, "CREATE TABLE Copy (A int, [exec] int, [into] int)");
    exec(*farm, "INSERT INTO Copy (A) SELECT 1 UNION SELECT 2");
    exec(*farm, "INSERT INTO Copy (A, [exec], [into]) SELECT (SELECT max(A) FROM Copy), 3, 4");
    EXPECT_EQ(scalar(*farm, "SELECT count(*) FROM Copy WHERE 'exec into' <> ''"), "3");
}

} // namespace
