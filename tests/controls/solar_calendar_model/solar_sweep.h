#pragma once

#include "controls/solar_calendar_model/calendar_day.h"

#include <QDate>
#include <functional>
#include <gtest/gtest.h>

namespace calendar_test {

/// The solar years every sweep covers: those where the arithmetic rule is the calendar in use.
constexpr int firstSweptYear = 1300;
constexpr int lastSweptYear = 1502;

/// Calls visit(year, month) for every solar month of the swept years.
inline void forEachSolarMonth(const std::function<void(int, int)>& visit)
{
    for (int year = firstSweptYear; year <= lastSweptYear; ++year)
        for (int month = 1; month <= 12; ++month)
            visit(year, month);
}

/// Calls visit(date, gregorian) for every solar day of the swept years with the Gregorian date
/// of the same day, counted on from 1 Farvardin 1300 = 21 March 1921 one day at a time.
inline void
forEachSolarDay(const std::function<void(const controls::DateFields&, const QDate&)>& visit)
{
    QDate gregorian(1921, 3, 21);
    forEachSolarMonth([&](int year, int month) {
        const int length = controls::monthLength(controls::dkSolar, year, month);
        for (int day = 1; day <= length; ++day, gregorian = gregorian.addDays(1))
            visit({year, month, day}, gregorian);
    });
}

} // namespace calendar_test
