#pragma once

#include <cstdint>

namespace controls {

/// Weekdays in the order of the solar week, Saturday first.
enum TMonthCaption { mcSaturday, mcSunday, mcMonday, mcTuesday, mcWednesday, mcThursday, mcFriday };

/// A set of weekdays.
class TMonthCaptionSet {
public:
    /// Every weekday.
    static constexpr TMonthCaptionSet all() { return TMonthCaptionSet(0x7F); }
    constexpr TMonthCaptionSet() = default;

    constexpr bool contains(TMonthCaption day) const { return (m_bits >> day) & 1U; }
    constexpr TMonthCaptionSet with(TMonthCaption day) const
    {
        return TMonthCaptionSet(static_cast<std::uint8_t>(m_bits | (1U << day)));
    }
    constexpr TMonthCaptionSet without(TMonthCaption day) const
    {
        return TMonthCaptionSet(static_cast<std::uint8_t>(m_bits & ~(1U << day)));
    }
    constexpr bool operator==(const TMonthCaptionSet&) const = default;

private:
    constexpr explicit TMonthCaptionSet(std::uint8_t bits) : m_bits(bits) {}
    std::uint8_t m_bits = 0;
};

/// A year in words: the whole year, or its last two digits.
enum TFormat { fLong, fShort };
/// A month in a date written in words: its number in words, or its name.
enum TMonthType { mtNumeral, mtAlphabet };

} // namespace controls
