// The ODBC engine's own code (connecting, statements, wide and long text, parameters, errors)
// run through unixODBC against a real driver that needs no server: Debian's SQLite ODBC driver,
// named by its library path so that no odbcinst.ini entry is needed.
#include "dataaccess/base/db_error.h"
#include "dataaccess/odbc/driver_catalog.h"
#include "dataaccess/odbc/odbc_engine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

QString sqliteDriverPath()
{
    const QDir lib(QStringLiteral("/usr/lib"));
    for (const QString& folder : lib.entryList({QStringLiteral("*-linux-gnu")}, QDir::Dirs)) {
        const QString path = lib.filePath(folder + QStringLiteral("/odbc/libsqlite3odbc.so"));
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

class OdbcEngine : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QString driver = sqliteDriverPath();
        ASSERT_FALSE(driver.isEmpty()) << "libsqliteodbc is missing: run scripts/setup.sh";
        ASSERT_TRUE(m_folder.isValid());
        m_connectionString = QStringLiteral("DRIVER=%1;Database=%2;")
                                 .arg(driver, m_folder.filePath(QStringLiteral("farm.db")));
        try {
            m_session = db::odbc::openSessionWithConnectionString(m_connectionString, 5);
        } catch (const db::DbError& error) {
            FAIL() << error.message().toStdString();
        }
    }

    std::unique_ptr<db::Cursor> run(const QString& sql, const std::vector<QVariant>& params = {})
    {
        return m_session->execute(sql, params);
    }

    /// Every row of a row-returning statement.
    std::vector<std::vector<QVariant>> rows(const QString& sql,
                                            const std::vector<QVariant>& params = {})
    {
        std::unique_ptr<db::Cursor> cursor = run(sql, params);
        EXPECT_NE(cursor, nullptr) << sql.toStdString();
        std::vector<std::vector<QVariant>> all;
        std::vector<QVariant> row;
        while (cursor && cursor->fetch(row))
            all.push_back(row);
        return all;
    }

    QTemporaryDir m_folder;
    QString m_connectionString;
    std::unique_ptr<db::EngineSession> m_session;
};

// A surrogate pair (U+1F404, a cow) placed so that it straddles the end of a piece.
QString longPersianText(qsizetype units)
{
    const QString word = QStringLiteral("گاو شيرده ") + QString::fromUcs4(U"\U0001F404");
    QString text;
    while (text.size() < units)
        text += word;
    return text.left(units - 1) + u'.';
}

TEST_F(OdbcEngine, ParametersRoundTripInTheirOwnTypes)
{
    ASSERT_EQ(run("CREATE TABLE Cows (Sec INTEGER, Name NVARCHAR(50), Milk FLOAT, Note TEXT)"),
              nullptr);
    const std::vector<std::vector<QVariant>> written{
        {QVariant(qint64(1)), QVariant(QStringLiteral("گاو شماره يك")), QVariant(31.25),
         QVariant()},
        {QVariant(qint64(-9007199254740993)), QVariant(QString()), QVariant(0.1),
         QVariant(QStringLiteral("'; --"))},
        {QVariant(qint64(3)), QVariant(QStringLiteral("Kaf ك Yeh ي")), QVariant(),
         QVariant(longPersianText(70000))},
    };
    for (const auto& row : written)
        ASSERT_EQ(run("INSERT INTO Cows VALUES (?, ?, ?, ?)", row), nullptr);

    const auto read = rows("SELECT Sec, Name, Milk, Note FROM Cows ORDER BY rowid");
    ASSERT_EQ(read.size(), written.size());
    for (std::size_t r = 0; r < written.size(); ++r) {
        for (std::size_t c = 0; c < written[r].size(); ++c) {
            const QVariant& expected = written[r][c];
            const QVariant& actual = read[r][c];
            EXPECT_EQ(actual.isNull(), expected.isNull()) << "row " << r << " column " << c;
            if (!expected.isNull()) {
                EXPECT_EQ(actual, expected) << "row " << r << " column " << c;
            }
        }
    }
}

TEST_F(OdbcEngine, LongTextIsReadWholeAcrossPieces)
{
    ASSERT_EQ(run("CREATE TABLE Notes (Body TEXT)"), nullptr);
    // Lengths around the piece size (8191 code units a piece) and well past 64 KiB.
    for (const qsizetype units : {qsizetype(8190), qsizetype(8191), qsizetype(8192),
                                  qsizetype(16383), qsizetype(40000), qsizetype(100001)}) {
        SCOPED_TRACE(units);
        const QString body = longPersianText(units);
        ASSERT_EQ(run("DELETE FROM Notes"), nullptr);
        ASSERT_EQ(run("INSERT INTO Notes VALUES (?)", {body}), nullptr);
        const auto read = rows("SELECT Body FROM Notes");
        ASSERT_EQ(read.size(), 1u);
        const QString back = read[0][0].toString();
        EXPECT_EQ(back.size(), body.size());
        EXPECT_TRUE(back == body);
    }
}

TEST_F(OdbcEngine, PersianInTheStatementTextAndColumnNames)
{
    ASSERT_EQ(run(QStringLiteral("CREATE TABLE [دام] ([نام] TEXT)")), nullptr);
    ASSERT_EQ(run(QStringLiteral("INSERT INTO [دام] VALUES ('شيردوشي')")), nullptr);
    std::unique_ptr<db::Cursor> cursor = run(QStringLiteral("SELECT [نام] FROM [دام]"));
    ASSERT_NE(cursor, nullptr);
    ASSERT_EQ(cursor->columns().size(), 1u);
    EXPECT_EQ(cursor->columns()[0].name, QStringLiteral("نام"));
    std::vector<QVariant> row;
    ASSERT_TRUE(cursor->fetch(row));
    EXPECT_EQ(row[0].toString(), QStringLiteral("شيردوشي"));
    EXPECT_FALSE(cursor->fetch(row));
}

TEST_F(OdbcEngine, ColumnsCarryTheirDeclaredTypes)
{
    ASSERT_EQ(run("CREATE TABLE T (A INTEGER, B NVARCHAR(20), C FLOAT)"), nullptr);
    std::unique_ptr<db::Cursor> cursor = run("SELECT A, B AS Bee, C FROM T");
    ASSERT_NE(cursor, nullptr);
    const auto& columns = cursor->columns();
    ASSERT_EQ(columns.size(), 3u);
    EXPECT_EQ(columns[0].name, "A");
    EXPECT_EQ(columns[0].declaredType, "integer");
    EXPECT_EQ(columns[1].name, "Bee");
    EXPECT_EQ(columns[1].declaredType, "nvarchar");
    EXPECT_EQ(columns[2].declaredType, "float");
    std::vector<QVariant> row;
    EXPECT_FALSE(cursor->fetch(row));
}

TEST_F(OdbcEngine, RowsAffectedCountsChangedRows)
{
    ASSERT_EQ(run("CREATE TABLE T (A INTEGER)"), nullptr);
    for (int i = 0; i < 5; ++i)
        run("INSERT INTO T VALUES (?)", {i});
    run("UPDATE T SET A = A + 10 WHERE A >= ?", {2});
    EXPECT_EQ(m_session->rowsAffected(), 3);
    run("DELETE FROM T WHERE A = ?", {-1});
    EXPECT_EQ(m_session->rowsAffected(), 0);
}

TEST_F(OdbcEngine, AStatementMayFollowAnUnfinishedCursor)
{
    ASSERT_EQ(run("CREATE TABLE T (A INTEGER)"), nullptr);
    for (int i = 0; i < 3; ++i)
        run("INSERT INTO T VALUES (?)", {i});
    std::unique_ptr<db::Cursor> first = run("SELECT A FROM T ORDER BY A");
    ASSERT_NE(first, nullptr);
    std::vector<QVariant> row;
    ASSERT_TRUE(first->fetch(row));
    // The first cursor was read whole when it ran, so the connection is free for the next one.
    run("INSERT INTO T VALUES (?)", {3});
    EXPECT_EQ(rows("SELECT COUNT(*) FROM T")[0][0].toLongLong(), 4);
    ASSERT_TRUE(first->fetch(row));
    EXPECT_EQ(row[0].toLongLong(), 1);
}

TEST_F(OdbcEngine, FailuresCarryTheDriversOwnMessage)
{
    const struct {
        const char* sql;
        const char* driverText;
    } cases[] = {
        {"SELECT * FROM NoSuchTable", "no such table"},
        {"SELEC 1", "syntax error"},
    };
    for (const auto& c : cases) {
        try {
            run(c.sql);
            ADD_FAILURE() << c.sql << " did not fail";
        } catch (const db::DbError& error) {
            EXPECT_TRUE(error.message().contains(QLatin1String(c.driverText), Qt::CaseInsensitive))
                << error.message().toStdString();
        }
    }
    // The session stays usable after a failure.
    EXPECT_EQ(rows("SELECT 7")[0][0].toLongLong(), 7);
}

TEST(OdbcEngineConnect, ADriverThatCannotBeLoadedIsAnErrorSayingSo)
{
    try {
        db::odbc::openSessionWithConnectionString("DRIVER=/nonexistent/libnone.so;Database=x;", 2);
        ADD_FAILURE() << "connected";
    } catch (const db::DbError& error) {
        EXPECT_TRUE(error.message().contains("/nonexistent/libnone.so"))
            << error.message().toStdString();
    }
}

/// Runs in a child process: defines the data source FarmDsn (the SQLite driver on a file) in a
/// user odbc.ini of its own, then opens a session with FarmDsn as the server; exits 0 when the
/// data source was listed and a statement ran on it.
[[noreturn]] void connectThroughDataSource()
{
    QTemporaryDir folder;
    const QString database = folder.filePath(QStringLiteral("farm.db"));
    QFile ini(folder.filePath(QStringLiteral("odbc.ini")));
    if (!ini.open(QIODevice::WriteOnly))
        std::_Exit(2);
    ini.write(QStringLiteral("[FarmDsn]\nDriver=%1\nDatabase=%2\n")
                  .arg(sqliteDriverPath(), database)
                  .toUtf8());
    ini.close();
    qputenv("ODBCINI", QFile::encodeName(ini.fileName()));
    if (!db::odbc::dataSources().contains(QStringLiteral("FarmDsn")))
        std::_Exit(3);
    try {
        auto session = db::odbc::openSession({QStringLiteral("FarmDsn"), database, "", ""},
                                             db::odbc::ServerOptions{});
        std::unique_ptr<db::Cursor> cursor = session->execute(QStringLiteral("SELECT 41 + 1"), {});
        std::vector<QVariant> row;
        std::_Exit(cursor && cursor->fetch(row) && row[0].toLongLong() == 42 ? 0 : 4);
    } catch (const db::DbError& error) {
        std::fprintf(stderr, "%s\n", error.message().toUtf8().constData());
        std::_Exit(1);
    }
}

TEST(OdbcEngineConnect, AServerNamingADataSourceIsReachedThroughIt)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(connectThroughDataSource(), ::testing::ExitedWithCode(0), "");
}

} // namespace
