#include "dataaccess/base/connection_settings.h"
#include "dataaccess/base/db_error.h"
#include "dataaccess/base/sql_text.h"
#include "dataaccess/connection.h"
#include "dataaccess/embedded_server.h"
#include "dataaccess/query.h"
#include "dataaccess/sqlite/tsql_translator.h"
#include "dataaccess/table.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <iterator>

namespace {

using dataaccess_test::EmbeddedServer;
using dataaccess_test::exec;
using dataaccess_test::failureOf;
using dataaccess_test::scalar;

QString connectFailure(const db::ConnectionSettings& settings)
{
    db::Connection connection;
    connection.setSettings(settings);
    try {
        connection.Connect();
    } catch (const db::DbError& error) {
        EXPECT_FALSE(connection.Connected());
        return error.message();
    }
    return QString();
}

TEST(EmbeddedConnect, OpensExistingFilesOnly)
{
    EmbeddedServer server;
    server.createDatabase(QStringLiteral("Farm"));
    QFile bad(server.folder() + QStringLiteral("/Bad.db"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write(QByteArray(4096, 'x'));
    bad.close();
    const QString s = server.server();

    EXPECT_EQ(connectFailure({s, QStringLiteral("Farm"), QStringLiteral("sa"), QString()}),
              QString());
    EXPECT_EQ(connectFailure({s, QStringLiteral("fARM"), QString(), QString()}), QString())
        << "database names compare without regard to case";
    EXPECT_EQ(connectFailure({s, QStringLiteral("master"), QString(), QString()}), QString())
        << "master always opens, without a file";
    EXPECT_FALSE(QFile::exists(server.folder() + QStringLiteral("/master.db")));

    struct Refused {
        QString database;
        QString says;
    };
    for (const Refused& refused :
         {Refused{QStringLiteral("Missing"), QStringLiteral("no file Missing.db")},
          Refused{QStringLiteral("../Farm"), QStringLiteral("not a valid database name")},
          Refused{QStringLiteral("Bad"), QStringLiteral("file is not a database")}}) {
        const QString message = connectFailure({s, refused.database, QString(), QString()});
        EXPECT_TRUE(message.contains(refused.says)) << message.toStdString();
    }
    EXPECT_FALSE(QFile::exists(server.folder() + QStringLiteral("/Missing.db")))
        << "connecting never creates a database";
    const QString noFolder = connectFailure(
        {s + QStringLiteral("/nowhere"), QStringLiteral("Farm"), QString(), QString()});
    EXPECT_TRUE(noFolder.contains(QStringLiteral("no folder"))) << noFolder.toStdString();
}

TEST(EmbeddedConnect, RelativeFolderIsTakenFromTheProgramFolder)
{
    EmbeddedServer server;
    ASSERT_TRUE(QDir(server.folder()).mkdir(QStringLiteral("farms")));
    QFile file(server.folder() + QStringLiteral("/farms/Herd.db"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    db::setApplicationPath(server.folder());
    const QString message =
        connectFailure({QStringLiteral("SQLite:farms"), QStringLiteral("Herd"), {}, {}});
    db::setApplicationPath(QString());
    EXPECT_EQ(message, QString());
    EXPECT_TRUE(db::isEmbeddedServer(QStringLiteral("SQLITE:x")));
    EXPECT_FALSE(db::isEmbeddedServer(QStringLiteral("farmserver,1433")));
}

class Catalogue : public ::testing::Test {
protected:
    void SetUp() override
    {
        server.createDatabase(QStringLiteral("Farm"));
        connection = server.connect(QStringLiteral("Farm"));
        exec(*connection, QStringLiteral("CREATE TABLE [Cow's] (Serial nvarchar(20) NOT NULL, "
                                         "[Milk Amount] float)"));
        exec(*connection, QStringLiteral("CREATE VIEW V1 AS SELECT * FROM [Cow's]"));
    }
    EmbeddedServer server;
    std::unique_ptr<db::Connection> connection;
};

struct ProbeCase {
    const char* name;
    QString statement;
    QString count;
};

class CatalogueProbe : public Catalogue, public ::testing::WithParamInterface<ProbeCase> {};

TEST_P(CatalogueProbe, CountsWhatExists)
{
    EXPECT_EQ(scalar(*connection, GetParam().statement), GetParam().count)
        << GetParam().statement.toStdString();
}

// The probes as they reach the engine: turned into count queries.
const QString kTableProbe =
    QStringLiteral("Select Count(  * ) As Res  FROM  INFORMATION_SCHEMA.TABLES Where (Table_Name "
                   "= %1) And Table_Type='%2' ");
const QString kFieldProbe =
    QStringLiteral("Select Count( * ) As Res  FROM INFORMATION_SCHEMA.COLUMNS WHERE TABLE_NAME = "
                   "%1AND  COLUMN_NAME = %2");
const QString kProcedureProbe =
    QStringLiteral("select Count( * ) As Res  from dbo.sysobjects where id = object_id(N%1) and "
                   "OBJECTPROPERTY(id, N'%2') = 1");
const QString kDatabaseProbe =
    QStringLiteral("select Count( * ) As Res  from Master.Dbo.sysdatabases where Name=(N%1) ");

INSTANTIATE_TEST_SUITE_P(
    Probes, CatalogueProbe,
    ::testing::Values(
        ProbeCase{"tableWithQuote", kTableProbe.arg("'Cow''s'", "BASE TABLE"), "1"},
        ProbeCase{"tableAnyCase", kTableProbe.arg("'COW''S'", "base table"), "1"},
        ProbeCase{"viewIsNoTable", kTableProbe.arg("'V1'", "BASE TABLE"), "0"},
        ProbeCase{"view", kTableProbe.arg("'v1'", "VIEW"), "1"},
        ProbeCase{"tableIsNoView", kTableProbe.arg("'Cow''s'", "VIEW"), "0"},
        ProbeCase{"missingTable", kTableProbe.arg("'Cow'", "BASE TABLE"), "0"},
        ProbeCase{"field", kFieldProbe.arg("'Cow''s'", "'milk amount'"), "1"},
        ProbeCase{"fieldOfView", kFieldProbe.arg("'V1'", "'Serial'"), "1"},
        ProbeCase{"missingField", kFieldProbe.arg("'Cow''s'", "'Milk'"), "0"},
        ProbeCase{"noProcedures", kProcedureProbe.arg("'Cow''s'", "IsProcedure"), "0"},
        ProbeCase{"userTableById", kProcedureProbe.arg("'dbo.[Cow''s]'", "IsUserTable"), "1"},
        ProbeCase{"viewById", kProcedureProbe.arg("'V1'", "IsView"), "1"},
        ProbeCase{"database", kDatabaseProbe.arg("'farm'"), "1"},
        ProbeCase{"masterDatabase", kDatabaseProbe.arg("'Master'"), "1"},
        ProbeCase{"missingDatabase", kDatabaseProbe.arg("'Farm2'"), "0"},
        ProbeCase{"version", QStringLiteral("SELECT SUBSTRING(@@VERSION, 22, 5) As V"),
                  db::sqlite::versionBanner().mid(21, 5)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Catalogue, DatabaseListFollowsTheFolder)
{
    auto master = server.connect(QStringLiteral("master"));
    const QString list = QStringLiteral("SELECT * FROM sysdatabases WHERE (name = 'Masters')");
    EXPECT_EQ(scalar(*master, list), QStringLiteral("<no row>"));
    server.createDatabase(QStringLiteral("Masters"));
    EXPECT_EQ(scalar(*master, list), QStringLiteral("Masters"));
    db::Query names(*master);
    names.setSQL(QStringLiteral("SELECT name FROM sysdatabases ORDER BY dbid"));
    names.Open();
    QStringList found;
    for (names.First(); !names.Eof(); names.Next())
        found.append(names.FieldByName(QStringLiteral("NAME")).AsString());
    EXPECT_EQ(found, (QStringList{"master", "Farm", "Masters"}));
}

TEST_F(Catalogue, DropsAViewOnlyWhenItExists)
{
    const QString dropV1 = QStringLiteral(
        "if exists (SELECT *  FROM  INFORMATION_SCHEMA.TABLES WHERE  (Table_Type = 'View') And "
        "Table_Name ='V1')  drop view [dbo].[V1]");
    exec(*connection, dropV1);
    EXPECT_EQ(scalar(*connection, kTableProbe.arg("'V1'", "VIEW")), QStringLiteral("0"));
    EXPECT_EQ(failureOf(*connection, dropV1), QString()) << "a view that is gone is no error";
    // a table of the name is not a view: the condition keeps the drop from running
    EXPECT_EQ(failureOf(*connection, QStringLiteral("if exists (SELECT * FROM "
                                                    "INFORMATION_SCHEMA.TABLES WHERE (Table_Type "
                                                    "= 'View') And Table_Name ='Cow''s') drop "
                                                    "view [dbo].[Cow's]")),
              QString());
    EXPECT_EQ(scalar(*connection, kTableProbe.arg("'Cow''s'", "BASE TABLE")), QStringLiteral("1"));
}

TEST_F(Catalogue, UnsupportedAndMisspeltStatementsFail)
{
    EXPECT_TRUE(failureOf(*connection, QStringLiteral("select * from [Cow's] where Serial = @s"))
                    .contains(QStringLiteral("does not support")));
    EXPECT_TRUE(failureOf(*connection, QStringLiteral("select \"Nothing\" from [Cow's]"))
                    .contains(QStringLiteral("no such column")))
        << "a double-quoted name never turns into a string";
    EXPECT_TRUE(failureOf(*connection, QStringLiteral("select 1; select 2"))
                    .contains(QStringLiteral("last statement")));
    EXPECT_TRUE(failureOf(*connection, QStringLiteral("delete from [2Tarvex]"))
                    .contains(QStringLiteral("no such table: 2Tarvex")));
}

TEST_F(Catalogue, SeveralStatementsOfOneTextAllRun)
{
    exec(*connection, QStringLiteral("CREATE TABLE A (x int);\r\nINSERT INTO A VALUES (1);\r\n"
                                     "INSERT INTO A VALUES (2) -- the last"));
    EXPECT_EQ(scalar(*connection, QStringLiteral("SELECT SUM(x) FROM A")), QStringLiteral("3"));
}

TEST(TwoWorkstations, WorkSideBySide)
{
    EmbeddedServer server;
    server.createDatabase(QStringLiteral("Farm"));
    auto first = server.connect(QStringLiteral("Farm"));
    auto second = server.connect(QStringLiteral("Farm"));
    exec(*first, QStringLiteral("CREATE TABLE L (Serial nvarchar(20))"));

    for (int i = 0; i < 50; ++i) {
        exec(i % 2 == 0 ? *first : *second, QStringLiteral("INSERT INTO L VALUES ('%1')").arg(i));
    }
    EXPECT_EQ(scalar(*second, QStringLiteral("SELECT COUNT(*) FROM L")), QStringLiteral("50"));

    // A write still open on one side neither blocks nor shows on the other until committed.
    exec(*first, QStringLiteral("BEGIN TRANSACTION"));
    exec(*first, QStringLiteral("DELETE FROM L"));
    EXPECT_EQ(scalar(*second, QStringLiteral("SELECT COUNT(*) FROM L")), QStringLiteral("50"));
    exec(*first, QStringLiteral("COMMIT"));
    EXPECT_EQ(scalar(*second, QStringLiteral("SELECT COUNT(*) FROM L")), QStringLiteral("0"));

    db::Table list(*second, QStringLiteral("L"));
    list.Open();
    exec(*first, QStringLiteral("INSERT INTO L VALUES (N'گاو')"));
    list.Refresh();
    ASSERT_EQ(list.RecordCount(), 1);
    EXPECT_EQ(list.FieldByName(QStringLiteral("Serial")).AsString(), QStringLiteral("گاو"));

    // A result's columns are those of the table as it is, also right after the other side
    // changed it.
    exec(*first, QStringLiteral("ALTER TABLE L ADD Body nvarchar(10); UPDATE L SET Body = '12'"));
    db::Query read(*second);
    read.setSQL(QStringLiteral("SELECT * FROM L"));
    read.Open();
    ASSERT_EQ(read.FieldCount(), 2);
    EXPECT_EQ(read.FieldByName(QStringLiteral("Body")).AsString(), QStringLiteral("12"));
}

// A row's digest tells values apart by kind, length and bytes, and gives equal values one digest.
TEST_F(Catalogue, RowDigestTellsValuesApart)
{
    const auto sameDigest = [this](const QString& a, const QString& b) {
        return scalar(*connection,
                      QStringLiteral("SELECT CASE WHEN row_digest(%1) = row_digest(%2) THEN 1 "
                                     "ELSE 0 END")
                          .arg(a, b)) == u"1";
    };
    struct Pair {
        QString a, b;
    };
    for (const Pair& apart : {
             Pair{QStringLiteral("NULL"), QStringLiteral("''")},
             Pair{QStringLiteral("''"), QStringLiteral("0")},
             Pair{QStringLiteral("1"), QStringLiteral("1.0")},
             Pair{QStringLiteral("'1'"), QStringLiteral("1")},
             Pair{QStringLiteral("'a'"), QStringLiteral("CAST('a' AS varbinary(1))")},
             Pair{QStringLiteral("'ab', 'c'"), QStringLiteral("'a', 'bc'")},
             Pair{QStringLiteral("NULL"), QStringLiteral("NULL, NULL")},
             Pair{QStringLiteral("N'شير'"), QStringLiteral("N'شیر'")},
             Pair{QStringLiteral("'abcdefghi1'"), QStringLiteral("'abcdefghi2'")},
             Pair{QStringLiteral("'x', 1"), QStringLiteral("1, 'x'")},
         })
        EXPECT_FALSE(sameDigest(apart.a, apart.b))
            << apart.a.toStdString() << " | " << apart.b.toStdString();
    for (const QString& same : {QStringLiteral("NULL"), QStringLiteral("N'تزريق GnRH', 7, 2.5"),
                                QStringLiteral("'0012'")})
        EXPECT_TRUE(sameDigest(same, same)) << same.toStdString();
}

TEST(PersianText, RoundTripsInEveryColumnTypeAndParameter)
{
    EmbeddedServer server;
    server.createDatabase(QStringLiteral("Farm"));
    auto connection = server.connect(QStringLiteral("Farm"));
    const QStringList types{"nvarchar(50)", "nchar(50)", "ntext", "nvarchar(max)",
                            "varchar(50)",  "char(50)",  "text",  "sql_variant"};
    QStringList columns;
    for (int i = 0; i < types.size(); ++i)
        columns.append(QStringLiteral("c%1 %2").arg(i).arg(types[i]));
    exec(*connection,
         QStringLiteral("CREATE TABLE P (how nvarchar(10), %1)").arg(columns.join(", ")));

    const QString text = QStringLiteral("سقط جنين، گاو شماره ۱۲۳ «ماده» - يك كيلو");
    QStringList literals;
    for (int i = 0; i < types.size(); ++i)
        literals.append(QStringLiteral("N'") + QString(text).replace("'", "''") + u'\'');
    exec(*connection,
         QStringLiteral("INSERT INTO P VALUES ('literal', %1)").arg(literals.join(", ")));

    db::Query insert(*connection);
    QStringList markers;
    for (int i = 0; i < types.size(); ++i)
        markers.append(QStringLiteral(":v%1").arg(i));
    insert.setSQL(QStringLiteral("INSERT INTO P VALUES ('parameter', %1)").arg(markers.join(", ")));
    ASSERT_EQ(insert.ParamCount(), types.size());
    for (int i = 0; i < types.size(); ++i)
        insert.ParamByName(QStringLiteral("V%1").arg(i)).Value = text;
    insert.ExecSQL();

    db::Table table(*connection, QStringLiteral("P"));
    table.Open();
    table.Insert();
    table.FieldByName(QStringLiteral("how")).setAsString(QStringLiteral("table"));
    for (int i = 0; i < types.size(); ++i)
        table.FieldByName(QStringLiteral("c%1").arg(i)).setAsString(text);
    table.Post();

    db::Query read(*connection);
    read.setSQL(QStringLiteral("SELECT * FROM P WHERE c0 = :text ORDER BY how"));
    read.ParamByName(QStringLiteral("text")).Value = text;
    read.Open();
    ASSERT_EQ(read.RecordCount(), 3);
    for (read.First(); !read.Eof(); read.Next()) {
        for (int i = 0; i < types.size(); ++i)
            EXPECT_EQ(read.Fields(i + 1).AsString(), text)
                << read.Fields(0).AsString().toStdString() << " " << types[i].toStdString();
    }
}

// The statement the selection form inserts an animal with, piece by piece as it builds it.
const QString kPieces[] = {
    QStringLiteral("INSERT INTO [2Tarvex](Serial,Body, DIM, TDate, DateLastBrid, TNUM, MilkAS, "
                   "BSC, ES1, ES2, Es3, Es4, Es5,BeforAct,CurAct,NextAct,LastBriding, PreMilk, "
                   "MilkPeriod, BCode, Exist, DisT, ZSittuation)SELECT     "),
    QString() /* serial */,
    QStringLiteral(
        ",Body, DisZ, DateTalghih, DateLastBriding, CASE WHEN ZSittuation LIKE '%سقط%' THEN "),
    QStringLiteral(" (SELECT COUNT(*)FROM Talghih WHERE Serial = M.Serial AND Tdate > M.ZSDate) "
                   "ELSE TNum END AS TNum, MilkAmountSum, BodyScore,"),
    QStringLiteral("(SELECT Esp1 FROM RecommandSperm WHERE Serial = M.Serial AND MilkPeriod = "
                   "M.MilkPeriod AND SDate ="),
    QStringLiteral("(SELECT MAX(SDate)  FROM RecommandSperm  WHERE Serial = M.Serial)) AS Esp1,"),
    QStringLiteral("(SELECT Esp2 FROM RecommandSperm WHERE Serial = M.Serial AND MilkPeriod = "
                   "M.MilkPeriod AND SDate ="),
    QStringLiteral("(SELECT MAX(SDate)  FROM RecommandSperm  WHERE Serial = M.Serial)) AS Esp2,"),
    QStringLiteral("(SELECT Esp3 FROM RecommandSperm WHERE Serial = M.Serial AND MilkPeriod = "
                   "M.MilkPeriod AND SDate =  "),
    QStringLiteral("(SELECT MAX(SDate)  FROM RecommandSperm  WHERE Serial = M.Serial)) AS Esp3,"),
    QStringLiteral("(SELECT Esp4 FROM RecommandSperm WHERE Serial = M.Serial AND MilkPeriod = "
                   "M.MilkPeriod AND SDate = "),
    QStringLiteral("(SELECT MAX(SDate)  FROM RecommandSperm  WHERE Serial = M.Serial)) AS Esp4,"),
    QStringLiteral("(SELECT Esp5 FROM RecommandSperm WHERE Serial = M.Serial AND MilkPeriod = "
                   "M.MilkPeriod AND SDate ="),
    QStringLiteral("(SELECT MAX(SDate)  FROM RecommandSperm  WHERE Serial = M.Serial)) AS Esp5,"),
    QStringLiteral("(SELECT (SELECT PAct FROM P_ProtocolDesign WHERE ProName = A.ProName AND "
                   "PLevel = PCurLevel - 1) "),
    QStringLiteral(" FROM P_Work A WHERE (Serial = M.Serial) AND (PInDate =(SELECT "
                   "MAX(PInDate)FROM P_Work  WHERE  Serial = A.Serial And POutDate='')))BA,"),
    QStringLiteral(
        "(SELECT PLastAct FROM P_Work A WHERE (Serial = M.Serial) AND (PInDate =(SELECT "
        "MAX(PInDate)FROM P_Work  WHERE  Serial = A.Serial And POutDate='')))AS PLastAct, "),
    QStringLiteral(
        "(SELECT PNextAct FROM P_Work A WHERE (Serial = M.Serial) AND (PInDate =(SELECT "
        "MAX(PInDate)FROM P_Work  WHERE  Serial = A.Serial And POutDate='')))AS PNextAct "
        ",LastBriding, PreMilk, MilkPeriod, BCode, ReadyDieStatuse, DisT, ZSittuation"),
    QStringLiteral(" FROM CowStatusView M WHERE (Serial = "),
    QString() /* serial */,
    QStringLiteral(")"),
};
const QString kWithoutProtocols =
    QStringLiteral("(SELECT MAX(SDate)  FROM RecommandSperm  WHERE Serial = M.Serial)) AS "
                   "Esp5,'ندارد','ندارد','ندارد',LastBriding, PreMilk, MilkPeriod, BCode, "
                   "ReadyDieStatuse, DisT, ZSittuation");

QString insertStatement(const QString& serial, bool withProtocols)
{
    QString statement;
    const int pieceCount = static_cast<int>(std::size(kPieces));
    for (int i = 0; i < pieceCount; ++i) {
        if (!withProtocols && i >= 13 && i <= 17) {
            if (i == 13)
                statement += kWithoutProtocols;
            continue;
        }
        statement += kPieces[i].isNull() ? db::sql::quoteString(serial) : kPieces[i];
    }
    return statement;
}

class SelectionList : public ::testing::Test {
protected:
    void SetUp() override
    {
        server.createDatabase(QStringLiteral("Farm"));
        farm = server.connect(QStringLiteral("Farm"));
        const QStringList script{
            "CREATE TABLE [2Tarvex] (Serial nvarchar(20) NOT NULL, Body nvarchar(20), DIM int, "
            "TDate nvarchar(10), DateLastBrid nvarchar(10), TNUM int, MilkAS float, BSC float, "
            "ES1 nvarchar(50), ES2 nvarchar(50), Es3 nvarchar(50), Es4 nvarchar(50), "
            "Es5 nvarchar(50), BeforAct nvarchar(200), CurAct nvarchar(200), "
            "NextAct nvarchar(200), LastBriding nvarchar(50), PreMilk float, MilkPeriod int, "
            "BCode nvarchar(50), Exist nvarchar(50), DisT int, ZSittuation nvarchar(50))",
            "CREATE TABLE CowStatus (Serial nvarchar(20), Body nvarchar(20), DisZ int, "
            "DateTalghih nvarchar(10), DateLastBriding nvarchar(10), ZSittuation nvarchar(50), "
            "ZSDate nvarchar(10), TNum int, MilkAmountSum float, BodyScore float, "
            "MilkPeriod int, LastBriding nvarchar(50), PreMilk float, BCode nvarchar(50), "
            "ReadyDieStatuse nvarchar(50), DisT int)",
            "CREATE VIEW CowStatusView AS SELECT * FROM CowStatus",
            "CREATE TABLE Talghih (Serial nvarchar(20), Tdate nvarchar(10))",
            "CREATE TABLE RecommandSperm (Serial nvarchar(20), MilkPeriod int, SDate "
            "nvarchar(10), Esp1 nvarchar(50), Esp2 nvarchar(50), Esp3 nvarchar(50), Esp4 "
            "nvarchar(50), Esp5 nvarchar(50))",
            "CREATE TABLE P_Work (Serial nvarchar(20), ProName nvarchar(50), PCurLevel int, "
            "PInDate nvarchar(10), POutDate nvarchar(10), PLastAct nvarchar(100), PNextAct "
            "nvarchar(100))",
            "CREATE TABLE P_ProtocolDesign (ProName nvarchar(50), PLevel int, PAct nvarchar(100))",
            "INSERT INTO CowStatus VALUES ('A1', '00012', 210, '1403/07/01', '1403/02/11', "
            "N'سقط جنين', '1403/05/01', 9, 31.5, 3.25, 3, N'ماده', 29, N'بهاربند 2', N'موجود', 80)",
            "INSERT INTO CowStatus VALUES ('B2', '00012', 40, '1403/08/01', '1403/07/11', "
            "N'طبيعي', '1403/07/11', 4, 20, 2.75, 2, N'نر', 18, N'بهاربند 1', N'موجود', 10)",
            "INSERT INTO Talghih VALUES ('A1', '1403/04/01'), ('A1', '1403/06/01'), "
            "('A1', '1403/07/01'), ('B2', '1403/08/01')",
            "INSERT INTO RecommandSperm VALUES ('A1', 3, '1403/01/01', N'قديمي', 'o2', 'o3', 'o4', "
            "'o5'), ('A1', 3, '1403/06/01', N'اسپرم-1', 'S2', 'S3', 'S4', 'S5'), "
            "('B2', 1, '1403/07/20', 'X1', 'X2', 'X3', 'X4', 'X5')",
            "INSERT INTO P_Work VALUES ('A1', N'اوسينك', 3, '1403/01/01', '1403/02/01', 'old', "
            "'old'), ('A1', N'اوسينك', 2, '1403/06/10', '', N'تزريق GnRH', N'تزريق PGF')",
            "INSERT INTO P_ProtocolDesign VALUES (N'اوسينك', 1, N'معاينه'), (N'اوسينك', 2, "
            "N'GnRH دوم')"};
        for (const QString& statement : script)
            exec(*farm, statement);
    }

    /// Runs the insertion and answers the rows it added.
    qint64 insert(const QString& serial, bool withProtocols)
    {
        db::Query query(*farm);
        query.setSQL(insertStatement(serial, withProtocols));
        try {
            query.ExecSQL();
        } catch (const db::DbError& error) {
            ADD_FAILURE() << error.message().toStdString();
        }
        return query.RowsAffected();
    }

    QStringList row(const QString& serial, const QString& columns)
    {
        db::Query query(*farm);
        query.setSQL(QStringLiteral("SELECT %1 FROM [2Tarvex] WHERE Serial = :s").arg(columns));
        query.ParamByName(QStringLiteral("s")).Value = serial;
        query.Open();
        QStringList values;
        for (int i = 0; i < query.FieldCount() && !query.IsEmpty(); ++i)
            values.append(query.Fields(i).AsString());
        return values;
    }

    EmbeddedServer server;
    std::unique_ptr<db::Connection> farm;
};

TEST_F(SelectionList, InsertsTheAnimalWithItsFacts)
{
    EXPECT_EQ(insert(QStringLiteral("A1"), true), 1);
    EXPECT_EQ(row(QStringLiteral("A1"), QStringLiteral("Body, DIM, TNUM, MilkAS, BSC, ES1, Es5, "
                                                       "BeforAct, CurAct, NextAct, Exist, DisT")),
              (QStringList{"00012", "210", "2", "31.5", "3.25", "اسپرم-1", "S5", "معاينه",
                           "تزريق GnRH", "تزريق PGF", "موجود", "80"}))
        << "an aborted animal counts its inseminations after the abortion";

    EXPECT_EQ(insert(QStringLiteral("B2"), true), 1);
    EXPECT_EQ(row(QStringLiteral("B2"), QStringLiteral("TNUM, ES1, BeforAct, CurAct")),
              (QStringList{"4", "", "", ""}))
        << "sperm of another lactation and no open protocol leave the columns empty";

    EXPECT_EQ(insert(QStringLiteral("C3"), true), 0) << "no status row, no insertion";
}

TEST_F(SelectionList, WithoutProtocolsFillsNone)
{
    exec(*farm, QStringLiteral("DROP TABLE P_Work"));
    exec(*farm, QStringLiteral("DROP TABLE P_ProtocolDesign"));
    EXPECT_EQ(insert(QStringLiteral("A1"), false), 1);
    EXPECT_EQ(row(QStringLiteral("A1"), QStringLiteral("TNUM, ES1, BeforAct, CurAct, NextAct")),
              (QStringList{"2", "اسپرم-1", "ندارد", "ندارد", "ندارد"}));
}

} // namespace
