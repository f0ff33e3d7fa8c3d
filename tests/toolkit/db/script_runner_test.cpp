#include "dataaccess/query.h"
#include "db_fixture.h"
#include "platform/text_file.h"
#include "toolkit/db/script_runner.h"

namespace {

using namespace toolkit_db_testing;
using Row = RecordingBoard::Row;
using Rows = std::vector<Row>;

const QChar CR(13);
const QString success = QStringLiteral("موفقيت در");
const QString failure = QStringLiteral("خطا در ");
const QString title = QStringLiteral("ساخت جداول");

class ScriptRunnerTest : public ToolkitDbTest {
protected:
    ScriptRunnerTest()
    {
        makeDatabase(serverFolder(), "Farm", {"CREATE TABLE Cows (Name TEXT)"});
        connectTo(farm, "Farm");
        state.ServerConnection = &farm;
    }

    /// Writes the script as UTF-8 bytes, lines ended as given.
    QString script(const QByteArray& bytes)
    {
        const QString path = state.AppPath + "Create.List";
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QStringList tables()
    {
        db::Query query(farm);
        query.setSQL("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name");
        query.Open();
        QStringList names;
        for (query.First(); !query.Eof(); query.Next())
            names.append(query.Fields(0).AsString());
        return names;
    }

    db::Connection farm;
    toolkit::ScriptRunner runner{state, state, boxes, board};
};

struct ScriptCase {
    const char* name;
    QByteArray script;
    Rows rows;
    QStringList tables;
};

class ScriptRunTest : public ScriptRunnerTest, public testing::WithParamInterface<ScriptCase> {};

TEST_P(ScriptRunTest, RunsEveryBatchAndPostsOneRowEach)
{
    EXPECT_TRUE(runner.DoScriptFromfile(title, script(GetParam().script)));
    EXPECT_EQ(board.starts, 1);
    EXPECT_TRUE(board.farsi);
    EXPECT_EQ(board.caption, title);
    EXPECT_EQ(board.stops, 1);
    EXPECT_EQ(board.rows, GetParam().rows);
    EXPECT_EQ(tables(), GetParam().tables);
    EXPECT_TRUE(boxPresenter.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, ScriptRunTest,
    testing::Values(
        ScriptCase{"TwoBatchesEachEnded",
                   "CREATE TABLE A (x INT)\r\nGO\r\nCREATE TABLE B (x INT)\r\nGO\r\n",
                   {{success, "1"}, {success, "2"}},
                   {"A", "B", "Cows"}},
        ScriptCase{"LastSeparatorMissing",
                   "CREATE TABLE A (x INT)\nGO\nCREATE TABLE B (x INT)",
                   {{success, "1"}, {success, "2"}},
                   {"A", "B", "Cows"}},
        ScriptCase{"SeparatorSpellingsAndLineEnds",
                   "CREATE TABLE A (x INT)\rgo\rCREATE TABLE B (x INT)\r\nGo  \r\n"
                   "CREATE TABLE C (x INT)\n  GO\t\n",
                   {{success, "1"}, {success, "2"}, {success, "3"}},
                   {"A", "B", "C", "Cows"}},
        ScriptCase{"EmptyBatchUsesUpItsNumber",
                   "CREATE TABLE A (x INT)\r\nGO\r\nGO\r\nCREATE TABLE B (x INT)\r\nGO\r\n",
                   {{success, "1"}, {success, "3"}},
                   {"A", "B", "Cows"}},
        ScriptCase{"CommentLinesAreNotSent",
                   "// built by hand\r\nCREATE TABLE A (\r\n-- the key\r\nx INT)\r\n"
                   "  -- sent with its batch\r\nGO\r\n",
                   {{success, "1"}},
                   {"A", "Cows"}},
        ScriptCase{"PersianTextInUtf8",
                   "\xEF\xBB\xBFINSERT INTO Cows VALUES (N'\xDA\xAF\xD9\x84\xDB\x8C')\r\nGO\r\n",
                   {{success, "1"}},
                   {"Cows"}},
        ScriptCase{"NothingLeftAfterFiltering",
                   "-- only a comment\r\n\r\n// and another\r\n",
                   {},
                   {"Cows"}}),
    [](const testing::TestParamInfo<ScriptCase>& info) { return std::string(info.param.name); });

TEST_F(ScriptRunnerTest, GoWithMoreIsSentAsPartOfItsBatch)
{
    EXPECT_TRUE(runner.DoScriptFromfile(title, script("CREATE TABLE A (x INT)\r\nGO 2\r\n")));
    EXPECT_EQ(board.rows, (Rows{{failure + "1", "CREATE TABLE A (x INT)\r\nGO 2"}}));
    EXPECT_EQ(tables(), QStringList{"Cows"});
}

TEST_F(ScriptRunnerTest, FailingMiddleBatchIsReportedAndTheRunGoesOn)
{
    const QString path =
        script("CREATE TABLE A (x INT)\r\nGO\r\nINSERT INTO Nowhere\r\nVALUES (1)\r\n"
               "GO\r\nCREATE TABLE B (x INT)\r\nGO\r\n");
    EXPECT_TRUE(runner.DoScriptFromfile(title, path));
    EXPECT_EQ(board.rows, (Rows{{success, "1"},
                                {failure + "2", "INSERT INTO Nowhere\r\nVALUES (1)"},
                                {success, "3"}}));
    EXPECT_EQ(tables(), (QStringList{"A", "B", "Cows"}));
    ASSERT_EQ(boxPresenter.shown.size(), 1u);
    EXPECT_EQ(boxPresenter.shown[0].caption, QStringLiteral("پيام"));
    EXPECT_EQ(boxPresenter.shown[0].text,
              QStringLiteral(" در مورد ") + CR + title + CR + "1" +
                  QStringLiteral(" خطا وجود داشته است . گزارش را ذخيره و با شركت Nisuk براي "
                                 "هماهنگي بيشتر تماس بگيريد "));
    EXPECT_FALSE(platform::endRequested());
}

TEST_F(ScriptRunnerTest, WorkCopyHoldsTheScriptAsLoaded)
{
    runner.DoScriptFromfile(title, script("// head\nCREATE TABLE A (x INT)\n\nGO"));
    EXPECT_EQ(fileBytes(state.AppPath + "T4V/Temp.Txt"),
              QByteArray("// head\r\nCREATE TABLE A (x INT)\r\n\r\nGO\r\n"));
}

TEST_F(ScriptRunnerTest, MissingFileIsReportedWithoutTouchingTheBoard)
{
    const QString path = state.AppPath + "Missing.List";
    EXPECT_FALSE(runner.DoScriptFromfile(title, path));
    ASSERT_EQ(boxPresenter.shown.size(), 1u);
    EXPECT_EQ(boxPresenter.shown[0].text, QStringLiteral("فايل پيدا نشد") + CR + title + CR + path);
    EXPECT_NE(boxPresenter.shown[0].caption, QStringLiteral("پيام")) << "not the toolkit's box";
    EXPECT_EQ(board.starts, 0);
    EXPECT_TRUE(board.rows.empty());
    EXPECT_FALSE(QFile::exists(state.AppPath + "T4V/Temp.Txt"));
}

TEST_F(ScriptRunnerTest, UnwritableWorkCopyStopsTheRecordingAndRaises)
{
    QDir(state.AppPath + "T4V").removeRecursively();
    EXPECT_THROW(runner.DoScriptFromfile(title, script("CREATE TABLE A (x INT)\r\n")),
                 platform::Error);
    EXPECT_EQ(board.stops, 1);
    EXPECT_EQ(tables(), QStringList{"Cows"});
}

class CreateListTest : public ScriptRunnerTest {
protected:
    CreateListTest()
    {
        farm.session().execute("INSERT INTO Cows VALUES ('b'), (NULL), ('گاو')", {});
    }
    QString workFile() const { return state.AppPath + "DoSqlForCreateList.txt"; }
};

TEST_F(CreateListTest, FillsTheFirstColumn)
{
    QStringList items{"old"};
    EXPECT_EQ(runner.DoSqlForCreateList("SELECT Name, 1 FROM Cows ORDER BY rowid", items), 3);
    EXPECT_EQ(items, (QStringList{"b", "", "گاو"}));
    EXPECT_EQ(platform::readTextFile(workFile()), "SELECT Name, 1 FROM Cows ORDER BY rowid\r\n");
}

TEST_F(CreateListTest, RunsOnlyWhatBeginsWithSelect)
{
    QStringList items{"old"};
    EXPECT_EQ(runner.DoSqlForCreateList(" SELECT Name FROM Cows", items), 0);
    EXPECT_TRUE(items.isEmpty());
    EXPECT_EQ(fileBytes(workFile()), QByteArray(" SELECT Name FROM Cows\r\n"));

    EXPECT_EQ(runner.DoSqlForCreateList("DELETE FROM Cows", items), 0);
    EXPECT_EQ(tables(), QStringList{"Cows"});
    db::Query query(farm);
    query.setSQL("SELECT COUNT(*) FROM Cows");
    query.Open();
    EXPECT_EQ(query.Fields(0).AsInteger(), 3) << "the DELETE was not run";
}

TEST_F(CreateListTest, FailuresAreSilent)
{
    QStringList items{"old"};
    EXPECT_EQ(runner.DoSqlForCreateList("select Name from Nowhere", items), 0);
    EXPECT_TRUE(items.isEmpty());
    EXPECT_TRUE(boxPresenter.shown.empty());
    EXPECT_FALSE(platform::endRequested());
}

} // namespace
