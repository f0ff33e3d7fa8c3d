#include "support/qstring_printer.h"
#include "toolkit/db/statement_text.h"

#include <gtest/gtest.h>

namespace {

struct RewriteCase {
    const char* name;
    const char* select;
    const char* counted;
};

class CountQueryTest : public testing::TestWithParam<RewriteCase> {};

TEST_P(CountQueryTest, RewritesToTheLetter)
{
    EXPECT_EQ(toolkit::countQueryOf(QString::fromUtf8(GetParam().select)),
              QString::fromUtf8(GetParam().counted));
}

INSTANTIATE_TEST_SUITE_P(
    Statements, CountQueryTest,
    testing::Values(RewriteCase{"Star", "SELECT * FROM X WHERE A=1",
                                "Select Count( * ) As Res  FROM X WHERE A=1"},
                    RewriteCase{"OneColumnLowerCase", "select Name from Cows",
                                "Select Count( Name ) As Res  from Cows"},
                    RewriteCase{"TwoColumnsStayTwo", "select A, B from T",
                                "Select Count( A, B ) As Res  from T"},
                    // the rewrite's two blanks and the one that followed the SELECT
                    RewriteCase{"NoFrom", "select 1", "Select Count() As Res   1"},
                    RewriteCase{"FromInsideAName", "select FromDate from T",
                                "Select Count( ) As Res  FromDate from T"},
                    RewriteCase{"LineBreaksKept", "SELECT *\r\nFROM T\r\nWHERE A=1",
                                "Select Count( *\r\n) As Res  FROM T\r\nWHERE A=1"},
                    RewriteCase{"PersianLiteral", "SELECT * FROM T WHERE N='گاو'",
                                "Select Count( * ) As Res  FROM T WHERE N='گاو'"}),
    [](const testing::TestParamInfo<RewriteCase>& info) { return std::string(info.param.name); });

TEST(StatementText, LeadingBlanksAreOnlyCode32)
{
    EXPECT_EQ(toolkit::withoutLeadingBlanks(QStringLiteral("   select Name from Cows")),
              QStringLiteral("select Name from Cows"));
    EXPECT_EQ(toolkit::withoutLeadingBlanks(QStringLiteral(" \tselect 1")),
              QStringLiteral("\tselect 1"));
    EXPECT_EQ(toolkit::withoutLeadingBlanks(QStringLiteral("    ")), QString());
}

TEST(StatementText, SelectIsRecognisedOnlyAtTheVeryStart)
{
    EXPECT_TRUE(toolkit::beginsWithSelect(QStringLiteral("sElEcT 1")));
    EXPECT_TRUE(toolkit::beginsWithSelect(QStringLiteral("SELECTED")));
    EXPECT_FALSE(toolkit::beginsWithSelect(QStringLiteral("\tSELECT 1")));
    EXPECT_FALSE(toolkit::beginsWithSelect(QStringLiteral("\r\nSELECT 1")));
    EXPECT_FALSE(toolkit::beginsWithSelect(QStringLiteral("SELEC")));
}

TEST(StatementText, TrimmingRemovesAllControlsAtBothEnds)
{
    EXPECT_EQ(toolkit::trimmedOfControls(QStringLiteral("\t\r\n a b \x01\n")),
              QStringLiteral("a b"));
    EXPECT_EQ(toolkit::trimmedOfControls(QStringLiteral(" \t\r\n")), QString());
    EXPECT_EQ(toolkit::trimmedOfControls(QStringLiteral("0")), QStringLiteral("0"));
}

} // namespace
