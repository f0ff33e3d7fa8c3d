// The statement texts of the lookup and of the working list's INSERT, character for character.
#include "app/lists/select_statements.h"
#include "app/lists/select_texts.h"

#include <gtest/gtest.h>
#include <ostream>

namespace {

struct LookupCase {
    const char* name;
    app::LookupEntry entry;
    QString typed;
    std::optional<QString> sexItem;
    QString expected;
};

/// The case's name, in test listings.
void PrintTo(const LookupCase& c, std::ostream* os)
{
    *os << c.name;
}

class LookupStatement : public ::testing::TestWithParam<LookupCase> {};

TEST_P(LookupStatement, IsBuiltToTheLetter)
{
    const LookupCase& c = GetParam();
    EXPECT_EQ(app::lookupStatement(c.entry, c.typed, c.sexItem).toStdString(),
              c.expected.toStdString());
}

const QString kByBody = QStringLiteral(
    "Select Serial,Body,PEar,BDate,Sex From Main Where ExistCode Between 0 and 1 And Body=");
const QString kByEarTag =
    QStringLiteral("Select Serial From Main Where ExistCode Between 0 and 1 And PEar=");

INSTANTIATE_TEST_SUITE_P(
    Cases, LookupStatement,
    ::testing::Values(
        LookupCase{"BodyPaddedToFive", app::LookupEntry::Body, QStringLiteral("12"), std::nullopt,
                   kByBody + QStringLiteral("'00012'")},
        LookupCase{"BodyOfSixDigitsUnchanged", app::LookupEntry::Body, QStringLiteral("123456"),
                   std::nullopt, kByBody + QStringLiteral("'123456'")},
        LookupCase{"EmptyBodyIsFiveZeros", app::LookupEntry::Body, QString(), std::nullopt,
                   kByBody + QStringLiteral("'00000'")},
        LookupCase{"BodyQuoteDoubledAfterPadding", app::LookupEntry::Body, QStringLiteral("1'2"),
                   std::nullopt, kByBody + QStringLiteral("'001''2'")},
        LookupCase{"EarTagAsTyped", app::LookupEntry::EarTag, QStringLiteral("0012"), std::nullopt,
                   kByEarTag + QStringLiteral("'0012'")},
        LookupCase{"EarTagQuoteDoubled", app::LookupEntry::EarTag, QStringLiteral("x' OR '1'='1"),
                   std::nullopt, kByEarTag + QStringLiteral("'x'' OR ''1''=''1'")},
        LookupCase{"FemaleFilter", app::LookupEntry::Body, QStringLiteral("7"),
                   app::texts::kSexFemale,
                   kByBody + QStringLiteral("'00007' And Sex Like '%") + app::texts::kSexFemale +
                       QStringLiteral("%'")},
        LookupCase{"MaleFilterOnEarTag", app::LookupEntry::EarTag, QStringLiteral("55"),
                   app::texts::kSexMale,
                   kByEarTag + QStringLiteral("'55' And Sex Like '%") + app::texts::kSexMale +
                       QStringLiteral("%'")}),
    [](const ::testing::TestParamInfo<LookupCase>& info) { return std::string(info.param.name); });

/// What both forms of the statement share: the columns, the facts of the status view and the
/// five recommended sperm codes.
const QString kInsertHead = QStringLiteral(
    "INSERT INTO [2Tarvex](Serial,Body, DIM, TDate, DateLastBrid, TNUM, MilkAS, BSC, "
    "ES1, ES2, Es3, Es4, Es5,BeforAct,CurAct,NextAct,LastBriding, PreMilk, MilkPeriod"
    ", BCode, Exist, DisT, ZSittuation)SELECT     '12''3',Body, DisZ, DateTalghih, Da"
    "teLastBriding, CASE WHEN ZSittuation LIKE '%سقط%' THEN  (SELECT COUNT(*)FROM Tal"
    "ghih WHERE Serial = M.Serial AND Tdate > M.ZSDate) ELSE TNum END AS TNum, MilkAm"
    "ountSum, BodyScore,(SELECT Esp1 FROM RecommandSperm WHERE Serial = M.Serial AND "
    "MilkPeriod = M.MilkPeriod AND SDate =(SELECT MAX(SDate)  FROM RecommandSperm  WH"
    "ERE Serial = M.Serial)) AS Esp1,(SELECT Esp2 FROM RecommandSperm WHERE Serial = "
    "M.Serial AND MilkPeriod = M.MilkPeriod AND SDate =(SELECT MAX(SDate)  FROM Recom"
    "mandSperm  WHERE Serial = M.Serial)) AS Esp2,(SELECT Esp3 FROM RecommandSperm WH"
    "ERE Serial = M.Serial AND MilkPeriod = M.MilkPeriod AND SDate =  (SELECT MAX(SDa"
    "te)  FROM RecommandSperm  WHERE Serial = M.Serial)) AS Esp3,(SELECT Esp4 FROM Re"
    "commandSperm WHERE Serial = M.Serial AND MilkPeriod = M.MilkPeriod AND SDate = ("
    "SELECT MAX(SDate)  FROM RecommandSperm  WHERE Serial = M.Serial)) AS Esp4,(SELEC"
    "T Esp5 FROM RecommandSperm WHERE Serial = M.Serial AND MilkPeriod = M.MilkPeriod"
    " AND SDate =(SELECT MAX(SDate)  FROM RecommandSperm  WHERE Serial = M.Serial)) A"
    "S Esp5,");

TEST(InsertListStatement, WithProtocolsIsBuiltToTheLetter)
{
    const QString expected =
        kInsertHead +
        QStringLiteral(
            "(SELECT (SELECT PAct FROM P_ProtocolDesign WHERE ProName = A.ProName AND "
            "PLevel = PCurLevel - 1)  FROM P_Work A WHERE (Serial = M.Serial) AND (PInDate =("
            "SELECT MAX(PInDate)FROM P_Work  WHERE  Serial = A.Serial And POutDate='')))BA,(S"
            "ELECT PLastAct FROM P_Work A WHERE (Serial = M.Serial) AND (PInDate =(SELECT MAX"
            "(PInDate)FROM P_Work  WHERE  Serial = A.Serial And POutDate='')))AS PLastAct, (S"
            "ELECT PNextAct FROM P_Work A WHERE (Serial = M.Serial) AND (PInDate =(SELECT MAX"
            "(PInDate)FROM P_Work  WHERE  Serial = A.Serial And POutDate='')))AS PNextAct ,La"
            "stBriding, PreMilk, MilkPeriod, BCode, ReadyDieStatuse, DisT, ZSittuation FROM C"
            "owStatusView M WHERE (Serial = '12''3')");
    EXPECT_EQ(app::insertListStatement(QStringLiteral("12'3"), true).toStdString(),
              expected.toStdString());
}

TEST(InsertListStatement, WithoutProtocolsFillsTheStepsWithNone)
{
    const QString expected =
        kInsertHead +
        QStringLiteral("'ندارد','ندارد','ندارد',LastBriding, PreMilk, MilkPeriod, BCode, ReadyDie"
                       "Statuse, DisT, ZSittuation FROM CowStatusView M WHERE (Serial = '12''3')");
    EXPECT_EQ(app::insertListStatement(QStringLiteral("12'3"), false).toStdString(),
              expected.toStdString());
}

} // namespace
