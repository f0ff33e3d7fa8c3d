#include "app/select_grid_columns.h"

namespace app {

std::vector<db::GridColumn> selectGridColumns()
{
    return {
        {QStringLiteral("Serial"), QStringLiteral("سريال"), 100, QColor(0xEE, 0xFF, 0xDD)},
        {QStringLiteral("Exist"), QStringLiteral("موجوديت"), 64, QColor(0xEE, 0xFF, 0xDD)},
        {QStringLiteral("Body"), QStringLiteral("بدن"), 34, QColor(0xEE, 0xFF, 0xDD)},
        {QStringLiteral("MilkPeriod"), QStringLiteral("شكم"), 64, QColor(0xEE, 0xFF, 0xDD)},
        {QStringLiteral("BCode"), QStringLiteral("بهاربند"), 94, QColor(0xEE, 0xFF, 0xDD)},
        {QStringLiteral("TDate"), QStringLiteral("تلقيح"), 64, QColor(0xFF, 0xF1, 0xEA)},
        {QStringLiteral("TNUM"), QStringLiteral("نويت تلقيح"), 64, QColor(0xFF, 0xF1, 0xEA)},
        {QStringLiteral("DisT"), QStringLiteral("فاصله تلقيح"), 64, QColor(0xFF, 0xF1, 0xEA)},
        {QStringLiteral("DateLastBrid"), QStringLiteral("تاريخ توليد مثلي"), 77,
         QColor(0xFF, 0xFF, 0xF0)},
        {QStringLiteral("LastBriding"), QStringLiteral("توليد مثلي"), 64, QColor(0xFF, 0xFF, 0xF0)},
        {QStringLiteral("ZSittuation"), QStringLiteral("وضعيت زايش قبل"), 124,
         QColor(0xFF, 0xFF, 0xF0)},
        {QStringLiteral("DIM"), QString(), 64, QColor(0xF4, 0xEA, 0xEA)},
        {QStringLiteral("BSC"), QString(), 64, QColor(0xF4, 0xEA, 0xEA)},
        {QStringLiteral("MilkAS"), QStringLiteral("شير آخر"), 64, QColor(0xE6, 0xFF, 0xE6)},
        {QStringLiteral("PreMilk"), QStringLiteral("شير قبل"), 64, QColor(0xE6, 0xFF, 0xE6)},
        {QStringLiteral("BeforAct"), QStringLiteral("عمل قبلي پروتكل"), 304,
         QColor(0xF5, 0xEC, 0xFF)},
        {QStringLiteral("CurAct"), QStringLiteral("عمل فعلي پروتكل"), 304,
         QColor(0xF5, 0xEC, 0xFF)},
        {QStringLiteral("NextAct"), QStringLiteral("عمل بعدي پروتكل"), 304,
         QColor(0xF5, 0xEC, 0xFF)},
        {QStringLiteral("ES1"), QStringLiteral("اسپرم 1"), 100, QColor(0xE6, 0xF7, 0xFF)},
        {QStringLiteral("ES2"), QStringLiteral("اسپرم 2"), 100, QColor(0xE6, 0xF7, 0xFF)},
        {QStringLiteral("Es3"), QStringLiteral("اسپرم 3"), 100, QColor(0xE6, 0xF7, 0xFF)},
        {QStringLiteral("Es4"), QStringLiteral("اسپرم 4"), 100, QColor(0xE6, 0xF7, 0xFF)},
        {QStringLiteral("Es5"), QStringLiteral("اسپرم 5"), 100, QColor(0xE6, 0xF7, 0xFF)},
    };
}

} // namespace app
