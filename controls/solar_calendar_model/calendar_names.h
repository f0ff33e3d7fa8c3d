#pragma once

#include "controls/solar_calendar_model/calendar_day.h"

#include <QString>

namespace controls {

// The calendar control's texts in each calendar. The solar texts are Persian, written with
// Arabic Yeh and Kaf; only the weekday name "يکشنبه" is written with Keheh.

/// The name of month 1 to 12 ("فروردين ماه", "January"); the empty text for any other.
QString monthName(TDateKind kind, int month);
/// The weekday name of grid column 0 to 6 ("شنبه" to "جمعه", "Sun" to "Sat").
QString weekdayName(TDateKind kind, int column);

/// Texts of the control's face in one calendar.
struct FaceTexts {
    QString switchCaption; ///< names the other calendar
    QString switchHint;
    QString nextYearHint;
    QString priorYearHint;
    QString yearCaption; ///< "%1" stands for the year
    QString todayLink;   ///< "%1" stands for today's date text
    QString invalidDate; ///< told when a date is given that the calendar does not have
};

const FaceTexts& faceTexts(TDateKind kind);

/// The year caption's hint in both calendars.
QString yearCaptionHint();

} // namespace controls
