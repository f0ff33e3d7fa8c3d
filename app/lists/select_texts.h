#pragma once

#include <QString>

// The Persian texts the selection application shows or builds into its statements.
namespace app::texts {

/// Title of the run of "Create.List" at start-up.
inline const QString kBuildTablesTitle = QStringLiteral("ساخت جداول");
/// The one start-up failure message.
inline const QString kServerConnectionFailed = QStringLiteral("خطا در اتصال به سرور اطلاعات");
/// The side panel's title bar (it ends with a blank).
inline const QString kTitleCaption = QStringLiteral("نرم افزار كنترل تلقيح ");
inline const QString kSexGroup = QStringLiteral("جنسيت");
inline const QString kSexMale = QStringLiteral("نر");
inline const QString kSexFemale = QStringLiteral("ماده");
inline const QString kSexBoth = QStringLiteral("هردو");
inline const QString kBodyLabel = QStringLiteral("بدن");
inline const QString kEarTagLabel = QStringLiteral("پلاستيكي");
/// It ends with a blank.
inline const QString kDeleteButton = QStringLiteral("حذف ");
inline const QString kDeleteAllButton = QStringLiteral("حذف همه");
inline const QString kReportButton = QStringLiteral("گزارش");
inline const QString kProtocolCheckBox = QStringLiteral("برنامه پروتكل درمان وجود دارد");
inline const QString kReturnButton = QStringLiteral("بازگشت");
/// No present animal has the number.
inline const QString kWrongNumber = QStringLiteral("شماره اشتباه است");
/// The animal is in the working list already.
inline const QString kAlreadyListed = QStringLiteral("اين شماره قبلا وارد شده است");
/// Follows the count of animals found; it begins with a blank.
inline const QString kAnimalsFound = QStringLiteral(" دام با اين شماره پيدا شد");
/// The report generator is not in the program folder.
inline const QString kReportSystemMissing =
    QStringLiteral("سيستم گزارشگير روي اين كامپيوتر نصب نشده است");

} // namespace app::texts
