#include "app/lists/select_statements.h"

#include "dataaccess/base/sql_text.h"

namespace app {
namespace {

// The head of the INSERT: the column list and the opening of its SELECT (it ends with five blanks).
const QString kInsertHead =
    QStringLiteral("INSERT INTO [2Tarvex](Serial,Body, DIM, TDate, DateLastBrid, TNUM, MilkAS, "
                   "BSC, ES1, ES2, Es3, Es4, Es5,BeforAct,CurAct,NextAct,LastBriding, PreMilk, "
                   "MilkPeriod, BCode, Exist, DisT, ZSittuation)SELECT     ");
// After the serial: the status columns and the insemination count, which after an abortion counts
// only the inseminations since the abortion date.
const QString kStatusColumns = QStringLiteral(
    ",Body, DisZ, DateTalghih, DateLastBriding, CASE WHEN ZSittuation LIKE '%سقط%' THEN "
    " (SELECT COUNT(*)FROM Talghih WHERE Serial = M.Serial AND Tdate > M.ZSDate) ELSE TNum END AS "
    "TNum, MilkAmountSum, BodyScore,");
// The five recommended sperm codes: only from the animal's latest recommendation, and only when
// that recommendation belongs to the animal's current lactation.
const QString kSpermColumns1To4 =
    QStringLiteral("(SELECT Esp1 FROM RecommandSperm WHERE Serial = M.Serial AND MilkPeriod = "
                   "M.MilkPeriod AND SDate ="
                   "(SELECT MAX(SDate)  FROM RecommandSperm  WHERE Serial = M.Serial)) AS Esp1,"
                   "(SELECT Esp2 FROM RecommandSperm WHERE Serial = M.Serial AND MilkPeriod = "
                   "M.MilkPeriod AND SDate ="
                   "(SELECT MAX(SDate)  FROM RecommandSperm  WHERE Serial = M.Serial)) AS Esp2,"
                   "(SELECT Esp3 FROM RecommandSperm WHERE Serial = M.Serial AND MilkPeriod = "
                   "M.MilkPeriod AND SDate =  "
                   "(SELECT MAX(SDate)  FROM RecommandSperm  WHERE Serial = M.Serial)) AS Esp3,"
                   "(SELECT Esp4 FROM RecommandSperm WHERE Serial = M.Serial AND MilkPeriod = "
                   "M.MilkPeriod AND SDate = "
                   "(SELECT MAX(SDate)  FROM RecommandSperm  WHERE Serial = M.Serial)) AS Esp4,");
const QString kSpermColumn5Head =
    QStringLiteral("(SELECT Esp5 FROM RecommandSperm WHERE Serial = M.Serial AND MilkPeriod = "
                   "M.MilkPeriod AND SDate =");
// The end of the fifth sperm column followed by the previous, current and next step of the open
// protocol entry (the one with the greatest entry date among those without an exit date).
const QString kSpermColumn5AndProtocolSteps = QStringLiteral(
    "(SELECT MAX(SDate)  FROM RecommandSperm  WHERE Serial = M.Serial)) AS Esp5,"
    "(SELECT (SELECT PAct FROM P_ProtocolDesign WHERE ProName = A.ProName AND PLevel = PCurLevel - "
    "1) "
    " FROM P_Work A WHERE (Serial = M.Serial) AND (PInDate =(SELECT MAX(PInDate)FROM P_Work  WHERE "
    " Serial = A.Serial And POutDate='')))BA,"
    "(SELECT PLastAct FROM P_Work A WHERE (Serial = M.Serial) AND (PInDate =(SELECT "
    "MAX(PInDate)FROM P_Work  WHERE  Serial = A.Serial And POutDate='')))AS PLastAct, "
    "(SELECT PNextAct FROM P_Work A WHERE (Serial = M.Serial) AND (PInDate =(SELECT "
    "MAX(PInDate)FROM P_Work  WHERE  Serial = A.Serial And POutDate='')))AS PNextAct ,LastBriding, "
    "PreMilk, MilkPeriod, BCode, ReadyDieStatuse, DisT, ZSittuation");
// The same end of the fifth sperm column on a farm without protocol tables.
const QString kSpermColumn5AndNoProtocol =
    QStringLiteral("(SELECT MAX(SDate)  FROM RecommandSperm  WHERE Serial = M.Serial)) AS "
                   "Esp5,'ندارد','ندارد','ندارد',LastBriding, PreMilk, MilkPeriod, BCode, "
                   "ReadyDieStatuse, DisT, ZSittuation");
const QString kFromStatusView = QStringLiteral(" FROM CowStatusView M WHERE (Serial = ");
const QString kClose = QStringLiteral(")");

} // namespace

QString paddedBodyNumber(const QString& typed)
{
    return typed.rightJustified(kBodyNumberWidth, QLatin1Char('0'));
}

QString lookupStatement(LookupEntry entry, const QString& typed,
                        const std::optional<QString>& sexItem)
{
    QString statement;
    if (entry == LookupEntry::Body)
        statement = QStringLiteral("Select Serial,Body,PEar,BDate,Sex From Main Where ExistCode "
                                   "Between 0 and 1 And Body=") +
                    db::sql::quoteString(paddedBodyNumber(typed));
    else
        statement =
            QStringLiteral("Select Serial From Main Where ExistCode Between 0 and 1 And PEar=") +
            db::sql::quoteString(typed);
    if (sexItem)
        statement += QStringLiteral(" And Sex Like ") +
                     db::sql::quoteString(QLatin1Char('%') + *sexItem + QLatin1Char('%'));
    return statement;
}

QString insertListStatement(const QString& Ser, bool withProtocols)
{
    const QString serial = db::sql::quoteString(Ser);
    return kInsertHead + serial + kStatusColumns + kSpermColumns1To4 + kSpermColumn5Head +
           (withProtocols ? kSpermColumn5AndProtocolSteps : kSpermColumn5AndNoProtocol) +
           kFromStatusView + serial + kClose;
}

} // namespace app
