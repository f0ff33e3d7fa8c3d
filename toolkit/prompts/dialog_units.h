#pragma once

#include <QFont>
#include <cstdint>

namespace toolkit {

/// number * numerator / denominator, the product taken in 64 bits and the quotient rounded to
/// the nearest integer, halves away from zero (the Windows MulDiv rule). -1 when denominator is
/// 0 or the quotient does not fit in an int.
constexpr int mulDiv(int number, int numerator, int denominator)
{
    if (denominator == 0)
        return -1;
    const std::int64_t product = std::int64_t{number} * numerator; // |product| < 2^62
    const bool negative = (product < 0) != (denominator < 0);
    // Half the divisor, with its sign, moved away from zero makes the truncating division round.
    const std::int64_t half = denominator / 2;
    const std::int64_t quotient = (negative ? product - half : product + half) / denominator;
    if (quotient > INT32_MAX || quotient < -INT32_MAX)
        return -1;
    return static_cast<int>(quotient);
}

/// A font's average character size, the unit dialogs are laid out in.
struct CharSize {
    int x = 0; ///< width of "A".."Z" followed by "a".."z", divided by 52, remainder dropped
    int y = 0; ///< height of that text: the font's ascent plus descent
};

/// The average character size of font.
CharSize averageCharSize(const QFont& font);

} // namespace toolkit
