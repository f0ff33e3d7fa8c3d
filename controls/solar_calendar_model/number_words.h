#pragma once

#include "controls/solar_calendar_model/calendar_kinds.h"

#include <QString>

namespace controls {

/// The Persian words of n, written with Arabic Yeh and Kaf: every word but zero ("صفر") ends
/// with one blank and the joining word " و " has a blank on each side, so 21 is "بيست  و يك ".
/// The empty text for a negative n.
QString numberWords(int n);

/// The ordinal of n: its words without the blanks at both ends, then "م" and one blank (4 gives
/// "چهارم "). Words ending in "سه" end in "سوم" (23: "بيست  و سوم "), words ending in "سي" in
/// "سي ام" (30: "سي ام "). The empty text for a negative n.
QString ordinalWords(int n);

/// The words of a year: with fShort, of the last two digits of a four-digit year (1389 gives the
/// words of 89); otherwise of the whole year.
QString yearWords(int year, TFormat format);

} // namespace controls
