#include "toolkit/calendar/calendar_tools.h"
#include "toolkit/calendar/engine/conversion_error.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace toolkit {

QVariant CalendarTools::iif(bool Test, const QVariant& TrueR, const QVariant& FalseR) const
{
    return Test ? TrueR : FalseR;
}

int CalendarTools::ToInt(double Num) const
{
    const auto notAnInteger = [Num]() {
        return ConversionError(
            QStringLiteral("'%1' is not a valid integer value").arg(QString::number(Num, 'g', 15)));
    };
    if (!std::isfinite(Num))
        throw notAnInteger();
    if (Num == 0)
        return 0;
    // The number's general text form: 15 significant digits, written without an exponent from
    // 0.00001 up to 15 integer digits. Only that form reads back as an integer.
    const QString digits = QString::number(Num, 'e', 14); // d.dddddddddddddde±XX
    const int exponent = digits.mid(digits.indexOf(QLatin1Char('e')) + 1).toInt();
    if (exponent < -5 || exponent > 14)
        throw notAnInteger();
    const double whole = std::trunc(digits.toDouble()); // the integer digits of that text
    if (whole < std::numeric_limits<int>::min() || whole > std::numeric_limits<int>::max())
        throw notAnInteger();
    return static_cast<int>(whole);
}

double CalendarTools::To2DigitFloat(double InNum) const
{
    // The product is kept in extended precision, so that a number stored just below a tie
    // (2.675 is 2.67499999...) stays below it instead of rounding up to the tie.
    const long double hundredths = static_cast<long double>(InNum) * 100;
    return static_cast<double>(std::nearbyintl(hundredths) / 100);
}

bool CalendarTools::IsValidNum(const QString& St) const
{
    return std::all_of(St.cbegin(), St.cend(), [](QChar c) {
        return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.') ||
               c == QLatin1Char('-');
    });
}

} // namespace toolkit
