// The information table "Dbo.Info" and the version report on a real embedded farm database.
#include "stores_fixture.h"

#include <ostream>

namespace {

using namespace toolkit_db_testing;

QString infoRows(db::Connection& farm)
{
    return rowsOf(farm, "SELECT GroupSec, KeyName, KeyValue, Discription FROM Info ORDER BY rowid")
        .join('\n');
}

struct ValueCase {
    const char* name;
    QString section;
    QString key;
    QString value;
};

/// The case's name, in test listings.
void PrintTo(const ValueCase& c, std::ostream* os)
{
    *os << c.name;
}

class InformationValues : public StoresTest, public testing::WithParamInterface<ValueCase> {};

// Values are written as they stand (a text with leading zeros stays text), read back exactly,
// and leave the other keys alone.
TEST_P(InformationValues, ComeBackExactlyAndLeaveOtherKeys)
{
    const ValueCase& c = GetParam();
    info.WriteInformation("Farm", "Name", QStringLiteral("گاوداري مهر"), "");
    info.WriteInformation(c.section, c.key, c.value, "d");
    EXPECT_EQ(info.FReadInformation(c.section, c.key), c.value);
    info.WriteInformation(c.section, c.key, c.value + "2", "");
    QString read;
    info.ReadInformation(c.section, c.key, read);
    EXPECT_EQ(read, c.value + "2");
    EXPECT_EQ(info.FReadInformation("Farm", "Name"), QStringLiteral("گاوداري مهر"));
    EXPECT_EQ(rowsOf(farm, "SELECT count(*) FROM Info"), QStringList{"2"});
}

QString longValue()
{
    QString text;
    while (text.size() < 5000)
        text += QStringLiteral("كد ' \"; -- ]] \r\n");
    return text.left(5000);
}

INSTANTIATE_TEST_SUITE_P(
    Values, InformationValues,
    testing::Values(ValueCase{"leadingZeros", "S", "K", "0012"},
                    ValueCase{"number", "S", "K", "12.50"},
                    ValueCase{"quotesAndComments", "it's", "--k", "'; drop table Info; --"},
                    ValueCase{"brackets", "]]", "[k]", "]] [x]"},
                    ValueCase{"lineBreaks", "a\r\nb", "k\n", "x\r\ny"},
                    ValueCase{"persian", QStringLiteral("نسخه"), QStringLiteral("كليد"),
                              QStringLiteral("مقدار يك")},
                    ValueCase{"long", "S", "K", longValue()}),
    [](const testing::TestParamInfo<ValueCase>& info) { return std::string(info.param.name); });

TEST_F(StoresTest, AMissingKeyIsNotAnsweredAndAnEmptyValueIsEmpty)
{
    EXPECT_EQ(info.FReadInformation("S", "Missing"), "NOTANSWER");
    info.WriteInformation("S", "Empty", "", "");
    EXPECT_EQ(info.FReadInformation("S", "Empty"), "");
    EXPECT_EQ(info.FReadInformation("s", "Empty"), "NOTANSWER"); // exact, letter case counts
    QString value = "before";
    info.ReadInformation("S", "Missing", value);
    EXPECT_EQ(value, "NOTANSWER");
}

TEST_F(StoresTest, ABlankSectionIsTheDefaultSection)
{
    info.WriteInformation("", "K", "1", "");
    info.WriteInformation(" \t", "K", "2", "");
    EXPECT_EQ(info.FReadInformation("   ", "K"), "2");
    EXPECT_EQ(info.FReadInformation("DEFAULT", "K"), "2");
    EXPECT_EQ(infoRows(farm), "DEFAULT|K|2|<null>");
}

TEST_F(StoresTest, AnExistingKeyKeepsItsDescription)
{
    info.WriteInformation("S", "K", "1", QStringLiteral("شرح اول"));
    info.WriteInformation("S", "K", "2", QStringLiteral("شرح دوم"));
    info.WriteInformation("S", "Plain", "3", "");
    EXPECT_EQ(infoRows(farm), QStringLiteral("S|K|2|شرح اول\nS|Plain|3|<null>"));
}

TEST_F(StoresTest, AMissingInformationTableReachesTheCaller)
{
    run(farm, "DROP TABLE Info");
    EXPECT_THROW(info.WriteInformation("S", "K", "1", ""), db::DbError);
    EXPECT_THROW(info.FReadInformation("S", "K"), db::DbError);
    QString value;
    EXPECT_THROW(info.ReadInformation("S", "K", value), db::DbError);
    EXPECT_TRUE(boxPresenter.shown.empty());
}

TEST_F(StoresTest, VersionShowListsTheVersionSectionInItsOrder)
{
    info.WriteInformation("Version", QStringLiteral("نسخه برنامه"), "2.4.1", "");
    info.WriteInformation("Other", "X", "hidden", "");
    info.WriteInformation("Version", "Database", "0012", "");
    info.VersionShow();
    EXPECT_EQ(board.caption, QStringLiteral("گزارش مشخصات نرم افزار"));
    EXPECT_FALSE(board.farsi);
    EXPECT_EQ(board.rows, (std::vector<RecordingBoard::Row>{
                              {QStringLiteral("نسخه برنامه"), "2.4.1"}, {"Database", "0012"}}));
    EXPECT_EQ(board.starts, 1);
    EXPECT_EQ(board.stops, 1);
    EXPECT_TRUE(boxPresenter.shown.empty());
}

TEST_F(StoresTest, VersionShowTellsAFailureAndStillStopsTheRecording)
{
    run(farm, "DROP TABLE Info");
    info.VersionShow();
    ASSERT_EQ(boxPresenter.shown.size(), 1u);
    EXPECT_EQ(boxPresenter.shown[0].text, QStringLiteral("امكان نمايش كنترل نسخ نيست"));
    EXPECT_TRUE(board.rows.empty());
    EXPECT_EQ(board.stops, 1);
}

} // namespace
