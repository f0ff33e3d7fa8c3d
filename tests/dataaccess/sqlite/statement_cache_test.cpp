// A session keeps the statement of a text it ran, so that the text runs again without being
// prepared again: what runs again must be what would have been prepared afresh.
#include "dataaccess/base/connection_settings.h"
#include "dataaccess/base/engine.h"
#include "dataaccess/embedded_server.h"
#include "dataaccess/sqlite/sqlite_session.h"

#include <QFile>
#include <gtest/gtest.h>
#include <memory>
#include <sqlite3.h>
#include <vector>

namespace {

using dataaccess_test::EmbeddedServer;

class KeptStatements : public ::testing::Test {
protected:
    void SetUp() override
    {
        server.createDatabase(QStringLiteral("Farm"));
        session = open();
        run(QStringLiteral("CREATE TABLE L (Serial int)"));
        run(QStringLiteral("INSERT INTO L VALUES (1); INSERT INTO L VALUES (2); "
                           "INSERT INTO L VALUES (3)"));
    }

    std::unique_ptr<db::EngineSession> open() const
    {
        return db::sqlite::openSession({server.server(), QStringLiteral("Farm"), {}, {}});
    }

    void run(const QString& sql) { session->execute(sql, {}); }

    /// Every value of every row, read through the session.
    std::vector<std::vector<QVariant>> rows(const QString& sql, std::vector<QVariant> params = {})
    {
        std::unique_ptr<db::Cursor> cursor = session->execute(sql, params);
        std::vector<std::vector<QVariant>> read;
        std::vector<QVariant> row;
        while (cursor && cursor->fetch(row))
            read.push_back(row);
        return read;
    }

    EmbeddedServer server;
    std::unique_ptr<db::EngineSession> session;
};

TEST_F(KeptStatements, RunAgainWithTheirNewValuesAndTheTableAsItIsNow)
{
    const QString withValue = QStringLiteral("SELECT Serial FROM L WHERE Serial > ?");
    EXPECT_EQ(rows(withValue, {1}).size(), 2u);
    EXPECT_EQ(rows(withValue, {2}).size(), 1u) << "the new value is bound";

    const QString all = QStringLiteral("SELECT * FROM L");
    EXPECT_EQ(rows(all).size(), 3u);
    // Another workstation adds a row and a column.
    const std::unique_ptr<db::EngineSession> other = open();
    other->execute(QStringLiteral("ALTER TABLE L ADD Body nvarchar(10)"), {});
    other->execute(QStringLiteral("INSERT INTO L VALUES (4, N'12')"), {});
    const std::unique_ptr<db::Cursor> again = session->execute(all, {});
    ASSERT_EQ(again->columns().size(), 2u);
    EXPECT_EQ(again->columns()[1].name, QStringLiteral("Body"));
    EXPECT_EQ(rows(all).size(), 4u);
}

TEST_F(KeptStatements, AStatementStillReadingIsNotHandedOutTwice)
{
    const QString all = QStringLiteral("SELECT Serial FROM L ORDER BY Serial");
    rows(all); // kept
    const std::unique_ptr<db::Cursor> first = session->execute(all, {});
    std::vector<QVariant> row;
    ASSERT_TRUE(first->fetch(row));
    EXPECT_EQ(row[0].toInt(), 1);
    EXPECT_EQ(rows(all).size(), 3u) << "the same text read whole while the first still reads";
    ASSERT_TRUE(first->fetch(row));
    EXPECT_EQ(row[0].toInt(), 2) << "the first goes on where it was";
}

// A statement kept idle holds no read transaction open: the other workstation's writes can be
// moved from the write-ahead log into the database file and the log emptied.
TEST_F(KeptStatements, AKeptStatementHoldsNoReadOpen)
{
    {
        const std::unique_ptr<db::Cursor> partly =
            session->execute(QStringLiteral("SELECT Serial FROM L"), {});
        std::vector<QVariant> row;
        ASSERT_TRUE(partly->fetch(row)); // left before its last row
    }
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(server.folder() + QStringLiteral("/Farm.db")), &other),
              SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "INSERT INTO L VALUES (9)", nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_stmt* checkpoint = nullptr;
    ASSERT_EQ(
        sqlite3_prepare_v2(other, "PRAGMA wal_checkpoint(TRUNCATE)", -1, &checkpoint, nullptr),
        SQLITE_OK);
    ASSERT_EQ(sqlite3_step(checkpoint), SQLITE_ROW);
    EXPECT_EQ(sqlite3_column_int(checkpoint, 0), 0) << "the checkpoint was kept from finishing";
    sqlite3_finalize(checkpoint);
    sqlite3_close(other);
}

TEST_F(KeptStatements, ACursorOutlivesItsSession)
{
    const QString all = QStringLiteral("SELECT Serial FROM L");
    rows(all);
    std::unique_ptr<db::Cursor> cursor = session->execute(all, {});
    session.reset();
    std::vector<QVariant> row;
    int read = 0;
    while (cursor->fetch(row))
        ++read;
    EXPECT_EQ(read, 3);
    cursor.reset(); // finalizes its statement and closes the database
}

} // namespace
