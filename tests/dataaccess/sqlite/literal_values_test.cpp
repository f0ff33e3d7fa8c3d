// Statements that differ only in their string literals run from one prepared statement, their
// literals bound as values: what they do must be what the statement as written does.
#include "dataaccess/base/connection_settings.h"
#include "dataaccess/base/db_error.h"
#include "dataaccess/base/engine.h"
#include "dataaccess/embedded_server.h"
#include "dataaccess/sqlite/literal_values.h"
#include "dataaccess/sqlite/sqlite_session.h"
#include "support/qstring_printer.h"

#include <QFile>
#include <QStringList>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <sqlite3.h>
#include <vector>

namespace {

using dataaccess_test::EmbeddedServer;
using db::sqlite::literalsAsValues;

struct ShapeCase {
    const char* name;
    QString sql;
    std::optional<QString> text; ///< nullopt: not run with its literals as values
    QStringList values = {};
};

class LiteralsAsValues : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(LiteralsAsValues, TakesOutTheLiteralsOfOneWritingStatement)
{
    const ShapeCase& c = GetParam();
    const std::optional<db::sqlite::LiteralValues> shaped = literalsAsValues(c.sql);
    ASSERT_EQ(shaped.has_value(), c.text.has_value());
    if (!shaped)
        return;
    EXPECT_EQ(shaped->text, *c.text);
    QStringList values;
    for (const QVariant& value : shaped->values)
        values << value.toString();
    EXPECT_EQ(values, c.values);
}

INSTANTIATE_TEST_SUITE_P(
    Statements, LiteralsAsValues,
    ::testing::Values(
        ShapeCase{"insert",
                  QStringLiteral("INSERT INTO L(Serial, Note) SELECT '1000001', 'گاو' FROM M "
                                 "WHERE Serial = '1000001' AND Sex LIKE '%ماده%'"),
                  QStringLiteral("INSERT INTO L(Serial, Note) SELECT ?, ? FROM M "
                                 "WHERE Serial = ? AND Sex LIKE ?"),
                  {QStringLiteral("1000001"), QStringLiteral("گاو"), QStringLiteral("1000001"),
                   QStringLiteral("%ماده%")}},
        ShapeCase{"doubledQuotesAndEmpty",
                  QStringLiteral("update L set Note = 'it''s', Body = '' where x = 1"),
                  QStringLiteral("update L set Note = ?, Body = ? where x = 1"),
                  {QStringLiteral("it's"), QString()}},
        ShapeCase{"commentsAndATrailingSemicolonStay",
                  QStringLiteral("DELETE FROM L -- 'kept'\nWHERE a = 'x';"),
                  QStringLiteral("DELETE FROM L -- 'kept'\nWHERE a = ?;"),
                  {QStringLiteral("x")}},
        ShapeCase{"select", QStringLiteral("SELECT 'a' FROM L WHERE b = 'c'"), std::nullopt},
        ShapeCase{"noLiteral", QStringLiteral("DELETE FROM L WHERE a = 1"), std::nullopt},
        ShapeCase{"markers", QStringLiteral("DELETE FROM L WHERE a = ? AND b = 'c'"), std::nullopt},
        ShapeCase{"twoStatements",
                  QStringLiteral("DELETE FROM L WHERE a = 'x'; DELETE FROM M WHERE a = 'y'"),
                  std::nullopt},
        ShapeCase{"withClause",
                  QStringLiteral("WITH s AS (SELECT 'a' AS v) INSERT INTO L SELECT v FROM s"),
                  std::nullopt},
        ShapeCase{"tableDefinition", QStringLiteral("CREATE TABLE L (a DEFAULT 'x')"),
                  std::nullopt},
        ShapeCase{"unclosedLiteral", QStringLiteral("DELETE FROM L WHERE a = 'x"), std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

/// Every row of a table, as text, in the order of its row numbers.
QStringList rowsOf(sqlite3* db, const char* table)
{
    sqlite3_stmt* read = nullptr;
    const QByteArray sql = QByteArray("SELECT * FROM ") + table + " ORDER BY rowid";
    EXPECT_EQ(sqlite3_prepare_v2(db, sql.constData(), -1, &read, nullptr), SQLITE_OK);
    QStringList rows;
    while (read != nullptr && sqlite3_step(read) == SQLITE_ROW) {
        QStringList row;
        for (int c = 0; c < sqlite3_column_count(read); ++c)
            row << QStringLiteral("%1:%2")
                       .arg(sqlite3_column_type(read, c))
                       .arg(QString::fromUtf8(
                           reinterpret_cast<const char*>(sqlite3_column_text(read, c))));
        rows << row.join(u'|');
    }
    sqlite3_finalize(read);
    return rows;
}

// The same statements, run through a session and straight through SQLite on a twin database,
// leave the same rows: the numbers stored from text literals into number columns, the
// patterns, the doubled quotes, a table named in quotes, and statements that differ only in
// their literals run one after the other.
TEST(LiteralsAsValuesInTheEngine, LeaveTheRowsTheStatementsAsWrittenLeave)
{
    EmbeddedServer server;
    server.createDatabase(QStringLiteral("Farm"));
    server.createDatabase(QStringLiteral("Twin"));
    const std::unique_ptr<db::EngineSession> session =
        db::sqlite::openSession({server.server(), QStringLiteral("Farm"), {}, {}});
    sqlite3* twin = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(server.folder() + QStringLiteral("/Twin.db")), &twin),
              SQLITE_OK);

    const QStringList statements{
        QStringLiteral("CREATE TABLE L (Serial int, Note text, Body)"),
        QStringLiteral("INSERT INTO L VALUES ('1000001', 'گاو', '00012')"),
        QStringLiteral("INSERT INTO L VALUES ('1000002', 'it''s', '00013')"),
        QStringLiteral("INSERT INTO L VALUES ('x1', '', '7')"),
        QStringLiteral("INSERT INTO L SELECT '1000003', Note || 'ی', Body FROM L "
                       "WHERE Serial = '1000001'"),
        QStringLiteral("UPDATE L SET Note = 'آبستن' WHERE Note LIKE '%گاو%'"),
        QStringLiteral("UPDATE L SET Body = 'خشک' WHERE Note LIKE '%it%'"),
        QStringLiteral("UPDATE L SET Body = Body + 1 WHERE Serial > '1000001'"),
        QStringLiteral("DELETE FROM 'L' WHERE Serial = 'x1'"),
        QStringLiteral("DELETE FROM L WHERE Body IN ('13', '14')"),
        QStringLiteral("REPLACE INTO L (Serial, Note) VALUES ('1000009', 'تازه')")};
    for (const QString& statement : statements) {
        try {
            session->execute(statement, {});
        } catch (const db::DbError& error) {
            ADD_FAILURE() << statement.toStdString() << ": " << error.message().toStdString();
        }
        EXPECT_EQ(sqlite3_exec(twin, statement.toUtf8().constData(), nullptr, nullptr, nullptr),
                  SQLITE_OK)
            << statement.toStdString();
    }
    sqlite3* farm = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(server.folder() + QStringLiteral("/Farm.db")), &farm),
              SQLITE_OK);
    const QStringList expected = rowsOf(twin, "L");
    EXPECT_EQ(expected.size(), 4);
    EXPECT_EQ(rowsOf(farm, "L"), expected);
    sqlite3_close(farm);
    sqlite3_close(twin);
}

TEST(LiteralsAsValuesInTheEngine, ReportsWhatTheStatementAsWrittenReports)
{
    EmbeddedServer server;
    server.createDatabase(QStringLiteral("Farm"));
    const std::unique_ptr<db::EngineSession> session =
        db::sqlite::openSession({server.server(), QStringLiteral("Farm"), {}, {}});
    session->execute(QStringLiteral("CREATE TABLE L (Serial text UNIQUE)"), {});
    session->execute(QStringLiteral("INSERT INTO L VALUES ('a')"), {});
    EXPECT_EQ(session->rowsAffected(), 1);
    session->execute(QStringLiteral("UPDATE L SET Serial = 'b' WHERE Serial = 'none'"), {});
    EXPECT_EQ(session->rowsAffected(), 0);
    for (const QString& failing : {QStringLiteral("INSERT INTO L VALUES ('a')"),
                                   QStringLiteral("INSERT INTO Missing VALUES ('a')")}) {
        try {
            session->execute(QStringLiteral("INSERT INTO L VALUES ('b')"), {});
            session->execute(failing, {});
            ADD_FAILURE() << failing.toStdString() << " ran";
        } catch (const db::DbError& error) {
            const QString says = error.message();
            EXPECT_TRUE(says.contains(QStringLiteral("UNIQUE")) ||
                        says.contains(QStringLiteral("no such table: Missing")))
                << says.toStdString();
        }
        session->execute(QStringLiteral("DELETE FROM L WHERE Serial = 'b'"), {});
    }
}

} // namespace
