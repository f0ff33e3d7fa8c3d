// The stores through the SQL Server engine's own code: unixODBC with Debian's SQLite ODBC driver
// as a data source defined in a user odbc.ini of the test's own. The owner "Dbo" is an attached
// database, so that "Dbo.Info" names a table as it does on SQL Server.
#include "dataaccess/base/sql_text.h"
#include "stores_fixture.h"

#include <QFileInfo>
#include <dlfcn.h>

namespace {

using namespace toolkit_db_testing;

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

class StoresThroughOdbc : public ToolkitDbTest {
protected:
    void SetUp() override
    {
        const QString driver = sqliteDriverPath();
        ASSERT_FALSE(driver.isEmpty()) << "libsqliteodbc is missing: run scripts/setup.sh";
        // The installer library that reads a data source's settings is kept loaded after the
        // driver manager lets it go, so that the sanitizer build's leak checker can name it
        // (what it keeps of the settings leaks; tests/lsan.supp).
        ASSERT_NE(dlopen("libodbcinst.so.2", RTLD_NOW | RTLD_NODELETE), nullptr) << dlerror();
        QFile ini(dir.filePath("odbc.ini"));
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write(QStringLiteral("[FarmStores]\nDriver=%1\n").arg(driver).toUtf8());
        ini.close();
        qputenv("ODBCINI", QFile::encodeName(ini.fileName()));
        farm.Server = "FarmStores";
        farm.Database = dir.filePath("farm.db");
        try {
            farm.Connect();
        } catch (const platform::Error& e) {
            FAIL() << e.message().toStdString();
        }
        run(farm, "ATTACH DATABASE " + db::sql::quoteString(dir.filePath("dbo.db")) + " AS Dbo");
        run(farm, "CREATE TABLE SqlCommands (Sec nvarchar(30), Titr nvarchar(100), Seq int, "
                  "SDate nvarchar(10), SqlCmd ntext)");
        run(farm, "CREATE TABLE Dbo.Info (GroupSec nvarchar(50), KeyName nvarchar(50), "
                  "KeyValue nvarchar(4000), Discription nvarchar(255))");
        state.ServerConnection = &farm;
        state.FarsiToday = "1403/09/19";
    }
    void TearDown() override { qunsetenv("ODBCINI"); }

    db::Connection farm;
    toolkit::CommandStore store{state, state, boxes};
    toolkit::InformationTable info{state, boxes, board};
};

TEST_F(StoresThroughOdbc, CommandsAndInformationRoundTrip)
{
    const QStringList commands{QStringLiteral("select * from Main where Sex = N'ماده'"),
                               "-- ]] 'x'", QString(5000, u'ك')};
    ASSERT_TRUE(store.SQlCmdWriteStringList("S'1", "T]]", {"first"}));
    ASSERT_TRUE(store.SQlCmdWriteStringList("S'1", "T]]", commands));
    ASSERT_TRUE(store.SQlCmdWriteStringList("S'1", "T2", {"second"}));
    EXPECT_EQ(store.SQlCmdReadOneWriteStringList("S'1", "T]]"), commands);
    EXPECT_EQ(store.SQlCmdReadOne("S'1"), commands.join("\r\n"));
    EXPECT_EQ(rowsOf(farm, "SELECT Sec, Titr, Seq, SDate FROM SqlCommands ORDER BY rowid"),
              (QStringList{"S'1|T]]|0|1403/09/19", "S'1|T2|0|1403/09/19"}));
    EXPECT_EQ(store.SQlCmdReadAndCreatStoreProce("S'1").size(), 4);

    info.WriteInformation("Version", QStringLiteral("نسخه"), "0012", QStringLiteral("شرح"));
    info.WriteInformation("Version", QStringLiteral("نسخه"), "0013", "other");
    info.WriteInformation(" ", "K", "'; --", "");
    EXPECT_EQ(info.FReadInformation("Version", QStringLiteral("نسخه")), "0013");
    EXPECT_EQ(info.FReadInformation("", "K"), "'; --");
    EXPECT_EQ(info.FReadInformation("Version", "Missing"), "NOTANSWER");
    EXPECT_EQ(rowsOf(farm, "SELECT GroupSec, Discription FROM Dbo.Info ORDER BY rowid"),
              (QStringList{QStringLiteral("Version|شرح"), "DEFAULT|<null>"}));
    info.VersionShow();
    EXPECT_EQ(board.rows, (std::vector<RecordingBoard::Row>{{QStringLiteral("نسخه"), "0013"}}));
    EXPECT_TRUE(boxPresenter.shown.empty());
}

} // namespace
