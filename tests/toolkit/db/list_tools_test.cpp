#include "dataaccess/base/db_error.h"
#include "dataaccess/query.h"
#include "dataaccess/table.h"
#include "db_fixture.h"
#include "toolkit/db/list_tools.h"
#include "toolkit/db/standalone_query.h"

#include <gmock/gmock.h>

namespace {

using namespace toolkit_db_testing;
using testing::ElementsAre;
using testing::UnorderedElementsAre;

class ListToolsTest : public ToolkitDbTest {
protected:
    ListToolsTest()
    {
        makeDatabase(serverFolder(), "Farm",
                     {"CREATE TABLE Items (Name TEXT, Price REAL, Count INTEGER)",
                      "INSERT INTO Items VALUES ('A', 2.5, 2), ('A', 1, 3), ('B', 4, 1), "
                      "(NULL, 10, 1), ('   ', 0, 0), ('  شير', 0, 0)"});
        connectTo(farm, "Farm");
        state.ServerConnection = &farm;
    }

    db::Connection farm;
    db::Table items{farm, "Items"};
    toolkit::ListTools tools{state};
};

TEST_F(ListToolsTest, DistinctValuesWithBlanksAsHyphen)
{
    QStringList list{"old"};
    tools.FillListWithData(list, "Items", "Name", "");
    // Null and an all-blank value are both "-"; leading blanks before a letter stay.
    EXPECT_THAT(list, UnorderedElementsAre("A", "B", "-", "-", "  شير"));
}

TEST_F(ListToolsTest, EveryValueInServerOrder)
{
    QStringList list;
    tools.FillListWithDataBDistinct(list, "Items", "Name", " \t");
    EXPECT_THAT(list, ElementsAre("A", "A", "B", "-", "-", "  شير"));
}

TEST_F(ListToolsTest, ConditionTakesTheTableBare)
{
    QStringList list;
    tools.FillListWithData(list, "dbo.Items", "Name", "Price > 1");
    EXPECT_THAT(list, UnorderedElementsAre("A", "B", "-"));
}

TEST_F(ListToolsTest, FailureLeavesTheListAndReachesTheCaller)
{
    QStringList list{"kept"};
    EXPECT_THROW(tools.FillListWithData(list, "Nowhere", "Name", ""), db::DbError);
    EXPECT_THROW(tools.FillListWithDataBDistinct(list, "Items", "Name", "Nonsense ="), db::DbError);
    EXPECT_EQ(list, QStringList{"kept"});
}

TEST_F(ListToolsTest, Sums)
{
    EXPECT_DOUBLE_EQ(tools.SumOfField(items, "Price", ""), 17.5);
    EXPECT_DOUBLE_EQ(tools.SumOfField(items, "Price", "Name = 'A'"), 3.5);
    EXPECT_DOUBLE_EQ(tools.SumOfField(items, "Price", "Name = 'Z'"), 0.0);
    EXPECT_DOUBLE_EQ(tools.SumAndMulti(items, "Price", "Count", ""), 2.5 * 2 + 1 * 3 + 4 + 10);
    EXPECT_DOUBLE_EQ(tools.SumAndMulti(items, "Price", "Count", "Name = 'A'"), 8.0);
    EXPECT_THROW(tools.SumOfField(items, "Weight", ""), db::DbError);
}

TEST_F(ListToolsTest, QueryCopyIsUnopenedOnItsOwnConnection)
{
    db::Query source(farm);
    source.setSQL("SELECT Price FROM Items WHERE Name = :name AND Count >= :least");
    source.ParamByName("name").Value = QStringLiteral("A");
    source.ParamByName("least").Value = 3;

    const std::unique_ptr<toolkit::StandaloneQuery> copy = tools.MsQuery2AdoQuery(source);
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(&copy->connection(), &farm);
    EXPECT_EQ(copy->connection().settings(), farm.settings());
    EXPECT_FALSE(copy->connection().Connected());
    EXPECT_FALSE(copy->query().Active());
    EXPECT_EQ(copy->query().sqlText(), source.sqlText());
    ASSERT_EQ(copy->query().ParamCount(), 2);
    EXPECT_EQ(copy->query().Params(0).Value, QVariant(QStringLiteral("A")));
    EXPECT_EQ(copy->query().Params(1).Value, QVariant(3));

    copy->Open();
    ASSERT_EQ(copy->query().RecordCount(), 1);
    EXPECT_DOUBLE_EQ(copy->query().Fields(0).AsFloat(), 1.0);
}

} // namespace
