#include "dataaccess/query.h"
#include "db_fixture.h"
#include "platform/text_file.h"
#include "toolkit/db/statement_tools.h"

#include <functional>

namespace {

using namespace toolkit_db_testing;

const QChar CR(13);
const QString programmingError = QStringLiteral("اشكال در برنامه نويسي");
const QString countFailed =
    QStringLiteral("اشكال در اجرا دستور . با برنامه نويس تماس بگيريد.- شمارش - ");
const QString errorTitle = QStringLiteral("خطا");

class StatementToolsTest : public ToolkitDbTest {
protected:
    StatementToolsTest()
    {
        makeDatabase(serverFolder(), "Farm",
                     {"CREATE TABLE Cows (Name TEXT, Age INTEGER)",
                      "INSERT INTO Cows VALUES ('گلي', 3), (NULL, 4), ('Account', 5)",
                      "CREATE VIEW OldCows AS SELECT * FROM Cows WHERE Age > 3",
                      "CREATE TABLE \"O'Hara\" (Id INTEGER)", "CREATE TABLE [2Tarvex] (Id INTEGER)",
                      "INSERT INTO [2Tarvex] VALUES (1), (2)"});
        connectTo(farm, "Farm");
        state.ServerConnection = &farm;
    }

    QString errorLog() const { return state.AppPath + "T4V/SqlExecuteErrorLog.Txt"; }
    int count(const QString& select)
    {
        db::Query query(farm);
        query.setSQL(select);
        query.Open();
        return static_cast<int>(query.Fields(0).AsInteger());
    }

    db::Connection farm;
    toolkit::StatementTools tools{state, state, state, state, boxes, board};
};

struct ProbeCase {
    const char* name;
    std::function<bool(toolkit::StatementTools&)> probe;
    bool expected;
};

class ProbeTest : public StatementToolsTest, public testing::WithParamInterface<ProbeCase> {};

TEST_P(ProbeTest, AnswersFromTheCatalogue)
{
    EXPECT_EQ(GetParam().probe(tools), GetParam().expected);
    EXPECT_TRUE(boxPresenter.shown.empty());
    EXPECT_FALSE(platform::endRequested());
}

using T = toolkit::StatementTools;

INSTANTIATE_TEST_SUITE_P(
    Probes, ProbeTest,
    testing::Values(
        ProbeCase{"TableOnTable", [](T& t) { return t.IsTableExist("Cows"); }, true},
        ProbeCase{"TableOnView", [](T& t) { return t.IsTableExist("OldCows"); }, false},
        ProbeCase{"TableMissing", [](T& t) { return t.IsTableExist("Sheep"); }, false},
        ProbeCase{"TableWithQuote", [](T& t) { return t.IsTableExist("O'Hara"); }, true},
        ProbeCase{"TableStartingWithDigit", [](T& t) { return t.IsTableExist("2Tarvex"); }, true},
        ProbeCase{"ViewOnView", [](T& t) { return t.IsViewExist("OldCows"); }, true},
        ProbeCase{"ViewOnTable", [](T& t) { return t.IsViewExist("Cows"); }, false},
        ProbeCase{"ViewWithQuoteMissing", [](T& t) { return t.IsViewExist("O'Hara"); }, false},
        ProbeCase{"FieldPresent", [](T& t) { return t.IsFieldExist("Cows", "Age"); }, true},
        ProbeCase{"FieldMissing", [](T& t) { return t.IsFieldExist("Cows", "Weight"); }, false},
        ProbeCase{"FieldOfQuotedTable", [](T& t) { return t.IsFieldExist("O'Hara", "Id"); }, true},
        ProbeCase{"NoProcedures", [](T& t) { return t.IsSpExist("Cows"); }, false},
        ProbeCase{"DatabasePresent", [](T& t) { return t.IsDataBaseExist("Farm"); }, true},
        ProbeCase{"DatabaseMissing", [](T& t) { return t.IsDataBaseExist("Nope'"); }, false}),
    [](const testing::TestParamInfo<ProbeCase>& info) { return std::string(info.param.name); });

TEST_F(StatementToolsTest, SelectIsCountedAfterLeadingBlanks)
{
    // Becomes "Select Count( Name ) As Res  from Cows": the null name is not counted.
    EXPECT_EQ(tools.ExecSql("   select Name from Cows"), 2);
    EXPECT_EQ(tools.ExecSql("SELECT * FROM Cows WHERE Age > 3"), 2);
    EXPECT_TRUE(boxPresenter.shown.empty());
    EXPECT_FALSE(platform::endRequested());
    EXPECT_FALSE(QFile::exists(errorLog()));
}

TEST_F(StatementToolsTest, CountInASelectIsAProgrammingErrorAndTheFailureBoxClosesAtOnce)
{
    board.onScreen = true;
    EXPECT_EQ(tools.ExecSql("select count(*) from Cows"), 0);

    ASSERT_EQ(boxPresenter.shown.size(), 1u);
    EXPECT_EQ(boxPresenter.shown[0].text, programmingError);
    EXPECT_TRUE(platform::endRequested());
    // The statement ran unchanged, had no column Res, and failed after the end request.
    ASSERT_EQ(boxPresenter.closed.size(), 1u);
    EXPECT_EQ(boxPresenter.closed[0].text, countFailed + CR + "select count(*) from Cows");
    EXPECT_EQ(fileBytes(errorLog()), QByteArray("select count(*) from Cows\r\n"));
    EXPECT_EQ(board.rows,
              (std::vector<RecordingBoard::Row>{{errorTitle, "select count(*) from Cows"}}));
}

TEST_F(StatementToolsTest, CountWithColumnResAnswersTheRealCount)
{
    EXPECT_EQ(tools.ExecSql("SELECT COUNT(*) AS Res FROM Cows"), 3);
    ASSERT_EQ(boxPresenter.shown.size(), 1u);
    EXPECT_EQ(boxPresenter.shown[0].text, programmingError);
    EXPECT_TRUE(platform::endRequested());
}

TEST_F(StatementToolsTest, CountInsideANameIsRefusedToo)
{
    EXPECT_EQ(tools.ExecSql("select * from Cows where Name = 'Account'"), 0);
    EXPECT_EQ(boxPresenter.shown.at(0).text, programmingError);
    EXPECT_TRUE(platform::endRequested());
}

TEST_F(StatementToolsTest, FailedCountIsLoggedShownAndEndsTheApplication)
{
    const QString sent = "Select Count( Name, Age ) As Res  from Cows";
    EXPECT_EQ(tools.ExecSql("select Name, Age from Cows"), 0);
    ASSERT_EQ(boxPresenter.shown.size(), 1u);
    EXPECT_EQ(boxPresenter.shown[0].text, countFailed + CR + sent);
    EXPECT_TRUE(platform::endRequested());
    EXPECT_EQ(fileBytes(errorLog()), sent.toUtf8() + "\r\n");
    EXPECT_TRUE(board.rows.empty()) << "the board is not on screen";

    // The log holds only the last failure, replaced whole, in the 8-bit code page.
    tools.ExecSql("select Name from Nowhere where Name = 'گاو'");
    EXPECT_EQ(platform::readTextFile(errorLog()),
              "Select Count( Name ) As Res  from Nowhere where Name = 'گاو'\r\n");
    EXPECT_FALSE(fileBytes(errorLog()).startsWith("\xEF\xBB\xBF"));
}

TEST_F(StatementToolsTest, SelectAfterATabRunsAsACommand)
{
    EXPECT_EQ(tools.ExecSql("\tSELECT * FROM Cows"), 0);
    EXPECT_EQ(tools.ExecSql("\r\nselect count(*) from Cows"), 0);
    EXPECT_TRUE(boxPresenter.shown.empty());
    EXPECT_FALSE(platform::endRequested());
}

TEST_F(StatementToolsTest, CommandsAnswerZeroOrMinusHundred)
{
    EXPECT_EQ(tools.ExecSql("delete from [2Tarvex]"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM [2Tarvex]"), 0);

    EXPECT_EQ(tools.ExecSql("DROP TABLE [2Tarvex]"), 0);
    EXPECT_EQ(tools.ExecSql("delete from [2Tarvex]"), -100);
    EXPECT_TRUE(board.rows.empty()) << "nothing is posted while the board is hidden";
    board.onScreen = true;
    EXPECT_EQ(tools.ExecSql("delete from [2Tarvex]"), -100);
    EXPECT_EQ(board.rows,
              (std::vector<RecordingBoard::Row>{{errorTitle, "delete from [2Tarvex]"}}));
    EXPECT_TRUE(boxPresenter.shown.empty());
    EXPECT_FALSE(platform::endRequested());
    EXPECT_FALSE(QFile::exists(errorLog()));
}

TEST_F(StatementToolsTest, WithoutAConnectionStatementsFailTheirOwnWay)
{
    state.ServerConnection = nullptr;
    EXPECT_EQ(tools.ExecSql("delete from Cows"), -100);
    EXPECT_EQ(tools.ExecSql("select Name from Cows"), 0);
    EXPECT_TRUE(platform::endRequested());
}

TEST_F(StatementToolsTest, FirstRowValuesAreReturned)
{
    EXPECT_TRUE(tools.DoSqlAndReturnParameters("select Name, Age, 'x' from Cows order by Age"));
    EXPECT_EQ(state.SqlReturnedValues, (QStringList{"گلي", "3", "x"}));
    EXPECT_EQ(state.SqlReturnedCount, 3);

    EXPECT_TRUE(tools.DoSqlAndReturnParameters("select Name, Age from Cows where Age > 99"));
    EXPECT_EQ(state.SqlReturnedValues, (QStringList{"", ""}));
    EXPECT_EQ(state.SqlReturnedCount, 2);

    EXPECT_FALSE(tools.DoSqlAndReturnParameters("select Nothing from Nowhere"));
    EXPECT_EQ(state.SqlReturnedValues, QStringList{""});
    EXPECT_EQ(state.SqlReturnedCount, 0);
    EXPECT_TRUE(boxPresenter.shown.empty());
    EXPECT_FALSE(platform::endRequested());
}

TEST_F(StatementToolsTest, VersionOfTheEngine)
{
    const QString version = tools.SQLVer(farm);
    EXPECT_FALSE(version.isEmpty());
    EXPECT_EQ(version, version.trimmed());
    EXPECT_TRUE(boxPresenter.shown.empty());

    db::Connection unconnected;
    board.onScreen = true;
    EXPECT_EQ(tools.SQLVer(unconnected), QString());
    ASSERT_EQ(boxPresenter.shown.size(), 1u);
    EXPECT_EQ(boxPresenter.shown[0].text, QStringLiteral("خطا در دريافت نسخه اسكيوال سرور"));
    EXPECT_EQ(board.rows, (std::vector<RecordingBoard::Row>{
                              {errorTitle, "SELECT SUBSTRING(@@VERSION, 22, 5) As V"}}));
    EXPECT_FALSE(platform::endRequested());
}

TEST_F(StatementToolsTest, DropViewSafeDropsOnlyAViewAndAnswersFalse)
{
    ASSERT_EQ(tools.ExecSql("CREATE VIEW [O'View] AS SELECT * FROM Cows"), 0);
    ASSERT_TRUE(tools.IsViewExist("O'View"));

    state.ViewCanBeDroped = false;
    EXPECT_FALSE(tools.DropViewSafe("O'View"));
    EXPECT_TRUE(tools.IsViewExist("O'View"));

    state.ViewCanBeDroped = true;
    EXPECT_FALSE(tools.DropViewSafe("O'View"));
    EXPECT_FALSE(tools.IsViewExist("O'View"));
    EXPECT_FALSE(tools.DropViewSafe("Cows"));
    EXPECT_TRUE(tools.IsTableExist("Cows"));
    EXPECT_TRUE(boxPresenter.shown.empty());
}

TEST_F(StatementToolsTest, DropViewSafeKeepsAHostileNameInsideItsBracket)
{
    tools.DropViewSafe("OldCows]; drop table [Cows");
    EXPECT_TRUE(tools.IsTableExist("Cows"));

    // On a connection that cannot run it, the statement sent shows on the board to the letter.
    db::Connection unconnected;
    state.ServerConnection = &unconnected;
    board.onScreen = true;
    EXPECT_FALSE(tools.DropViewSafe("a]b'c"));
    EXPECT_EQ(board.rows,
              (std::vector<RecordingBoard::Row>{
                  {errorTitle, "if exists (SELECT *  FROM  INFORMATION_SCHEMA.TABLES WHERE  "
                               "(Table_Type = 'View') And Table_Name ='a]b''c')  drop view "
                               "[dbo].[a]]b'c]"}}));
    EXPECT_TRUE(boxPresenter.shown.empty());
    EXPECT_FALSE(platform::endRequested());
}

struct SentCase {
    const char* name;
    std::function<bool(toolkit::StatementTools&)> probe;
    const char* sent;
};

class ProbeStatementTest : public StatementToolsTest,
                           public testing::WithParamInterface<SentCase> {};

// A probe that fails shows the count query it sent; a probe whose query fails answers false.
TEST_P(ProbeStatementTest, SendsItsCountQueryToTheLetter)
{
    db::Connection unconnected;
    state.ServerConnection = &unconnected;
    EXPECT_FALSE(GetParam().probe(tools));
    ASSERT_EQ(boxPresenter.shown.size(), 1u);
    EXPECT_EQ(boxPresenter.shown[0].text, countFailed + CR + QString::fromUtf8(GetParam().sent));
    EXPECT_TRUE(platform::endRequested());
}

INSTANTIATE_TEST_SUITE_P(
    Probes, ProbeStatementTest,
    testing::Values(
        SentCase{"Table", [](T& t) { return t.IsTableExist("O'Hara"); },
                 "Select Count(  * ) As Res  FROM  INFORMATION_SCHEMA.TABLES Where (Table_Name = "
                 "'O''Hara') And Table_Type='BASE TABLE' "},
        SentCase{"View", [](T& t) { return t.IsViewExist("گاو"); },
                 "Select Count(  * ) As Res  FROM  INFORMATION_SCHEMA.TABLES Where (Table_Name = "
                 "'گاو') And Table_Type='VIEW' "},
        SentCase{"Field", [](T& t) { return t.IsFieldExist("T'1", "F"); },
                 "Select Count( * ) As Res  FROM INFORMATION_SCHEMA.COLUMNS WHERE TABLE_NAME = "
                 "'T''1'AND  COLUMN_NAME = 'F'"},
        SentCase{"Procedure", [](T& t) { return t.IsSpExist("sp'x"); },
                 "Select Count( * ) As Res  from dbo.sysobjects where id = object_id(N'sp''x') and "
                 "OBJECTPROPERTY(id, N'IsProcedure') = 1"},
        SentCase{"Database", [](T& t) { return t.IsDataBaseExist("Farm"); },
                 "Select Count( * ) As Res  from Master.Dbo.sysdatabases where Name=(N'Farm') "}),
    [](const testing::TestParamInfo<SentCase>& info) { return std::string(info.param.name); });

} // namespace
