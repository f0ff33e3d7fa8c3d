#include "dataaccess/base/db_error.h"
#include "dataaccess/connection.h"
#include "dataaccess/data_source.h"
#include "dataaccess/embedded_server.h"
#include "dataaccess/table.h"

#include <QSignalSpy>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace {

using dataaccess_test::EmbeddedServer;
using dataaccess_test::exec;
using dataaccess_test::scalar;

/// A table without a key, holding two identical rows, on two workstations.
class TableTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        server.createDatabase(QStringLiteral("Farm"));
        connection = server.connect(QStringLiteral("Farm"));
        other = server.connect(QStringLiteral("Farm"));
        exec(*connection, QStringLiteral("CREATE TABLE SqlCommands (Sec nvarchar(30), Titr "
                                         "nvarchar(100), Seq int DEFAULT 0, SqlCmd ntext)"));
        exec(*connection, QStringLiteral("INSERT INTO SqlCommands (Sec, Titr, SqlCmd) VALUES "
                                         "('ini', 'A', 'a'), ('ini', 'B', 'b'), "
                                         "('ini', 'B', 'b'), (N'گزارش', N'شير', 'c')"));
        table = std::make_unique<db::Table>(*connection, QStringLiteral("Dbo.SqlCommands"));
        table->Open();
    }

    QStringList titles()
    {
        QStringList values;
        for (int row = 0; row < table->RecordCount(); ++row)
            values.append(
                table->value(row, table->FieldByName(QStringLiteral("Titr")).Index()).toString());
        return values;
    }

    QString count(const QString& where = QStringLiteral("1 = 1"))
    {
        return scalar(*other, QStringLiteral("SELECT COUNT(*) FROM SqlCommands WHERE ") + where);
    }

    EmbeddedServer server;
    std::unique_ptr<db::Connection> connection;
    std::unique_ptr<db::Connection> other;
    std::unique_ptr<db::Table> table;
};

TEST_F(TableTest, DeleteRemovesExactlyTheCurrentRow)
{
    table->setCurrentRow(2); // the second of the identical rows
    table->Delete();
    EXPECT_EQ(count(QStringLiteral("Titr = 'B'")), QStringLiteral("1"));
    EXPECT_EQ(titles(), (QStringList{"A", "B", "شير"}));
    EXPECT_EQ(table->currentRow(), 2) << "the row after it becomes current";

    exec(*other, QStringLiteral("DELETE FROM SqlCommands WHERE Titr = 'A'"));
    table->First();
    EXPECT_THROW(table->Delete(), db::DbError) << "deleted meanwhile by another workstation";
}

TEST_F(TableTest, PostChangesExactlyTheEditedRow)
{
    ASSERT_TRUE(
        table->Locate(QStringLiteral("Sec;Titr"), {QStringLiteral("ini"), QStringLiteral("B")}));
    EXPECT_EQ(table->currentRow(), 1);
    table->Edit();
    table->FieldByName(QStringLiteral("SQLCMD")).setAsString(QStringLiteral("خط ۱\r\nخط ۲"));
    EXPECT_EQ(table->State(), db::DatasetState::Edit);
    table->Post();
    EXPECT_EQ(table->State(), db::DatasetState::Browse);
    EXPECT_EQ(count(QStringLiteral("Titr = 'B' AND SqlCmd = 'b'")), QStringLiteral("1"));
    EXPECT_EQ(count(QStringLiteral("SqlCmd = 'خط ۱' || char(13, 10) || 'خط ۲'")),
              QStringLiteral("1"));
    EXPECT_EQ(table->currentRow(), 1);
    EXPECT_EQ(table->FieldByName(QStringLiteral("SqlCmd")).AsString(),
              QStringLiteral("خط ۱\r\nخط ۲"));
}

TEST_F(TableTest, EditOfARowDeletedMeanwhileFailsAndStaysPending)
{
    table->Edit();
    table->FieldByName(QStringLiteral("Titr")).setAsString(QStringLiteral("Z"));
    exec(*other, QStringLiteral("DELETE FROM SqlCommands WHERE Titr = 'A'"));
    EXPECT_THROW(table->Post(), db::DbError);
    EXPECT_EQ(table->State(), db::DatasetState::Edit);
    table->Cancel();
    EXPECT_EQ(table->FieldByName(QStringLiteral("Titr")).AsString(), QStringLiteral("A"));
}

TEST_F(TableTest, InsertWritesTheFieldsGivenAndDefaultsTheRest)
{
    table->Insert();
    table->FieldByName(QStringLiteral("Sec")).setAsString(QStringLiteral("ini"));
    table->FieldByName(QStringLiteral("Titr")).setAsString(QStringLiteral("فرم'1"));
    EXPECT_THROW(table->FieldByName(QStringLiteral("Seq")).setAsString(QStringLiteral("x")),
                 db::DbError)
        << "an integer field takes numbers only";
    table->Post();
    EXPECT_EQ(table->RecordCount(), 5);
    EXPECT_EQ(table->FieldByName(QStringLiteral("Titr")).AsString(), QStringLiteral("فرم'1"))
        << "the new row is current";
    EXPECT_EQ(table->FieldByName(QStringLiteral("Seq")).AsString(), QStringLiteral("0"));
    EXPECT_TRUE(table->FieldByName(QStringLiteral("SqlCmd")).IsNull());

    table->Insert();
    table->FieldByName(QStringLiteral("Seq")).setAsString(QStringLiteral(" 12 "));
    table->First(); // moving away posts
    EXPECT_EQ(count(QStringLiteral("Seq = 12 AND typeof(Seq) = 'integer'")), QStringLiteral("1"));
}

TEST_F(TableTest, LocateMatchesExactlyAndStaysWhenNothingMatches)
{
    table->setCurrentRow(3);
    EXPECT_FALSE(
        table->Locate(QStringLiteral("Sec;Titr"), {QStringLiteral("INI"), QStringLiteral("A")}));
    EXPECT_FALSE(table->Locate(QStringLiteral("Titr"), {QStringLiteral("A ")}));
    EXPECT_EQ(table->currentRow(), 3);
    EXPECT_TRUE(table->Locate(QStringLiteral("Titr"), {QStringLiteral("شير")}));
    EXPECT_TRUE(table->Locate(QStringLiteral("Sec"), {QStringLiteral("ini")}));
    EXPECT_EQ(table->currentRow(), 0) << "the first match";
    EXPECT_THROW(table->Locate(QStringLiteral("Sec;Nope"), {QStringLiteral("ini"), 1}),
                 db::DbError);
    EXPECT_THROW(table->Locate(QStringLiteral("Sec;Titr"), {QStringLiteral("ini")}), db::DbError);
}

struct FilterCase {
    const char* name;
    QString filter;
    QStringList titles;
};

class TableFilter : public TableTest, public ::testing::WithParamInterface<FilterCase> {};

TEST_P(TableFilter, ShowsTheMatchingRows)
{
    table->setFilter(GetParam().filter);
    table->setFiltered(true);
    EXPECT_EQ(titles(), GetParam().titles);
    table->setFiltered(false);
    EXPECT_EQ(table->RecordCount(), 4);
}

INSTANTIATE_TEST_SUITE_P(
    Filters, TableFilter,
    ::testing::Values(FilterCase{"text", QStringLiteral("Sec='ini'"), {"A", "B", "B"}},
                      FilterCase{"persian", QStringLiteral("Sec=N'گزارش'"), {"شير"}},
                      FilterCase{"caseMatters", QStringLiteral("Sec='INI'"), {}},
                      FilterCase{"and", QStringLiteral("[Sec] = 'ini' and Titr='B'"), {"B", "B"}},
                      FilterCase{"number", QStringLiteral("Seq=0"), {"A", "B", "B", "شير"}},
                      FilterCase{"empty", QString(), {"A", "B", "B", "شير"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TableTest, FilterOfAnotherFormIsRefused)
{
    for (const QString& filter : {QStringLiteral("Sec like 'i%'"), QStringLiteral("Sec='ini' or"),
                                  QStringLiteral("Nope='x'"), QStringLiteral("Sec='open")}) {
        table->setFilter(filter);
        EXPECT_THROW(table->setFiltered(true), db::DbError) << filter.toStdString();
        table->setFiltered(false);
    }
}

TEST_F(TableTest, RefreshKeepsTheCurrentRowWhereItStillExists)
{
    table->setCurrentRow(3); // شير
    exec(*other, QStringLiteral("DELETE FROM SqlCommands WHERE Titr = 'A'"));
    exec(*other, QStringLiteral("INSERT INTO SqlCommands (Sec, Titr) VALUES ('x', 'C')"));
    QSignalSpy reread(table.get(), &db::Dataset::rowsReplaced);
    table->Refresh();
    EXPECT_EQ(reread.count(), 1);
    EXPECT_EQ(titles(), (QStringList{"B", "B", "شير", "C"}));
    EXPECT_EQ(table->FieldByName(QStringLiteral("Titr")).AsString(), QStringLiteral("شير"));

    exec(*other, QStringLiteral("DELETE FROM SqlCommands WHERE Titr = 'شير'"));
    table->Refresh();
    EXPECT_EQ(table->FieldByName(QStringLiteral("Titr")).AsString(), QStringLiteral("C"))
        << "the row now at its place";
    exec(*other, QStringLiteral("DELETE FROM SqlCommands"));
    table->Refresh();
    EXPECT_TRUE(table->IsEmpty());
    EXPECT_TRUE(table->Eof());
    EXPECT_EQ(table->currentRow(), -1);
    EXPECT_THROW(table->Delete(), db::DbError);
    EXPECT_THROW(table->Edit(), db::DbError);
}

// A refresh re-reads only when something was written since the rows were read: by another
// workstation, through the table's own connection, or to the schema.
TEST_F(TableTest, RefreshReadsAgainOnlyAfterAWrite)
{
    // A re-read with the same fields tells the rows it replaced, even when none changed.
    QSignalSpy reread(table.get(), &db::Dataset::rowsReplaced);
    table->Refresh();
    table->Refresh();
    EXPECT_EQ(reread.count(), 0) << "nothing was written";

    const auto writes = std::vector<std::pair<db::Connection*, QString>>{
        {other.get(), QStringLiteral("INSERT INTO SqlCommands (Sec, Titr) VALUES ('x', 'C')")},
        {connection.get(), QStringLiteral("INSERT INTO SqlCommands (Sec, Titr) VALUES ('x', 'D')")},
        {connection.get(), QStringLiteral("UPDATE SqlCommands SET Titr = 'E' WHERE Titr = 'A'")},
        {other.get(), QStringLiteral("DELETE FROM SqlCommands WHERE Titr = 'C'")},
    };
    for (const auto& [writer, statement] : writes) {
        SCOPED_TRACE(statement.toStdString());
        exec(*writer, statement);
        reread.clear();
        table->Refresh();
        EXPECT_EQ(reread.count(), 1);
        table->Refresh();
        EXPECT_EQ(reread.count(), 1) << "read once per write";
    }
    EXPECT_EQ(titles(), (QStringList{"E", "B", "B", "شير", "D"}));

    exec(*connection, QStringLiteral("ALTER TABLE SqlCommands ADD Note nvarchar(10)"));
    table->Refresh();
    EXPECT_NO_THROW(table->FieldByName(QStringLiteral("Note"))) << "a new column is read";
    exec(*other, QStringLiteral("ALTER TABLE SqlCommands DROP COLUMN Seq"));
    EXPECT_NO_THROW(table->Refresh());
    EXPECT_EQ(table->FindField(QStringLiteral("Seq")), nullptr) << "a dropped column goes";
}

/// Every value of every row a table shows, row by row.
std::vector<QStringList> contents(const db::Table& table)
{
    std::vector<QStringList> rows;
    for (int row = 0; row < table.RecordCount(); ++row) {
        QStringList values;
        for (int field = 0; field < table.FieldCount(); ++field) {
            const QVariant value = table.value(row, field);
            values.append(value.isNull() ? QStringLiteral("<null>") : value.toString());
        }
        rows.push_back(values);
    }
    return rows;
}

/// A list of 40 rows (two of them alike in every value) that another workstation changes step
/// by step; after each step a refresh shows what a table opened afresh shows, filtered or not,
/// and the current row stays on its row while it is still shown.
class TableReRead : public ::testing::TestWithParam<bool> {};

TEST_P(TableReRead, ShowsWhatAFreshReadShowsAfterEveryChange)
{
    const bool filtered = GetParam();
    EmbeddedServer server;
    server.createDatabase(QStringLiteral("Farm"));
    const auto connection = server.connect(QStringLiteral("Farm"));
    const auto other = server.connect(QStringLiteral("Farm"));
    exec(*connection, QStringLiteral("CREATE TABLE L (Id int, Note nvarchar(20), Milk float)"));
    for (int id = 1; id <= 40; ++id)
        exec(*connection,
             QStringLiteral("INSERT INTO L VALUES (%1, N'%2', %3)")
                 .arg(id == 8 ? 7 : id)
                 .arg(id % 2 == 1 || id == 8 ? QStringLiteral("نگه دار") : QStringLiteral("other"))
                 .arg(id == 8 ? 7 : id * 1.5));
    const QString filter = QStringLiteral("Note = N'نگه دار'");
    db::Table table(*connection, QStringLiteral("L"));
    table.setFilter(filter);
    table.setFiltered(filtered);
    table.Open();

    const QString steps[] = {
        QStringLiteral("UPDATE L SET Milk = 99 WHERE Id = 21"),
        QStringLiteral("DELETE FROM L WHERE Id = 1"),
        QStringLiteral("INSERT INTO L VALUES (100, N'نگه دار', 1)"),
        QStringLiteral("UPDATE L SET Note = N'نگه دار' WHERE Id = 20"),
        QStringLiteral("UPDATE L SET Note = 'other' WHERE Id = 23"),
        QStringLiteral("UPDATE L SET Milk = 0 WHERE Id IN (5, 31)"),
        QStringLiteral("DELETE FROM L WHERE rowid = (SELECT MAX(rowid) FROM L WHERE Id = 7)"),
        QStringLiteral("UPDATE L SET Milk = Milk"),
        QStringLiteral("INSERT INTO L SELECT Id + 1000, Note, Milk FROM L; "
                       "INSERT INTO L SELECT Id + 2000, Note, Milk FROM L; "
                       "INSERT INTO L SELECT Id + 4000, Note, Milk FROM L"),
        QStringLiteral("UPDATE L SET Milk = NULL WHERE Id = 4025"),
        QStringLiteral("DELETE FROM L WHERE Id BETWEEN 10 AND 30"),
        QStringLiteral("DELETE FROM L WHERE Id >= 1000"),
        QStringLiteral("UPDATE L SET Note = NULL WHERE Id = 33; INSERT INTO L VALUES (3, "
                       "N'نگه دار', 4.5)"),
        QStringLiteral("DELETE FROM L"),
        QStringLiteral("INSERT INTO L VALUES (1, N'نگه دار', 2)"),
    };
    const int idField = table.FieldByName(QStringLiteral("Id")).Index();
    for (const QString& step : steps) {
        SCOPED_TRACE(step.toStdString());
        // The current row: one in the middle whose Id no other row has.
        table.setCurrentRow(table.RecordCount() / 2);
        const QVariant currentId = table.value(table.currentRow(), idField);
        exec(*other, step);
        table.Refresh();

        db::Table fresh(*connection, QStringLiteral("L"));
        fresh.setFilter(filter);
        fresh.setFiltered(filtered);
        fresh.Open();
        ASSERT_EQ(contents(table), contents(fresh));
        int shownWithId = 0;
        for (int row = 0; row < fresh.RecordCount(); ++row)
            shownWithId += fresh.value(row, idField) == currentId ? 1 : 0;
        if (shownWithId == 1) {
            EXPECT_EQ(table.value(table.currentRow(), idField), currentId);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Lists, TableReRead, ::testing::Bool(), [](const auto& info) {
    return std::string(info.param ? "Filtered" : "Whole");
});

// Once a table has been read again, the next refresh reads only the rows that changed: the
// others keep the very values they had.
TEST_F(TableTest, RefreshAfterARefreshReadsOnlyTheRowsThatChanged)
{
    const int titr = table->FieldByName(QStringLiteral("Titr")).Index();
    exec(*other, QStringLiteral("UPDATE SqlCommands SET Seq = 1 WHERE Titr = 'A'"));
    table->Refresh();
    const QString untouched = table->value(0, titr).toString();
    exec(*other, QStringLiteral("UPDATE SqlCommands SET Titr = 'C' WHERE Titr = N'شير'"));
    table->Refresh();
    EXPECT_EQ(titles(), (QStringList{"A", "B", "B", "C"}));
    EXPECT_EQ(table->value(0, titr).toString().constData(), untouched.constData())
        << "the first row was read again";
}

TEST_F(TableTest, ATableWiderThanADigestTakesIsReadAgainWhole)
{
    QStringList columns;
    for (int i = 0; i < 200; ++i)
        columns.append(QStringLiteral("C%1 int").arg(i));
    exec(*connection, QStringLiteral("CREATE TABLE Wide (%1)").arg(columns.join(u',')));
    exec(*connection, QStringLiteral("INSERT INTO Wide (C0, C199) VALUES (1, 2)"));
    db::Table wide(*connection, QStringLiteral("Wide"));
    wide.Open();
    for (int value : {3, 4}) {
        exec(*other, QStringLiteral("UPDATE Wide SET C199 = %1").arg(value));
        wide.Refresh();
        EXPECT_EQ(wide.FieldByName(QStringLiteral("C199")).AsString(), QString::number(value));
    }
}

TEST_F(TableTest, MissingTableFailsToOpen)
{
    db::Table missing(*connection, QStringLiteral("2Tarvex"));
    try {
        missing.Open();
        ADD_FAILURE() << "opened";
    } catch (const db::DbError& error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("2Tarvex")))
            << error.message().toStdString();
    }
    EXPECT_FALSE(missing.Active());
}

TEST_F(TableTest, MemoFollowsTheCurrentRowAndEditsTheField)
{
    db::DataSource source(*table);
    db::FieldBinding memo(source, QStringLiteral("SqlCmd"));
    QSignalSpy changed(&memo, &db::FieldBinding::textChanged);
    table->Locate(QStringLiteral("Titr"), {QStringLiteral("شير")});
    ASSERT_FALSE(changed.isEmpty());
    EXPECT_EQ(changed.last().first().toString(), QStringLiteral("c"));
    EXPECT_EQ(memo.text(), QStringLiteral("c"));

    memo.setText(QStringLiteral("متن تازه"));
    EXPECT_EQ(table->State(), db::DatasetState::Edit);
    table->Post();
    EXPECT_EQ(count(QStringLiteral("SqlCmd = 'متن تازه'")), QStringLiteral("1"));

    source.setDataSet(nullptr);
    EXPECT_EQ(memo.text(), QString());
    EXPECT_THROW(memo.setText(QStringLiteral("x")), db::DbError);
}

} // namespace
