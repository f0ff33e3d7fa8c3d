#include "dataaccess/table.h"
#include "db_fixture.h"
#include "platform/text_file.h"
#include "toolkit/db/db_tools.h"

namespace {

using namespace toolkit_db_testing;

/// A chooser nobody is asked to use here.
class NoChooser final : public toolkit::CustomerChooser {
public:
    int ChooseCustomer(const QStringList&, QString&) override { return platform::mrCancel; }
};

class DbToolsTest : public ToolkitDbTest {
protected:
    DbToolsTest()
    {
        makeDatabase(serverFolder(), "Farm", {});
        connectTo(farm, "Farm");
        state.ServerConnection = &farm;
    }
    db::Connection farm;
    NoChooser chooser;
    toolkit::DbTools tools{state, state, state, state, state, state, boxes, board, chooser};
};

// The start-up path of the program: the working table is missing, the creation script makes
// it, and the probes, statements and helpers of the one object then see it.
TEST_F(DbToolsTest, OneObjectBuildsAndReadsTheWorkingTable)
{
    ASSERT_FALSE(tools.IsTableExist("2Tarvex"));
    const QString script = state.AppPath + "Create.List";
    platform::writeTextFile(script, {"CREATE TABLE [2Tarvex] (Serial INT, Sex NVARCHAR(10))", "GO",
                                     "INSERT INTO [2Tarvex] VALUES (1, N'ماده');",
                                     "INSERT INTO [2Tarvex] VALUES (2, N'ماده');", "GO"});
    ASSERT_TRUE(tools.DoScriptFromfile(QStringLiteral("ساخت جداول"), script));
    EXPECT_EQ(board.rows, (std::vector<RecordingBoard::Row>{{QStringLiteral("موفقيت در"), "1"},
                                                            {QStringLiteral("موفقيت در"), "2"}}));
    EXPECT_TRUE(tools.IsTableExist("2Tarvex"));
    EXPECT_TRUE(tools.IsFieldExist("2Tarvex", "Sex"));
    EXPECT_EQ(tools.ExecSql("select * from [2Tarvex]"), 2);

    QStringList sexes;
    tools.FillListWithData(sexes, "2Tarvex", "Sex", "");
    EXPECT_EQ(sexes, QStringList{QStringLiteral("ماده")});
    db::Table list(farm, "[2Tarvex]"); // the sums insert the table name as it stands
    EXPECT_DOUBLE_EQ(tools.SumOfField(list, "Serial", ""), 3.0);

    EXPECT_EQ(tools.ExecSql("delete from [2Tarvex]"), 0);
    EXPECT_EQ(tools.ExecSql("select * from [2Tarvex]"), 0);
    EXPECT_TRUE(boxPresenter.shown.empty());
    EXPECT_FALSE(platform::endRequested());
}

} // namespace
