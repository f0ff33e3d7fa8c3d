// The embedded engine when things go wrong around it: a NUL in a statement, the database file
// taken away while the program runs, another workstation holding the write lock.
#include "dataaccess/base/db_error.h"
#include "dataaccess/connection.h"
#include "dataaccess/embedded_server.h"
#include "dataaccess/query.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>

namespace {

using dataaccess_test::EmbeddedServer;
using dataaccess_test::exec;
using dataaccess_test::failureOf;
using dataaccess_test::scalar;

/// A farm database with a table L holding one row.
class FarmDatabase : public ::testing::Test {
protected:
    void SetUp() override
    {
        server.createDatabase(QStringLiteral("Farm"));
        connection = server.connect(QStringLiteral("Farm"));
        exec(*connection, QStringLiteral("CREATE TABLE L (Serial nvarchar(20))"));
        exec(*connection, QStringLiteral("INSERT INTO L VALUES ('501')"));
    }

    EmbeddedServer server;
    std::unique_ptr<db::Connection> connection;
};

using Nul = FarmDatabase;

// Cut at the NUL, the text once reached the engine as an open literal and failed with its raw
// "unrecognized token"; with a NUL closing it, a cut text could run as something else.
TEST_F(Nul, InAStatementIsRefusedByNameAndNothingRuns)
{
    const QChar nul(u'\0');
    const QString statements[] = {
        QStringLiteral("SELECT * FROM L WHERE Serial = '12") + nul + QStringLiteral("3'"),
        QStringLiteral("INSERT INTO L VALUES ('7') ") + nul + QStringLiteral("; DELETE FROM L"),
        QStringLiteral("DELETE FROM L") + nul + QStringLiteral(" WHERE Serial = 'none'"),
    };
    for (const QString& sql : statements) {
        const QString message = failureOf(*connection, sql);
        EXPECT_TRUE(message.contains(QStringLiteral("NUL character"))) << message.toStdString();
        EXPECT_FALSE(message.contains(QStringLiteral("unrecognized token")))
            << message.toStdString();
    }
    EXPECT_EQ(scalar(*connection, QStringLiteral("SELECT COUNT(*) FROM L")), QStringLiteral("1"));
}

// A statement passed whole, with its length, still runs every part after a literal, comment or
// blank that ends it.
TEST_F(Nul, StatementsWithoutOneRunWhole)
{
    exec(*connection, QStringLiteral("INSERT INTO L VALUES ('a;b'); INSERT INTO L VALUES (N'گاو') "
                                     "-- the end"));
    EXPECT_EQ(scalar(*connection, QStringLiteral("SELECT COUNT(*) FROM L")), QStringLiteral("3"));
}

struct TakenAwayCase {
    const char* name;
    std::function<bool(const QString& folder)> takeAway; ///< false when it could not be done
};

// Names the case in failure messages.
void PrintTo(const TakenAwayCase& c, std::ostream* out)
{
    *out << c.name;
}

class FileTakenAway : public FarmDatabase, public ::testing::WithParamInterface<TakenAwayCase> {};

// Inserts, deletes and lookups once went on succeeding into the unlinked file, and everything
// was lost at exit.
TEST_P(FileTakenAway, FailsEveryStatementWithAClearMessage)
{
    ASSERT_TRUE(GetParam().takeAway(server.folder()));
    const QString statements[] = {QStringLiteral("INSERT INTO L VALUES ('502')"),
                                  QStringLiteral("DELETE FROM L"),
                                  QStringLiteral("SELECT * FROM L")};
    for (const QString& sql : statements) {
        const QString message = failureOf(*connection, sql);
        EXPECT_TRUE(message.contains(QStringLiteral("moved or deleted")))
            << sql.toStdString() << ": " << message.toStdString();
        EXPECT_TRUE(message.contains(QStringLiteral("Farm.db"))) << message.toStdString();
    }
}

bool removeAll(const QString& folder)
{
    const QDir dir(folder);
    QFile::remove(dir.filePath(QStringLiteral("Farm.db-wal")));
    QFile::remove(dir.filePath(QStringLiteral("Farm.db-shm")));
    return QFile::remove(dir.filePath(QStringLiteral("Farm.db")));
}

INSTANTIATE_TEST_SUITE_P(
    Ways, FileTakenAway,
    ::testing::Values(TakenAwayCase{"deletedWithWalAndShm", removeAll},
                      TakenAwayCase{"renamed",
                                    [](const QString& folder) {
                                        const QDir dir(folder);
                                        return QFile::rename(
                                            dir.filePath(QStringLiteral("Farm.db")),
                                            dir.filePath(QStringLiteral("Old.db")));
                                    }},
                      TakenAwayCase{"replacedByACopy",
                                    [](const QString& folder) {
                                        const QDir dir(folder);
                                        const QString farm =
                                            dir.filePath(QStringLiteral("Farm.db"));
                                        const QString copy =
                                            dir.filePath(QStringLiteral("Copy.db"));
                                        return QFile::copy(farm, copy) && QFile::remove(farm) &&
                                               QFile::rename(copy, farm);
                                    }}),
    [](const auto& info) { return std::string(info.param.name); });

using WriteLock = FarmDatabase;

// Another workstation holds the write lock: the statement waits the promised 10 seconds, not the
// busy timeout and a retry loop of the same length after it (20 s in all), then fails saying
// why, and the other workstation's write is untouched.
TEST_F(WriteLock, HeldElsewhereCostsOneWaitThenAClearError)
{
    auto other = server.connect(QStringLiteral("Farm"));
    exec(*other, QStringLiteral("BEGIN TRANSACTION"));
    exec(*other, QStringLiteral("INSERT INTO L VALUES ('601')"));

    QElapsedTimer waited;
    waited.start();
    const QString message = failureOf(*connection, QStringLiteral("INSERT INTO L VALUES ('502')"));
    const qint64 ms = waited.elapsed();
    EXPECT_TRUE(message.contains(QStringLiteral("another workstation"))) << message.toStdString();
    EXPECT_GE(ms, 9000) << "gave up before the promised wait";
    EXPECT_LT(ms, 13000) << "waited " << ms << " ms";

    exec(*other, QStringLiteral("COMMIT"));
    EXPECT_EQ(scalar(*connection, QStringLiteral("SELECT group_concat(Serial) FROM L")),
              QStringLiteral("501,601"));
}

} // namespace
