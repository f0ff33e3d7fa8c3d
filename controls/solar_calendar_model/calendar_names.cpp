#include "controls/solar_calendar_model/calendar_names.h"

#include <array>

namespace controls {

namespace {

const std::array<QString, 12> solarMonths{
    QStringLiteral("فروردين ماه"), QStringLiteral("ارديبهشت ماه"), QStringLiteral("خرداد ماه"),
    QStringLiteral("تير ماه"),     QStringLiteral("مرداد ماه"),    QStringLiteral("شهريور ماه"),
    QStringLiteral("مهر ماه"),     QStringLiteral("آبان ماه"),     QStringLiteral("آذر ماه"),
    QStringLiteral("دي ماه"),      QStringLiteral("بهمن ماه"),     QStringLiteral("اسفند ماه")};
const std::array<QString, 12> gregorianMonths{
    QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
    QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
    QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
    QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};
const std::array<QString, 7> solarWeekdays{QStringLiteral("شنبه"),     QStringLiteral("يکشنبه"),
                                           QStringLiteral("دوشنبه"),   QStringLiteral("سه شنبه"),
                                           QStringLiteral("چهارشنبه"), QStringLiteral("پنج شنبه"),
                                           QStringLiteral("جمعه")};
const std::array<QString, 7> gregorianWeekdays{
    QStringLiteral("Sun"), QStringLiteral("Mon"), QStringLiteral("Tue"), QStringLiteral("Wed"),
    QStringLiteral("Thu"), QStringLiteral("Fri"), QStringLiteral("Sat")};

} // namespace

QString monthName(TDateKind kind, int month)
{
    if (month < 1 || month > 12)
        return {};
    return kind == dkSolar ? solarMonths[month - 1] : gregorianMonths[month - 1];
}

QString weekdayName(TDateKind kind, int column)
{
    if (column < 0 || column > 6)
        return {};
    return kind == dkSolar ? solarWeekdays[column] : gregorianWeekdays[column];
}

const FaceTexts& faceTexts(TDateKind kind)
{
    static const FaceTexts solar{
        QStringLiteral("C"),
        QStringLiteral("ميلادي"),
        QStringLiteral("سال بعد"),
        QStringLiteral("سال قبل"),
        QStringLiteral("%1 سال"),
        QStringLiteral("%1 : امروز"),
        QStringLiteral(".تاريخ وارد شده معتبر نميباشد، لطفاً تاريخ صحيح را وارد نمائيد"),
    };
    static const FaceTexts gregorian{
        QStringLiteral("ش"),
        QStringLiteral("Persian"),
        QStringLiteral("Next Year"),
        QStringLiteral("Prior Year"),
        QStringLiteral("Year %1"),
        QStringLiteral("Today : %1"),
        QStringLiteral("Invalid date, Enter correct date please."),
    };
    return kind == dkSolar ? solar : gregorian;
}

QString yearCaptionHint()
{
    return QStringLiteral("سال جاري - كليك كنيد");
}

} // namespace controls
