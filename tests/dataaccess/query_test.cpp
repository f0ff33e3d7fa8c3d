#include "dataaccess/base/db_error.h"
#include "dataaccess/connection.h"
#include "dataaccess/embedded_server.h"
#include "dataaccess/query.h"
#include "platform/text_file.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

using dataaccess_test::EmbeddedServer;
using dataaccess_test::exec;

class QueryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        server.createDatabase(QStringLiteral("Farm"));
        connection = server.connect(QStringLiteral("Farm"));
        exec(*connection, QStringLiteral("CREATE TABLE Cows (Serial nvarchar(20), Body int, "
                                         "Milk float, Note nvarchar(50))"));
        exec(*connection, QStringLiteral("INSERT INTO Cows VALUES ('A1', 12, 2.5, ' 7 '), "
                                         "('A2', NULL, NULL, 'abc'), ('A3', -4, 1e20, N'گاو')"));
    }
    EmbeddedServer server;
    std::unique_ptr<db::Connection> connection;
};

TEST_F(QueryTest, ReadsRowsForwardAndBackToTheFirst)
{
    db::Query query(*connection);
    query.addSQL(QStringLiteral("SELECT Serial"));
    query.addSQL(QStringLiteral("FROM Cows ORDER BY Serial"));
    EXPECT_EQ(query.sqlText(), QStringLiteral("SELECT Serial\r\nFROM Cows ORDER BY Serial"));
    query.Prepare();
    query.Open();
    EXPECT_FALSE(query.Executing());
    EXPECT_EQ(query.RecordCount(), 3);
    QStringList serials;
    for (int pass = 0; pass < 2; ++pass) {
        for (query.First(); !query.Eof(); query.Next())
            serials.append(query.FieldByName(QStringLiteral("serial")).AsString());
    }
    EXPECT_EQ(serials, (QStringList{"A1", "A2", "A3", "A1", "A2", "A3"}));

    query.Close();
    query.setSQL(QStringLiteral("SELECT * FROM Cows WHERE Serial = 'none'"));
    query.Open();
    EXPECT_TRUE(query.IsEmpty());
    EXPECT_TRUE(query.Eof());
    EXPECT_EQ(query.FieldCount(), 4);
    EXPECT_EQ(query.FieldByName(QStringLiteral("Body")).AsString(), QString());
}

struct FieldCase {
    const char* serial;
    const char* column;
    QString text;
    qint64 integer;
    double real;
    bool null;
};

class FieldReadTest : public QueryTest, public ::testing::WithParamInterface<FieldCase> {};

TEST_P(FieldReadTest, ReadsAsTextIntegerAndReal)
{
    const FieldCase& c = GetParam();
    db::Query query(*connection);
    query.setSQL(QStringLiteral("SELECT %1 FROM Cows WHERE Serial = '%2'").arg(c.column, c.serial));
    query.Open();
    const db::Field& field = query.Fields(0);
    EXPECT_EQ(field.AsString(), c.text);
    EXPECT_EQ(field.AsInteger(), c.integer);
    EXPECT_DOUBLE_EQ(field.AsFloat(), c.real);
    EXPECT_EQ(field.IsNull(), c.null);
}

INSTANTIATE_TEST_SUITE_P(Values, FieldReadTest,
                         ::testing::Values(FieldCase{"A1", "Body", "12", 12, 12.0, false},
                                           FieldCase{"A3", "Body", "-4", -4, -4.0, false},
                                           FieldCase{"A1", "Milk", "2.5", 2, 2.5, false},
                                           FieldCase{"A2", "Milk", "", 0, 0.0, true},
                                           FieldCase{"A2", "Body", "", 0, 0.0, true},
                                           FieldCase{"A1", "Note", " 7 ", 7, 7.0, false}),
                         [](const auto& info) {
                             return std::string(info.param.serial) + info.param.column;
                         });

TEST_F(QueryTest, WhatAFieldCannotBeFails)
{
    db::Query query(*connection);
    query.setSQL(QStringLiteral("SELECT Note FROM Cows WHERE Serial = 'A2'"));
    query.Open();
    EXPECT_THROW(query.Fields(0).AsInteger(), db::DbError);
    EXPECT_THROW(query.Fields(0).AsFloat(), db::DbError);
    query.setSQL(QStringLiteral("SELECT Milk FROM Cows WHERE Serial = 'A3'"));
    query.Open();
    EXPECT_EQ(query.Fields(0).AsString(), QStringLiteral("1E+20"));
    EXPECT_THROW(query.Fields(0).AsInteger(), db::DbError) << "beyond 64 bits";
    EXPECT_THROW(query.Fields(1), db::DbError);
    EXPECT_THROW(query.FieldByName(QStringLiteral("Note")), db::DbError);
    EXPECT_THROW(query.Fields(0).setAsString(QStringLiteral("x")), db::DbError)
        << "a query's rows are not edited";
}

TEST_F(QueryTest, ParametersAreNamedOutsideLiteralsAndBoundAsValues)
{
    db::Query query(*connection);
    query.setSQL(QStringLiteral("SELECT Serial, ':no' AS t FROM Cows -- :neither\n"
                                "WHERE Note = :Note OR Serial = :serial OR Note = :NOTE"));
    ASSERT_EQ(query.ParamCount(), 2);
    EXPECT_EQ(query.Params(0).Name, QStringLiteral("Note"));
    EXPECT_EQ(query.Params(1).Name, QStringLiteral("serial"));
    query.ParamByName(QStringLiteral("note")).Value = QStringLiteral("گاو");
    query.Params(1).Value = QStringLiteral("x' OR '1'='1");
    query.Open();
    ASSERT_EQ(query.RecordCount(), 1);
    EXPECT_EQ(query.FieldByName(QStringLiteral("Serial")).AsString(), QStringLiteral("A3"));
    EXPECT_EQ(query.FieldByName(QStringLiteral("t")).AsString(), QStringLiteral(":no"));
    EXPECT_THROW(query.ParamByName(QStringLiteral("neither")), db::DbError);
    EXPECT_THROW(query.Params(2), db::DbError);
}

TEST_F(QueryTest, ExecSqlReportsChangesAndOpensRows)
{
    db::Query query(*connection);
    query.setSQL(QStringLiteral("UPDATE Cows SET Body = Body + 1 WHERE Body IS NOT NULL"));
    query.ExecSQL();
    EXPECT_EQ(query.RowsAffected(), 2);
    EXPECT_FALSE(query.Active());
    EXPECT_THROW(query.Open(), db::DbError) << "a statement without rows cannot be opened";
    // ... though, as on the server, it has run once more

    query.setSQL(QStringLiteral("SELECT Body FROM Cows WHERE Serial = 'A1'"));
    query.ExecSQL();
    ASSERT_TRUE(query.Active());
    EXPECT_EQ(query.Fields(0).AsInteger(), 14);
}

TEST_F(QueryTest, FailuresCarryTheEnginesText)
{
    db::Query query(*connection);
    query.setSQL(QStringLiteral("SELECT * FROM Bulls"));
    try {
        query.Open();
        ADD_FAILURE() << "opened";
    } catch (const db::DbError& error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("no such table: Bulls")))
            << error.message().toStdString();
    }
    EXPECT_FALSE(query.Active());
    EXPECT_FALSE(query.Executing());
    query.clearSQL();
    EXPECT_THROW(query.Prepare(), db::DbError);
    connection->Disconnect();
    query.setSQL(QStringLiteral("SELECT 1"));
    EXPECT_THROW(query.Open(), db::DbError);
}

TEST_F(QueryTest, ClosesWhenTheConnectionCloses)
{
    db::Query query(*connection);
    query.setSQL(QStringLiteral("SELECT * FROM Cows"));
    query.Open();
    QSignalSpy reset(&query, &db::Dataset::contentReset);
    connection->Disconnect();
    EXPECT_FALSE(query.Active());
    EXPECT_EQ(query.RecordCount(), 0);
    EXPECT_EQ(reset.count(), 1);
}

TEST_F(QueryTest, SavesItsStatementAsLines)
{
    db::Query query(*connection);
    query.addSQL(QStringLiteral("SELECT *"));
    query.addSQL(QStringLiteral("FROM Cows"));
    const QString path = server.folder() + QStringLiteral("/statement.txt");
    query.saveSQLToFile(path);
    EXPECT_EQ(platform::readTextLines(path), (QStringList{"SELECT *", "FROM Cows"}));
}

TEST(ConnectionText, QuotesValuesThatWouldEndTheirKey)
{
    db::Connection connection;
    connection.setSettings({QStringLiteral("farm\\SQL"), QStringLiteral("Dairy"),
                            QStringLiteral("sa"), QStringLiteral("p;w\"d")});
    EXPECT_EQ(connection.ConnectionString(),
              QStringLiteral("User ID=sa;Password=\"p;w\"\"d\";Data Source=farm\\SQL;"
                             "Initial Catalog=Dairy"));
}

TEST(ConnectDialog, IsShownWithTheLoginPromptAndCanCancel)
{
    EmbeddedServer server;
    server.createDatabase(QStringLiteral("Farm"));
    db::Connection connection;
    connection.LoginPrompt = true;
    EXPECT_THROW(connection.Connect(), db::DbError) << "no dialog installed";

    int shown = 0;
    db::Connection::setLoginDialog([&](db::Connection& c) {
        ++shown;
        c.Server = server.server();
        c.Database = QStringLiteral("Farm");
        return shown > 1;
    });
    EXPECT_THROW(connection.Connect(), db::DbError) << "cancelled";
    EXPECT_FALSE(connection.Connected());
    connection.Connect();
    db::Connection::setLoginDialog({});
    EXPECT_TRUE(connection.Connected());
    EXPECT_EQ(shown, 2);
}

} // namespace
