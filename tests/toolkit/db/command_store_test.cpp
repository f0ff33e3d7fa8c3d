// The command store on a real embedded farm database: writes, lookups, the procedure text, and
// what happens when the store cannot be reached.
#include "dataaccess/table.h"
#include "stores_fixture.h"

#include <ostream>

namespace {

using namespace toolkit_db_testing;

const QString kError = QStringLiteral("خطا");

QString longText(qsizetype length)
{
    QString text;
    while (text.size() < length)
        text += QStringLiteral("گاو '; -- ]] ");
    return text.left(length);
}

struct HostileCase {
    const char* name;
    QString sec;
    QString titr;
    QStringList commands;
};

/// The case's name, in test listings.
void PrintTo(const HostileCase& c, std::ostream* os)
{
    *os << c.name;
}

class HostileRoundTrip : public StoresTest, public testing::WithParamInterface<HostileCase> {};

// Whatever a section, title or text holds comes back exactly, a second write updates the row
// the first one wrote, and the neighbouring rows are left as they were.
TEST_P(HostileRoundTrip, TextComesBackExactlyAndNeighboursStay)
{
    const HostileCase& c = GetParam();
    ASSERT_TRUE(store.SQlCmdWriteStringList("Before", "T", {"select 1"}));
    ASSERT_TRUE(store.SQlCmdWriteStringList(c.sec, c.titr, c.commands));
    ASSERT_TRUE(store.SQlCmdWriteStringList("After", "T", {"select 2"}));
    EXPECT_EQ(store.SQlCmdReadOneWriteStringList(c.sec, c.titr), c.commands);

    const QStringList changed{QStringLiteral("خط اول"), c.commands.join(u' ')};
    ASSERT_TRUE(store.SQlCmdWriteStringList(c.sec, c.titr, changed));
    EXPECT_EQ(store.SQlCmdReadOneWriteStringList(c.sec, c.titr), changed);
    const QStringList rows = commandRows();
    ASSERT_EQ(rows.size(), 3) << rows.join('\n').toStdString();
    EXPECT_EQ(rows[0], "Before|T|0|1403/09/19|select 1");
    EXPECT_EQ(rows[2], "After|T|0|1403/09/19|select 2");
    EXPECT_EQ(store.SQlCmdReadOneWriteStringList("Before", "T"), QStringList{"select 1"});
    EXPECT_TRUE(boxPresenter.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, HostileRoundTrip,
    testing::Values(
        HostileCase{"quotes", "It's", "O'Brien's \"cmd\"", {"select 'a''b' from [x]", "'"}},
        HostileCase{"brackets", "a]]b]", "]x[", {"]]", "[dbo].[2Tarvex]"}},
        HostileCase{"comments", "--", "/* t */", {"-- drop table Main", "/*", "*/"}},
        HostileCase{"lineBreaksInNames", "s\r\nx", "t\r\ny", {"a", "", "b"}},
        HostileCase{"persian",
                    QStringLiteral("بخش يك"),
                    QStringLiteral("عنوان كاف ك ي"),
                    {QStringLiteral("select * from Main where Sex=N'ماده'")}},
        HostileCase{"longText", "S", "T", {longText(5000), longText(7)}},
        HostileCase{"longNames", longText(5000), longText(5000), {"x"}},
        HostileCase{"surrogateAtTheCut",
                    QString(29, u'a') + QString::fromUcs4(U"\U0001F404") + "tail",
                    QString(99, u'b') + QString::fromUcs4(U"\U0001F404"),
                    {"x"}}),
    [](const testing::TestParamInfo<HostileCase>& info) { return std::string(info.param.name); });

TEST_F(StoresTest, LongNamesAreStoredCutAndFoundAgainUnderTheFullName)
{
    const QString sec = QString(30, u's') + "-more";
    const QString titr = QString(100, u't') + "-more";
    ASSERT_TRUE(store.SQlCmdWriteStringList(sec, titr, {"one"}));
    ASSERT_TRUE(store.SQlCmdWriteStringList(sec, titr, {"two"}));
    EXPECT_EQ(commandRows(),
              QStringList{QString(30, u's') + "|" + QString(100, u't') + "|0|1403/09/19|two"});
    EXPECT_TRUE(store.SQlCmdFind(sec, titr));
}

TEST_F(StoresTest, ASecondWriteRefreshesTheDateAndKeepsTheSequence)
{
    ASSERT_TRUE(store.SQlCmdWriteStringList("S", "T", {"one"}));
    run(farm, "UPDATE SqlCommands SET Seq = 7");
    state.FarsiToday = "1403/10/01";
    ASSERT_TRUE(store.SQlCmdWriteStringList("S", "T", {"two", "lines"}));
    EXPECT_EQ(commandRows(), QStringList{"S|T|7|1403/10/01|two\r\nlines"});
}

TEST_F(StoresTest, FindGoesBySectionAloneTitleAloneOrBothExactly)
{
    run(farm, "INSERT INTO SqlCommands (Sec, Titr, Seq, SqlCmd) VALUES "
              "('X', 'T2', 0, 'x-t2'), ('S', 'T1', 0, 's-t1'), ('S', 'T2', 0, 's-t2')");
    const auto current = [this] { return store.TSqlCommands()->FieldByName("SqlCmd").AsString(); };
    ASSERT_TRUE(store.SQlCmdFind("S", ""));
    EXPECT_EQ(current(), "s-t1");
    ASSERT_TRUE(store.SQlCmdFind("", "T2"));
    EXPECT_EQ(current(), "x-t2");
    ASSERT_TRUE(store.SQlCmdFind("S", "T2"));
    EXPECT_EQ(current(), "s-t2");
    EXPECT_FALSE(store.SQlCmdFind("s", ""));
    EXPECT_FALSE(store.SQlCmdFind("S ", "T1"));
    EXPECT_FALSE(store.SQlCmdFind("S", "t1"));
    EXPECT_EQ(store.SQlCmdReadOne("S"), "s-t1");
    EXPECT_EQ(store.SQlCmdReadOne("none"), "");
    EXPECT_EQ(store.SQlCmdReadOneWriteStringList("none", "T1"), QStringList());
}

TEST_F(StoresTest, StoredLineBreaksOfAnyKindSplitTheText)
{
    run(farm, "INSERT INTO SqlCommands (Sec, Titr, SqlCmd) VALUES ('S', 'T', "
              "'a' || char(13, 10) || 'b' || char(10) || char(10) || 'c' || char(13) || 'd' || "
              "char(13, 10))");
    EXPECT_EQ(store.SQlCmdReadOneWriteStringList("S", "T"), (QStringList{"a", "b", "", "c", "d"}));
    EXPECT_EQ(store.SQlCmdReadOne("S"), "a\r\nb\n\nc\rd\r\n");
}

// Another workstation adds the row after this one opened the store: it is found and updated,
// not written a second time.
TEST_F(StoresTest, RowsWrittenElsewhereSinceTheStoreOpenedAreFound)
{
    ASSERT_FALSE(store.SQlCmdFind("S", "T"));
    db::Connection other;
    connectTo(other, "Farm");
    run(other, "INSERT INTO SqlCommands (Sec, Titr, Seq, SqlCmd) VALUES ('S', 'T', 0, 'theirs')");
    EXPECT_EQ(store.SQlCmdReadOneWriteStringList("S", "T"), QStringList{"theirs"});
    ASSERT_TRUE(store.SQlCmdWriteStringList("S", "T", {"ours"}));
    EXPECT_EQ(rowsOf(other, "SELECT SqlCmd FROM SqlCommands"), QStringList{"ours"});
}

// A refused write answers false, drops its pending change, and nothing later posts it.
TEST_F(StoresTest, AFailedWriteIsDroppedAndNeverPostedLater)
{
    EXPECT_FALSE(store.SQlCmdWriteStringList("S", "New", {"refused"}));
    EXPECT_EQ(store.TSqlCommands()->State(), db::DatasetState::Browse);
    ASSERT_TRUE(store.SQlCmdWriteStringList("S", "Kept", {"kept"}));
    EXPECT_FALSE(store.SQlCmdWriteStringList("S", "Kept", {"refused"}));
    EXPECT_FALSE(store.SQlCmdFind("S", "New"));
    EXPECT_EQ(store.SQlCmdReadOneWriteStringList("S", "Kept"), QStringList{"kept"});
    ASSERT_TRUE(store.SQlCmdWriteStringList("S", "Other", {"other"}));
    EXPECT_EQ(commandRows(),
              (QStringList{"S|Kept|0|1403/09/19|kept", "S|Other|0|1403/09/19|other"}));
    EXPECT_TRUE(boxPresenter.shown.empty());
}

TEST_F(StoresTest, ClosedConnectionShowsErrorThenTheStoreOpensOnceConnected)
{
    farm.Disconnect();
    EXPECT_FALSE(store.SQlCmdWriteStringList("S", "T", {"x"}));
    EXPECT_THROW(store.SQlCmdFind("S", "T"), db::DbError);
    EXPECT_THROW(store.SQlCmdReadOneWriteStringList("S", "T"), db::DbError);
    EXPECT_THROW(store.SQlCmdReadAndCreatStoreProce("S"), db::DbError);
    ASSERT_EQ(boxPresenter.shown.size(), 4u);
    EXPECT_EQ(boxPresenter.shown[0].text, kError);

    connectTo(farm, "Farm");
    EXPECT_TRUE(store.SQlCmdWriteStringList("S", "T", {"x"}));
    EXPECT_EQ(store.SQlCmdReadOne("S"), "x");
    EXPECT_EQ(boxPresenter.shown.size(), 4u);
}

TEST_F(StoresTest, NoConnectionAtAllIsTheSameError)
{
    state.ServerConnection = nullptr;
    EXPECT_FALSE(store.SQlCmdWriteStringList("S", "T", {"x"}));
    ASSERT_EQ(boxPresenter.shown.size(), 1u);
    EXPECT_EQ(boxPresenter.shown[0].text, kError);
}

// The store is bound when first used, to the connection the toolkit uses then.
TEST_F(StoresTest, TheStoreFollowsTheToolkitsConnection)
{
    makeDatabase(serverFolder(), "Other", {});
    db::Connection other;
    connectTo(other, "Other");
    run(other, kSqlCommandsTable);
    state.ServerConnection = &other;
    ASSERT_TRUE(store.SQlCmdWriteStringList("S", "T", {"other"}));
    state.ServerConnection = &farm;
    ASSERT_TRUE(store.SQlCmdWriteStringList("S", "T", {"farm"}));
    EXPECT_EQ(rowsOf(other, "SELECT SqlCmd FROM SqlCommands"), QStringList{"other"});
    EXPECT_EQ(rowsOf(farm, "SELECT SqlCmd FROM SqlCommands"), QStringList{"farm"});
}

TEST_F(StoresTest, AMissingTableFailsWithoutAMessage)
{
    run(farm, "DROP TABLE SqlCommands");
    EXPECT_FALSE(store.SQlCmdWriteStringList("S", "T", {"x"}));
    EXPECT_THROW(store.SQlCmdFind("S", "T"), db::DbError);
    EXPECT_TRUE(boxPresenter.shown.empty());
}

struct ProcedureCase {
    const char* name;
    QString sec;
    std::vector<std::pair<QString, QString>> rows; ///< title, command
    QStringList expected;
};

/// The case's name, in test listings.
void PrintTo(const ProcedureCase& c, std::ostream* os)
{
    *os << c.name;
}

class ProcedureText : public StoresTest, public testing::WithParamInterface<ProcedureCase> {};

TEST_P(ProcedureText, LinesAreBuiltInTheStoresOrder)
{
    const ProcedureCase& c = GetParam();
    ASSERT_TRUE(store.SQlCmdWriteStringList("Other", "T0", {"0"}));
    for (const auto& [titr, command] : c.rows)
        ASSERT_TRUE(store.SQlCmdWriteStringList(c.sec, titr, {command}));
    EXPECT_EQ(store.SQlCmdReadAndCreatStoreProce(c.sec), c.expected);
    // The filter is gone: every row can be found again.
    EXPECT_EQ(store.TSqlCommands()->RecordCount(), static_cast<int>(c.rows.size()) + 1);
    EXPECT_TRUE(store.SQlCmdFind("Other", "T0"));
}

INSTANTIATE_TEST_SUITE_P(
    Sections, ProcedureText,
    testing::Values(ProcedureCase{"twoRows",
                                  "S",
                                  {{"T1", "E1"}, {"T2", "E2"}},
                                  {"CREATE PROCEDURE [_AutoCompute_S] As Begin Select ",
                                   "(E1)[T1],", "(E2)[T2] ", "Into [_S] End"}},
                    ProcedureCase{"noRows",
                                  "Empty",
                                  {},
                                  {"CREATE PROCEDURE [_AutoCompute_Empty] As Begin Select ",
                                   "Into [_Empty] End"}},
                    ProcedureCase{"titlesTrimmedOfBlanks",
                                  "S",
                                  {{"  Milk Sum  ", "select sum(Milk) from Main"}},
                                  {"CREATE PROCEDURE [_AutoCompute_S] As Begin Select ",
                                   "(select sum(Milk) from Main)[Milk Sum] ", "Into [_S] End"}},
                    ProcedureCase{"bracketsDoubled",
                                  "a]b",
                                  {{"t]]", "1"}},
                                  {"CREATE PROCEDURE [_AutoCompute_a]]b] As Begin Select ",
                                   "(1)[t]]]]] ", "Into [_a]]b] End"}},
                    ProcedureCase{"quoteInSection",
                                  "it's",
                                  {{"T", "2"}},
                                  {"CREATE PROCEDURE [_AutoCompute_it's] As Begin Select ",
                                   "(2)[T] ", "Into [_it's] End"}}),
    [](const testing::TestParamInfo<ProcedureCase>& info) { return std::string(info.param.name); });

} // namespace
