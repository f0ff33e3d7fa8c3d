// The demo farm: deterministic from its seed, and holding every case the lookup must get right.
#include "app/demo_farm/demo_farm.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <sqlite3.h>
#include <string>

namespace {

struct CloseDatabase {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
using Database = std::unique_ptr<sqlite3, CloseDatabase>;

Database open(const QString& path)
{
    sqlite3* db = nullptr;
    const int rc =
        sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    Database result(db);
    EXPECT_EQ(rc, SQLITE_OK) << sqlite3_errmsg(db);
    return result;
}

/// Every row of the query, one line each, columns separated by "|".
std::string rows(sqlite3* db, const std::string& sql)
{
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
        ADD_FAILURE() << sql << ": " << sqlite3_errmsg(db);
        return {};
    }
    std::string out;
    while (sqlite3_step(statement) == SQLITE_ROW) {
        for (int c = 0; c < sqlite3_column_count(statement); ++c) {
            const auto* text = sqlite3_column_text(statement, c);
            out += text ? reinterpret_cast<const char*>(text) : "<null>";
            out += '|';
        }
        out += '\n';
    }
    sqlite3_finalize(statement);
    return out;
}

std::string dump(const QString& path)
{
    Database db = open(path);
    std::string out;
    for (const char* table :
         {"Main", "CowStatusView", "Talghih", "RecommandSperm", "P_Work", "P_ProtocolDesign"})
        out += rows(db.get(), std::string("SELECT * FROM ") + table + " ORDER BY 1, 2, 3");
    return out;
}

class DemoFarm : public ::testing::Test {
protected:
    QString write(const QString& name, const app::DemoFarmOptions& options)
    {
        const QString path = m_folder.filePath(name + QStringLiteral(".db"));
        app::writeDemoFarm(path, options);
        return path;
    }
    QTemporaryDir m_folder;
};

TEST_F(DemoFarm, SameSeedGivesTheSameFarmAndAnotherSeedAnother)
{
    app::DemoFarmOptions options;
    options.animals = 300;
    options.seed = 7;
    const std::string first = dump(write(QStringLiteral("a"), options));
    EXPECT_EQ(dump(write(QStringLiteral("b"), options)), first);
    options.seed = 8;
    EXPECT_NE(dump(write(QStringLiteral("c"), options)), first);
}

// Each query finds at least one animal of a case the lookup and the INSERT have to handle.
struct FarmCase {
    const char* name;
    const char* query;
};

/// The case's name, in test listings.
void PrintTo(const FarmCase& c, std::ostream* os)
{
    *os << c.name;
}

/// One default farm, written once for all the cases.
class DemoFarmCases : public ::testing::TestWithParam<FarmCase> {
protected:
    static void SetUpTestSuite()
    {
        s_folder = std::make_unique<QTemporaryDir>();
        app::writeDemoFarm(path(), {});
    }
    static void TearDownTestSuite() { s_folder.reset(); }
    static QString path() { return s_folder->filePath(QStringLiteral("farm.db")); }

private:
    static std::unique_ptr<QTemporaryDir> s_folder;
};
std::unique_ptr<QTemporaryDir> DemoFarmCases::s_folder;

TEST_P(DemoFarmCases, AreInTheDefaultFarm)
{
    Database db = open(path());
    EXPECT_FALSE(rows(db.get(), GetParam().query).empty()) << GetParam().query;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DemoFarmCases,
    ::testing::Values(
        FarmCase{"BodySharedByTwoPresentAnimals",
                 "SELECT Body FROM Main WHERE ExistCode BETWEEN 0 AND 1 GROUP BY Body "
                 "HAVING COUNT(*) > 1"},
        FarmCase{"BodyOfAGoneAnimalOnlyIsWrong",
                 "SELECT Body FROM Main GROUP BY Body HAVING MIN(ExistCode) > 1"},
        FarmCase{"GoneAnimalWhoseBodyLivesOn",
                 "SELECT G.Body FROM Main G JOIN Main P ON P.Body = G.Body "
                 "WHERE G.ExistCode > 1 AND P.ExistCode BETWEEN 0 AND 1"},
        FarmCase{"PresentAnimalWithoutStatusRow",
                 "SELECT Serial FROM Main WHERE ExistCode BETWEEN 0 AND 1 "
                 "AND Serial NOT IN (SELECT Serial FROM CowStatusView)"},
        FarmCase{"MaleAnimal", "SELECT Serial FROM Main WHERE Sex = 'نر' AND ExistCode < 2"},
        FarmCase{"AbortedWithInseminationsAfterIt",
                 "SELECT M.Serial FROM CowStatusView M WHERE M.ZSittuation LIKE '%سقط%' AND "
                 "(SELECT COUNT(*) FROM Talghih T WHERE T.Serial = M.Serial AND T.Tdate > "
                 "M.ZSDate) BETWEEN 1 AND M.TNum - 1"},
        FarmCase{"LatestRecommendationOfAnEarlierLactation",
                 "SELECT M.Serial FROM CowStatusView M JOIN RecommandSperm R ON R.Serial = "
                 "M.Serial AND R.SDate = (SELECT MAX(SDate) FROM RecommandSperm WHERE Serial = "
                 "M.Serial) WHERE R.MilkPeriod <> M.MilkPeriod"},
        FarmCase{"OpenProtocolAfterAClosedOne",
                 "SELECT O.Serial FROM P_Work O JOIN P_Work C ON C.Serial = O.Serial "
                 "WHERE O.POutDate = '' AND C.POutDate <> '' AND C.PInDate < O.PInDate"},
        FarmCase{"OpenProtocolAtItsFirstLevel",
                 "SELECT Serial FROM P_Work WHERE POutDate = '' AND PCurLevel = 1"},
        FarmCase{"SolarDatesOfTenCharacters", "SELECT Tdate FROM Talghih WHERE Tdate GLOB "
                                              "'1[34][0-9][0-9]/[01][0-9]/[0-3][0-9]' LIMIT 1"},
        FarmCase{"PersianVersionRows", "SELECT KeyName FROM Info WHERE GroupSec = 'Version' AND "
                                       "KeyName LIKE 'نسخه%'"},
        FarmCase{"VersionTextWithLeadingZeros",
                 "SELECT KeyValue FROM Info WHERE KeyValue = '0012' AND typeof(KeyValue) = 'text'"},
        FarmCase{"FieldTemplateOfTheCowForm",
                 "SELECT SqlCmd FROM SqlCommands WHERE Sec = 'ini' AND Titr = 'CowForm' AND "
                 "SqlCmd LIKE '%' || char(13, 10) || 'Sex~%'"}),
    [](const ::testing::TestParamInfo<FarmCase>& info) { return std::string(info.param.name); });

TEST_F(DemoFarm, WithoutProtocolsHasNoProtocolTables)
{
    app::DemoFarmOptions options;
    options.animals = 50;
    options.withProtocols = false;
    Database db = open(write(QStringLiteral("plain"), options));
    EXPECT_EQ(rows(db.get(), "SELECT name FROM sqlite_master WHERE name LIKE 'P\\_%' ESCAPE '\\'"),
              "");
    EXPECT_NE(rows(db.get(), "SELECT * FROM Main LIMIT 1"), "");
}

TEST_F(DemoFarm, ReplacesAnEarlierFileWholeAndDropsItsJournal)
{
    const QString path = m_folder.filePath(QStringLiteral("farm.db"));
    for (const QString& name : {path, path + QStringLiteral("-wal")}) {
        QFile file(name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("not a database");
    }
    app::DemoFarmOptions options;
    options.animals = 20;
    app::writeDemoFarm(path, options);
    EXPECT_FALSE(QFile::exists(path + QStringLiteral("-wal")));
    EXPECT_FALSE(QFile::exists(path + QStringLiteral(".part")));
    Database db = open(path);
    EXPECT_EQ(rows(db.get(), "SELECT COUNT(*) FROM Main"), "20|\n");
}

} // namespace
