#include "dataaccess/connection.h"
#include "dataaccess/data_source.h"
#include "dataaccess/embedded_server.h"
#include "dataaccess/grid/grid_model.h"
#include "dataaccess/table.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <gtest/gtest.h>
#include <tuple>
#include <utility>

namespace {

using dataaccess_test::EmbeddedServer;
using dataaccess_test::exec;

class GridModelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        server.createDatabase(QStringLiteral("Farm"));
        connection = server.connect(QStringLiteral("Farm"));
        other = server.connect(QStringLiteral("Farm"));
        exec(*connection, QStringLiteral("CREATE TABLE [2Tarvex] (Serial nvarchar(20), Body "
                                         "nvarchar(20), DIM int, MilkAS float)"));
        exec(*connection, QStringLiteral("INSERT INTO [2Tarvex] VALUES ('A1', '00012', 210, 31.5), "
                                         "('A2', N'۰۰۰۱۳', NULL, 20)"));
        table = std::make_unique<db::Table>(*connection, QStringLiteral("2Tarvex"));
        source = std::make_unique<db::DataSource>(*table);
        model = std::make_unique<db::GridModel>(
            *source, std::vector<db::GridColumn>{
                         {QStringLiteral("Serial"), QStringLiteral("سريال"), 100, QColor(0xEEFFDD)},
                         {QStringLiteral("DIM"), QString(), 64, QColor(0xF4EAEA)},
                         {QStringLiteral("milkas"), QStringLiteral("شير آخر"), 64, QColor()},
                         {QStringLiteral("Missing"), QStringLiteral("x"), 10, QColor()}});
        tester = std::make_unique<QAbstractItemModelTester>(
            model.get(), QAbstractItemModelTester::FailureReportingMode::Warning);
    }

    QString cell(int row, int column) const
    {
        return model->data(model->index(row, column)).toString();
    }

    EmbeddedServer server;
    std::unique_ptr<db::Connection> connection;
    std::unique_ptr<db::Connection> other;
    std::unique_ptr<db::Table> table;
    std::unique_ptr<db::DataSource> source;
    std::unique_ptr<db::GridModel> model;
    std::unique_ptr<QAbstractItemModelTester> tester;
};

TEST_F(GridModelTest, ShowsTheRowsInTheConfiguredColumns)
{
    EXPECT_EQ(model->rowCount(), 0) << "closed";
    table->Open();
    ASSERT_EQ(model->rowCount(), 2);
    ASSERT_EQ(model->columnCount(), 4);
    EXPECT_EQ(cell(0, 0), QStringLiteral("A1"));
    EXPECT_EQ(cell(0, 1), QStringLiteral("210"));
    EXPECT_EQ(cell(0, 2), QStringLiteral("31.5"));
    EXPECT_EQ(cell(1, 1), QString()) << "null";
    EXPECT_EQ(cell(1, 3), QString()) << "a field the table lacks";
    EXPECT_EQ(model->data(model->index(0, 0), Qt::BackgroundRole).value<QColor>(),
              QColor(0xEEFFDD));
    EXPECT_FALSE(model->data(model->index(0, 2), Qt::BackgroundRole).isValid());
    EXPECT_FALSE(model->flags(model->index(0, 0)).testFlag(Qt::ItemIsEditable));
    EXPECT_EQ(model->columns()[0].width, 100);
}

TEST_F(GridModelTest, TitlesAreCentredAndFallBackToTheFieldName)
{
    const QStringList expected{"سريال", "DIM", "شير آخر", "x"};
    for (int column = 0; column < model->columnCount(); ++column) {
        EXPECT_EQ(model->headerData(column, Qt::Horizontal).toString(), expected[column]);
        EXPECT_EQ(
            model->headerData(column, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>(),
            Qt::Alignment(Qt::AlignCenter));
    }
}

TEST_F(GridModelTest, FollowsRefreshDeleteAndPost)
{
    table->Open();
    table->setCurrentRow(1);
    exec(*other, QStringLiteral("INSERT INTO [2Tarvex] (Serial) VALUES ('A0')"));
    QSignalSpy reset(model.get(), &QAbstractItemModel::modelReset);
    table->Refresh();
    EXPECT_EQ(reset.count(), 0) << "a re-read tells the rows that changed";
    EXPECT_EQ(model->rowCount(), 3);
    EXPECT_EQ(table->currentRow(), 1) << "the current row kept";
    EXPECT_EQ(cell(2, 0), QStringLiteral("A0"));

    table->Delete();
    EXPECT_EQ(model->rowCount(), 2);
    EXPECT_EQ(cell(1, 0), QStringLiteral("A0"));

    table->Edit();
    table->FieldByName(QStringLiteral("DIM")).setAsString(QStringLiteral("5"));
    table->Post();
    EXPECT_EQ(cell(1, 1), QStringLiteral("5"));

    reset.clear();
    table.reset();
    EXPECT_EQ(reset.count(), 1) << "a dataset that goes leaves an empty grid";
    EXPECT_EQ(model->rowCount(), 0);
}

// The data module's source goes before its table: the grid is empty from then on, also for a
// view that reads the cells the moment the model is reset.
TEST_F(GridModelTest, ASourceThatGoesBeforeItsTableLeavesAnEmptyGrid)
{
    table->Open();
    int cellsRead = 0;
    QObject::connect(model.get(), &QAbstractItemModel::modelReset, [&] {
        for (int row = 0; row < model->rowCount(); ++row)
            cellsRead += model->data(model->index(row, 0)).isValid() ? 1 : 0;
    });
    source.reset();
    EXPECT_EQ(model->rowCount(), 0);
    table.reset();
    EXPECT_EQ(model->rowCount(), 0);
    EXPECT_EQ(cellsRead, 0);
}

/// What a re-read after another workstation's statement tells the grid: the rows inserted,
/// removed and changed in place, as first and last row (-1 for none).
struct ReReadCase {
    const char* name;
    const char* statement;
    int insertedFirst, insertedLast;
    int removedFirst, removedLast;
    int changedFirst, changedLast;
};

/// Each case once on a table just opened, and once on one that was read again since: a table
/// that has already been re-read reads only the rows that changed.
class GridModelReRead : public GridModelTest,
                        public testing::WithParamInterface<std::tuple<ReReadCase, bool>> {};

TEST_P(GridModelReRead, TellsOnlyTheRowsThatChanged)
{
    const auto& [c, readAgainBefore] = GetParam();
    table->Open();
    if (readAgainBefore) {
        exec(*other, QStringLiteral("INSERT INTO [2Tarvex] (Serial) VALUES ('Z'); DELETE FROM "
                                    "[2Tarvex] WHERE Serial = 'Z'"));
        table->Refresh();
    }
    exec(*other, QString::fromUtf8(c.statement));
    QSignalSpy reset(model.get(), &QAbstractItemModel::modelReset);
    QSignalSpy inserted(model.get(), &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(model.get(), &QAbstractItemModel::rowsRemoved);
    QSignalSpy changed(model.get(), &QAbstractItemModel::dataChanged);
    table->Refresh();

    EXPECT_EQ(reset.count(), 0);
    // rowsInserted and rowsRemoved carry (parent, first, last); dataChanged two corner indexes.
    const auto rows = [](const QSignalSpy& spy) {
        return spy.isEmpty()
                   ? std::pair(-1, -1)
                   : std::pair(spy.constFirst().at(1).toInt(), spy.constFirst().at(2).toInt());
    };
    const auto cells = [](const QSignalSpy& spy) {
        return spy.isEmpty() ? std::pair(-1, -1)
                             : std::pair(spy.constFirst().at(0).value<QModelIndex>().row(),
                                         spy.constFirst().at(1).value<QModelIndex>().row());
    };
    EXPECT_LE(inserted.count(), 1);
    EXPECT_LE(removed.count(), 1);
    EXPECT_LE(changed.count(), 1);
    EXPECT_EQ(rows(inserted), std::pair(c.insertedFirst, c.insertedLast));
    EXPECT_EQ(rows(removed), std::pair(c.removedFirst, c.removedLast));
    EXPECT_EQ(cells(changed), std::pair(c.changedFirst, c.changedLast));

    // The grid shows what the table holds now.
    ASSERT_EQ(model->rowCount(), table->RecordCount());
    for (int row = 0; row < table->RecordCount(); ++row)
        EXPECT_EQ(cell(row, 0), table->value(row, 0).toString()) << "row " << row;
}

const ReReadCase kReReadCases[] = {
    ReReadCase{"RowAddedAtTheEnd", "INSERT INTO [2Tarvex] (Serial) VALUES ('A3')", 2, 2, -1, -1, -1,
               -1},
    ReReadCase{"FirstRowDeleted", "DELETE FROM [2Tarvex] WHERE Serial = 'A1'", -1, -1, 0, 0, -1,
               -1},
    ReReadCase{"LastRowChanged", "UPDATE [2Tarvex] SET DIM = 7 WHERE Serial = 'A2'", -1, -1, -1, -1,
               1, 1},
    ReReadCase{"EveryRowDeleted", "DELETE FROM [2Tarvex]", -1, -1, 0, 1, -1, -1},
    ReReadCase{"BothChangedAndOneAdded",
               "UPDATE [2Tarvex] SET DIM = 1; INSERT INTO [2Tarvex] (Serial) VALUES ('A3')", 2, 2,
               -1, -1, 0, 1},
    ReReadCase{"NothingChanged", "UPDATE [2Tarvex] SET DIM = DIM", -1, -1, -1, -1, -1, -1},
};

INSTANTIATE_TEST_SUITE_P(Statements, GridModelReRead,
                         testing::Combine(testing::ValuesIn(kReReadCases), testing::Bool()),
                         [](const testing::TestParamInfo<GridModelReRead::ParamType>& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) ? "_AfterARefresh" : "");
                         });

} // namespace
